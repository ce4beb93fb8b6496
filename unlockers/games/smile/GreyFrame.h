#pragma once
#include <QSize>
#include <QString>
#include <QVideoFrame>

#include <opencv2/core/mat.hpp>

// A camera frame of any pixel format as the small grey picture the face
// detector reads. The picture is scaled down before anything else is done to
// it, so a huge frame costs one pass over its pixels and no full-size copy.
// Frames that cannot be read (empty, absurdly large, shorter than their size
// says, a format without a picture) give an empty picture and a reason.
namespace GreyFrame {
// The camera's 352 x 288 picture: a face filling much of the height is still
// large enough there for its smile to be found, and detection stays fast. A
// wider frame keeps its width up to 512 (16:9), so its faces are as large.
inline constexpr int kAnalysisShortSide = 288;
inline constexpr int kMaxAnalysisArea = 512 * 288;
// Larger frames are refused unread.
inline constexpr int kMaxSide = 16384;

struct Result
{
    cv::Mat grey; // CV_8UC1, owns its pixels; empty when the frame is unusable
    QString problem;
};

// Reads `frame` (mapping it if needed, read-only) at the analysis size.
Result fromVideoFrame(QVideoFrame frame);
// The size a frame of `size` is scaled to: its shorter side at most 288 and
// its area at most 512 x 288, its shape kept, never enlarged.
QSize analysisSize(QSize size);
} // namespace GreyFrame
