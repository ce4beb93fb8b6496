#pragma once
#include <QString>

#include <opencv2/objdetect.hpp>

// Finds frontal faces in an upright grey picture and, on the lower half of
// each face, a smile. Uses OpenCV's Haar cascades as Debian's opencv-data
// installs them; of its frontal-face cascades, "alt2" finds the same faces
// as the default one here in half the time. Not thread-safe: one detector
// per thread.
class SmileDetector
{
public:
    struct Finding
    {
        int faces = 0;
        int smilingFaces = 0;
    };

    static const QString kDefaultCascadeFolder;
    static inline const QString kFaceCascade = QStringLiteral("haarcascade_frontalface_alt2.xml");
    static inline const QString kSmileCascade = QStringLiteral("haarcascade_smile.xml");

    // Faces smaller than this part of the picture's shorter side are not
    // looked for: the sleeper is close to the camera, and tiny faces cost
    // most of the time.
    static constexpr int kFaceFractionOfSide = 5;
    static constexpr double kFaceScaleStep = 1.1;
    static constexpr int kFaceNeighbours = 5;
    // The smile cascade finds real smiles with these settings and almost no
    // mouths that do not smile.
    static constexpr double kSmileScaleStep = 1.1;
    static constexpr int kSmileNeighbours = 8;

    explicit SmileDetector(const QString &cascadeFolder = kDefaultCascadeFolder);

    // False when a cascade file is missing or damaged; find() then finds nothing.
    bool isReady() const { return ready_; }
    QString problem() const { return problem_; }

    Finding find(const cv::Mat &grey);

private:
    cv::CascadeClassifier face_, smile_;
    bool ready_ = false;
    QString problem_;
};
