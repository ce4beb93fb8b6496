#pragma once
// Camera frames for the smile game's tests, made from the committed photos:
// the photo as a camera of a given size would see it, held at a given turn,
// in any pixel format a camera delivers.
#include <QBuffer>
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

inline uchar luma(QRgb rgb) { return uchar(qRound(0.299 * qRed(rgb) + 0.587 * qGreen(rgb) + 0.114 * qBlue(rgb))); }

// `picture` as a frame of `format`; chroma is neutral in the YUV formats.
inline QVideoFrame frame(const QImage &picture, Format format)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    QVideoFrame frame(QVideoFrameFormat(rgb.size(), format));
    if (!frame.map(QVideoFrame::WriteOnly))
        return frame;
    for (int plane = 1; plane < frame.planeCount(); ++plane)
        std::memset(frame.bits(plane), 128, size_t(frame.mappedBytes(plane)));
    uchar *bits = frame.bits(0);
    const int stride = frame.bytesPerLine(0);
    auto put = [&](int x, int y, std::initializer_list<int> bytes, int bytesPerPixel) {
        uchar *p = bits + qsizetype(y) * stride + qsizetype(x) * bytesPerPixel;
        for (int b : bytes)
            *p++ = uchar(b);
    };
    if (format == Format::Format_Jpeg) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        rgb.save(&buffer, "JPG", 90);
        std::memset(bits, 0, size_t(frame.mappedBytes(0)));
        std::memcpy(bits, jpeg.constData(), size_t(std::min<qsizetype>(jpeg.size(), frame.mappedBytes(0))));
        frame.unmap();
        return frame;
    }
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const int r = qRed(c), g = qGreen(c), b = qBlue(c), l = luma(c);
            switch (format) {
            case Format::Format_ARGB8888:
            case Format::Format_XRGB8888:
                put(x, y, {255, r, g, b}, 4);
                break;
            case Format::Format_BGRA8888:
            case Format::Format_BGRX8888:
                put(x, y, {b, g, r, 255}, 4);
                break;
            case Format::Format_ABGR8888:
            case Format::Format_XBGR8888:
                put(x, y, {255, b, g, r}, 4);
                break;
            case Format::Format_RGBA8888:
            case Format::Format_RGBX8888:
                put(x, y, {r, g, b, 255}, 4);
                break;
            case Format::Format_AYUV:
                put(x, y, {255, l, 128, 128}, 4);
                break;
            case Format::Format_YUYV:
                put(x, y, {l, 128}, 2);
                break;
            case Format::Format_UYVY:
                put(x, y, {128, l}, 2);
                break;
            case Format::Format_Y16:
            case Format::Format_P010:
            case Format::Format_P016:
                put(x, y, {0, l}, 2); // little-endian, luma in the high byte
                break;
            default: // formats whose first plane is 8-bit luma
                put(x, y, {l}, 1);
                break;
            }
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
