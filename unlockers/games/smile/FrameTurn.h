#pragma once
#include <QList>

#include <opencv2/core/mat.hpp>
#include <optional>

class QScreen;
class QVideoFrame;

// Which way up a camera frame is, as far as anything reports it. Each value
// is in clockwise degrees (0, 90, 180, 270) that the frame must be turned.
struct OrientationHint
{
    // How the camera sits in the device, when the frame says so
    // (QVideoFrame::rotationAngle; a frame without a turn says nothing).
    std::optional<int> camera;
    // How far the device is held turned from its natural position, when the
    // screen knows its natural orientation.
    std::optional<int> screen;

    static OrientationHint of(const QVideoFrame &frame, const QScreen *screen);
};

// Turning frames upright before the detector looks at them. A face is found
// only upright, so when the reports do not settle the turn, the frame is
// tried as the reports suggest and then at the two quarter turns from there,
// starting with the turn that found a face last time.
namespace FrameTurn {
int normalised(int degrees);
// The turns to try, in order, for a frame with these reports.
QList<int> turnsToTry(const OrientationHint &hint, std::optional<int> lastFound = std::nullopt);
// The picture turned clockwise by `degrees` (a multiple of 90).
cv::Mat turned(const cv::Mat &picture, int degrees);
} // namespace FrameTurn
