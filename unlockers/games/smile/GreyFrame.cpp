#include "unlockers/games/smile/GreyFrame.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {
using Format = QVideoFrameFormat;

// Luma weights (ITU-R BT.601) for the byte positions of a 32-bit RGB pixel.
constexpr float kR = 0.299f, kG = 0.587f, kB = 0.114f;

// How the grey picture is read out of the first plane of a format.
struct Reading
{
    enum Kind { Luma, Rgb32, Compressed, Unmappable } kind = Unmappable;
    int depth = CV_8U;     // sample type of the plane
    int channels = 1;      // samples per pixel in the plane
    int lumaChannel = 0;   // where the luma sits (Luma)
    int shift = 0;         // right shift that brings 16-bit luma to 8 bits
    cv::Matx14f weights{}; // luma from the four bytes of a pixel (Rgb32)
};

Reading readingFor(Format::PixelFormat format)
{
    switch (format) {
    case Format::Format_Y8:
    case Format::Format_NV12:
    case Format::Format_NV21:
    case Format::Format_YUV420P:
    case Format::Format_YUV422P:
    case Format::Format_YV12:
    case Format::Format_IMC1:
    case Format::Format_IMC2:
    case Format::Format_IMC3:
    case Format::Format_IMC4:
        return {Reading::Luma, CV_8U, 1, 0, 0, {}};
    case Format::Format_YUYV: // Y0 U Y1 V
        return {Reading::Luma, CV_8U, 2, 0, 0, {}};
    case Format::Format_UYVY: // U Y0 V Y1
        return {Reading::Luma, CV_8U, 2, 1, 0, {}};
    case Format::Format_AYUV:
    case Format::Format_AYUV_Premultiplied:
        return {Reading::Luma, CV_8U, 4, 1, 0, {}};
    case Format::Format_Y16:
    case Format::Format_P010: // ten bits at the top of each sample
    case Format::Format_P016:
        return {Reading::Luma, CV_16U, 1, 0, 8, {}};
    case Format::Format_YUV420P10: // ten bits at the bottom
        return {Reading::Luma, CV_16U, 1, 0, 2, {}};
    case Format::Format_ARGB8888:
    case Format::Format_ARGB8888_Premultiplied:
    case Format::Format_XRGB8888:
        return {Reading::Rgb32, CV_8U, 4, 0, 0, {0, kR, kG, kB}};
    case Format::Format_BGRA8888:
    case Format::Format_BGRA8888_Premultiplied:
    case Format::Format_BGRX8888:
        return {Reading::Rgb32, CV_8U, 4, 0, 0, {kB, kG, kR, 0}};
    case Format::Format_ABGR8888:
    case Format::Format_XBGR8888:
        return {Reading::Rgb32, CV_8U, 4, 0, 0, {0, kB, kG, kR}};
    case Format::Format_RGBA8888:
    case Format::Format_RGBX8888:
        return {Reading::Rgb32, CV_8U, 4, 0, 0, {kR, kG, kB, 0}};
    case Format::Format_Jpeg:
        return {Reading::Compressed, CV_8U, 1, 0, 0, {}};
    default: // textures and formats without a readable plane
        return {};
    }
}

cv::Mat scaled(const cv::Mat &source, QSize size)
{
    if (source.cols == size.width() && source.rows == size.height())
        return source.clone();
    cv::Mat out;
    cv::resize(source, out, cv::Size(size.width(), size.height()), 0, 0, cv::INTER_AREA);
    return out;
}

cv::Mat greyFromImage(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat view(grey.height(), grey.width(), CV_8UC1, const_cast<uchar *>(grey.constBits()),
                       size_t(grey.bytesPerLine()));
    return scaled(view, GreyFrame::analysisSize(grey.size()));
}

GreyFrame::Result unusable(const QString &problem) { return {cv::Mat(), problem}; }

// A compressed frame (MJPEG) is decoded straight to the analysis size, so a
// large picture is never expanded in full.
GreyFrame::Result decodeCompressed(const uchar *data, int bytes)
{
    QByteArray encoded = QByteArray::fromRawData(reinterpret_cast<const char *>(data), bytes);
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > GreyFrame::kMaxSide || size.height() > GreyFrame::kMaxSide)
        return unusable(QStringLiteral("compressed frame of unusable size"));
    reader.setScaledSize(GreyFrame::analysisSize(size));
    const QImage image = reader.read();
    if (image.isNull())
        return unusable(QStringLiteral("compressed frame does not decode: ") + reader.errorString());
    return {greyFromImage(image), {}};
}

GreyFrame::Result readMapped(const QVideoFrame &frame, const Reading &reading)
{
    const int width = frame.width(), height = frame.height();
    const uchar *data = frame.bits(0);
    const qsizetype stride = frame.bytesPerLine(0);
    const qsizetype bytes = frame.mappedBytes(0);
    if (!data || bytes <= 0)
        return unusable(QStringLiteral("frame has no pixels"));
    if (reading.kind == Reading::Compressed)
        return decodeCompressed(data, int(bytes));

    const int sampleBytes = reading.depth == CV_16U ? 2 : 1;
    const qsizetype rowBytes = qsizetype(width) * reading.channels * sampleBytes;
    if (stride < rowBytes || bytes < stride * (height - 1) + rowBytes)
        return unusable(QStringLiteral("frame holds fewer bytes than its size needs"));

    const cv::Mat plane(height, width, CV_MAKETYPE(reading.depth, reading.channels), const_cast<uchar *>(data),
                        size_t(stride));
    const cv::Mat small = scaled(plane, GreyFrame::analysisSize({width, height}));
    cv::Mat grey;
    if (reading.kind == Reading::Rgb32) {
        cv::transform(small, grey, reading.weights);
    } else {
        cv::Mat luma;
        if (reading.channels == 1)
            luma = small;
        else
            cv::extractChannel(small, luma, reading.lumaChannel);
        if (reading.depth == CV_16U)
            luma.convertTo(grey, CV_8U, 1.0 / double(1 << reading.shift));
        else
            grey = luma;
    }
    return {grey.isContinuous() ? grey : grey.clone(), {}};
}
} // namespace

QSize GreyFrame::analysisSize(QSize size)
{
    const double width = size.width(), height = size.height();
    const double factor
        = std::min({1.0, kAnalysisShortSide / std::min(width, height), std::sqrt(kMaxAnalysisArea / (width * height))});
    if (factor >= 1.0)
        return size;
    return {std::max(1, int(std::lround(width * factor))), std::max(1, int(std::lround(height * factor)))};
}

GreyFrame::Result GreyFrame::fromVideoFrame(QVideoFrame frame)
{
    if (!frame.isValid() || frame.width() <= 0 || frame.height() <= 0)
        return unusable(QStringLiteral("empty frame"));
    if (frame.width() > kMaxSide || frame.height() > kMaxSide)
        return unusable(QStringLiteral("frame of %1 x %2 is too large").arg(frame.width()).arg(frame.height()));

    const Reading reading = readingFor(frame.pixelFormat());
    if (reading.kind == Reading::Unmappable) {
        // A picture the platform keeps elsewhere (a texture): let Qt fetch it.
        const QImage image = frame.toImage();
        if (image.isNull())
            return unusable(QStringLiteral("frame format %1 cannot be read").arg(int(frame.pixelFormat())));
        return {greyFromImage(image), {}};
    }
    if (!frame.map(QVideoFrame::ReadOnly))
        return unusable(QStringLiteral("frame cannot be mapped"));
    Result result = readMapped(frame, reading);
    frame.unmap();
    return result;
}
