#pragma once
// Camera frames for the smile game's tests, made from the committed photos:
// the photo as a camera of a given size would see it, held at a given turn,
// in any pixel format a camera delivers.
#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <QVideoFrame>
#include <QVideoFrameFormat>

#include <cstring>

namespace FaceFrames {
using Format = QVideoFrameFormat::PixelFormat;

inline QImage photo(const char *name)
{
    return QImage(qEnvironmentVariable("TOLVEK_SOURCE_DIR") + QStringLiteral("/tests/unlockers/faces/")
                  + QLatin1String(name))
        .convertToFormat(QImage::Format_RGB32);
}
inline QImage smilingFace() { return photo("astronaut.png"); }
inline QImage noFrontalFace() { return photo("camera.png"); }

// The photo fitted into a frame of `size` on a grey ground, as a camera
// delivers it when it must be turned `turn` degrees clockwise to stand upright.
inline QImage scene(const QImage &picture, QSize size, int turn = 0)
{
    const QSize upright = turn % 180 == 0 ? size : size.transposed();
    QImage canvas(upright, QImage::Format_RGB32);
    canvas.fill(QColor(128, 128, 128));
    const QImage fitted = picture.scaled(upright, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter(&canvas).drawImage((upright.width() - fitted.width()) / 2, (upright.height() - fitted.height()) / 2,
                                fitted);
    return canvas.transformed(QTransform().rotate(-turn));
}

// The bytes of one pixel in the first plane: r, g, b, l (luma), a (255), c
// (neutral chroma, 128), z (0; 16-bit luma is little-endian, in the high byte).
// Formats not listed start with a plane of 8-bit luma.
inline constexpr char kLayoutLetters[] = "rgblacz";
inline const char *pixelLayout(Format format)
{
    static const QHash<Format, const char *> layouts{
        {Format::Format_ARGB8888, "argb"}, {Format::Format_XRGB8888, "argb"}, {Format::Format_BGRA8888, "bgra"},
        {Format::Format_BGRX8888, "bgra"}, {Format::Format_ABGR8888, "abgr"}, {Format::Format_XBGR8888, "abgr"},
        {Format::Format_RGBA8888, "rgba"}, {Format::Format_RGBX8888, "rgba"}, {Format::Format_AYUV, "alcc"},
        {Format::Format_YUYV, "lc"},       {Format::Format_UYVY, "cl"},       {Format::Format_Y16, "zl"},
        {Format::Format_P010, "zl"},       {Format::Format_P016, "zl"}};
    return layouts.value(format, "l");
}

// `picture` as a frame of `format`; chroma is neutral in the YUV formats.
inline QVideoFrame frame(const QImage &picture, Format format)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QVideoFrame frame(QVideoFrameFormat(rgb.size(), format));
    if (!frame.map(QVideoFrame::WriteOnly))
        return frame;
    for (int plane = 1; plane < frame.planeCount(); ++plane)
        std::memset(frame.bits(plane), 128, size_t(frame.mappedBytes(plane)));
    if (format == Format::Format_Jpeg) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        rgb.save(&buffer, "JPG", 90);
        std::memset(frame.bits(0), 0, size_t(frame.mappedBytes(0)));
        std::memcpy(frame.bits(0), jpeg.constData(), size_t(std::min<qsizetype>(jpeg.size(), frame.mappedBytes(0))));
        frame.unmap();
        return frame;
    }
    const char *layout = pixelLayout(format);
    const size_t bytesPerPixel = std::strlen(layout);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *p = frame.bits(0) + qsizetype(y) * frame.bytesPerLine(0);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x];
            const int luma = qRound(0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c));
            const int values[] = {qRed(c), qGreen(c), qBlue(c), luma, 255, 128, 0};
            for (size_t i = 0; i < bytesPerPixel; ++i)
                *p++ = uchar(values[std::strchr(kLayoutLetters, layout[i]) - kLayoutLetters]);
        }
    }
    frame.unmap();
    return frame;
}
// A new frame with the same pixels: a video sink passes a frame on only when
// it is not the one it already holds, and a camera's frames are all new.
inline QVideoFrame copy(const QVideoFrame &original)
{
    QVideoFrame source = original;
    QVideoFrame out(source.surfaceFormat());
    if (!source.map(QVideoFrame::ReadOnly))
        return out;
    if (out.map(QVideoFrame::WriteOnly)) {
        for (int plane = 0; plane < out.planeCount(); ++plane)
            std::memcpy(out.bits(plane), source.bits(plane),
                        size_t(std::min(out.mappedBytes(plane), source.mappedBytes(plane))));
        out.unmap();
    }
    source.unmap();
    return out;
}
} // namespace FaceFrames
