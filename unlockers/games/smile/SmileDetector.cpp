#include "unlockers/games/smile/SmileDetector.h"

#include <QDir>
#include <QFileInfo>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

const QString SmileDetector::kDefaultCascadeFolder = QStringLiteral(TOLVEK_HAAR_CASCADE_DIR);

namespace {
bool load(cv::CascadeClassifier &cascade, const QString &path, QString &problem)
{
    if (!QFileInfo(path).isFile()) {
        problem = QStringLiteral("no cascade file %1").arg(path);
        return false;
    }
    try {
        if (cascade.load(QFile::encodeName(path).toStdString()) && !cascade.empty())
            return true;
    } catch (const cv::Exception &) {
    }
    problem = QStringLiteral("cascade file %1 does not load").arg(path);
    return false;
}
} // namespace

SmileDetector::SmileDetector(const QString &cascadeFolder)
{
    const QDir folder(cascadeFolder);
    ready_ = load(face_, folder.filePath(kFaceCascade), problem_)
             && load(smile_, folder.filePath(kSmileCascade), problem_);
}

SmileDetector::Finding SmileDetector::find(const cv::Mat &grey)
{
    Finding finding;
    if (!ready_ || grey.empty() || grey.type() != CV_8UC1)
        return finding;
    // Evens out a dim bedroom or a bright window behind the sleeper.
    cv::Mat even;
    cv::equalizeHist(grey, even);
    const int smallest = std::min(even.cols, even.rows) / kFaceFractionOfSide;
    if (smallest < 1)
        return finding;
    std::vector<cv::Rect> faces;
    face_.detectMultiScale(even, faces, kFaceScaleStep, kFaceNeighbours, 0, cv::Size(smallest, smallest));
    finding.faces = int(faces.size());
    for (const cv::Rect &face : faces) {
        const cv::Rect mouthArea(face.x, face.y + face.height / 2, face.width, face.height - face.height / 2);
        std::vector<cv::Rect> smiles;
        smile_.detectMultiScale(even(mouthArea), smiles, kSmileScaleStep, kSmileNeighbours, 0,
                                cv::Size(face.width / 4, face.height / 8));
        if (!smiles.empty())
            ++finding.smilingFaces;
    }
    return finding;
}
