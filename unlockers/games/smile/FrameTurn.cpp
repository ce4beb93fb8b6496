#include "unlockers/games/smile/FrameTurn.h"

#include <QScreen>
#include <QVideoFrame>

#include <opencv2/core.hpp>

OrientationHint OrientationHint::of(const QVideoFrame &frame, const QScreen *screen)
{
    OrientationHint hint;
    if (frame.rotationAngle() != QVideoFrame::Rotation0)
        hint.camera = int(frame.rotationAngle());
    if (screen && screen->nativeOrientation() != Qt::PrimaryOrientation)
        hint.screen = screen->angleBetween(screen->nativeOrientation(), screen->orientation());
    return hint;
}

int FrameTurn::normalised(int degrees) { return ((degrees % 360) + 360) % 360; }

QList<int> FrameTurn::turnsToTry(const OrientationHint &hint, std::optional<int> lastFound)
{
    const int expected = normalised(hint.camera.value_or(0) + hint.screen.value_or(0));
    if (hint.camera && hint.screen)
        return {expected};
    QList<int> turns{expected, normalised(expected + 90), normalised(expected + 270)};
    if (lastFound && turns.removeOne(normalised(*lastFound)))
        turns.prepend(normalised(*lastFound));
    return turns;
}

cv::Mat FrameTurn::turned(const cv::Mat &picture, int degrees)
{
    cv::Mat out;
    switch (normalised(degrees)) {
    case 90:
        cv::rotate(picture, out, cv::ROTATE_90_CLOCKWISE);
        return out;
    case 180:
        cv::rotate(picture, out, cv::ROTATE_180);
        return out;
    case 270:
        cv::rotate(picture, out, cv::ROTATE_90_COUNTERCLOCKWISE);
        return out;
    default:
        return picture;
    }
}
