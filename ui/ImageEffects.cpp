#include "ui/ImageEffects.h"

#include <QPainter>
#include <QThreadPool>
#include <QtConcurrent>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kChannels = 4;
constexpr int kBands = 4; // work split across the thread pool

inline int clampIndex(int i, int size) { return std::clamp(i, 0, size - 1); }

// The bands run on a pool of their own: a blur started from a task of the
// global pool then never waits for threads that its own caller occupies.
QThreadPool &bandPool()
{
    static QThreadPool *pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(QThread::idealThreadCount());
        return made;
    }();
    return *pool;
}

// The rounded mean of a box, (sum + width / 2) / width floored, through a
// fixed-point reciprocal 2^24 / width rounded up: exact in 32 bits for 8-bit
// sums while the width is below 256, since the error stays below 1 / width.
// Wider boxes take the 64-bit form (2^32 reciprocal, exact below 4096).
struct NarrowDivider
{
    using Sum = quint32;
    static constexpr int kShift = 24;
    explicit NarrowDivider(int width) : half(quint32(width) / 2), reciprocal(((1u << kShift) + width - 1) / width) { }
    quint8 operator()(quint32 sum) const { return quint8(((sum + half) * reciprocal) >> kShift); }
    quint32 half, reciprocal;
};
struct WideDivider
{
    using Sum = quint32;
    explicit WideDivider(int width) : half(quint32(width) / 2), reciprocal((quint64(1) << 32) / quint32(width) + 1) { }
    quint8 operator()(quint32 sum) const { return quint8((quint64(sum + half) * reciprocal) >> 32); }
    quint32 half;
    quint64 reciprocal;
};

// For boxes up to 127 wide the sums fit 16 bits and the rounded mean is the
// high half of a 16-bit product, shifted: twice the values per vector step.
// Exact when (largest numerator) * width < 2^(16 + shift), checked by fits().
struct ShortDivider
{
    using Sum = quint16;
    explicit ShortDivider(int width) : half(quint16(width / 2)), shift(shiftFor(width))
    {
        reciprocal = quint16(((1u << (16 + shift)) + width - 1) / width);
    }
    static int shiftFor(int width)
    {
        int shift = 0;
        while ((2 << shift) < width)
            ++shift;
        return shift;
    }
    static bool fits(int width)
    {
        const quint64 largest = 255u * quint64(width) + quint64(width) / 2;
        return largest < 65536 && largest * quint64(width) < (quint64(1) << (16 + shiftFor(width)));
    }
    quint8 operator()(quint16 sum) const
    {
        return quint8(quint16((quint32(quint16(sum + half)) * reciprocal) >> 16) >> shift);
    }
    quint16 half;
    int shift;
    quint16 reciprocal;
};

// One box pass down the columns [from, to) of byte values, edges extended;
// the inner loops run along rows, so they vectorise.
struct Plane
{
    const quint8 *source;
    quint8 *destination;
    qsizetype stride;
    int height;
};

template<typename Divider>
void verticalPass(const Plane &plane, int box, const Divider &divide, int from, int to)
{
    const int height = plane.height, half = box / 2, count = to - from;
    using Sum = typename Divider::Sum;
    std::vector<Sum> sumStore(size_t(count), Sum(0));
    Sum *__restrict sums = sumStore.data();
    const qsizetype stride = plane.stride;
    const quint8 *source = plane.source + from;
    quint8 *destination = plane.destination + from;
    for (int k = -half; k <= half; ++k) {
        const quint8 *__restrict row = source + clampIndex(k, height) * stride;
        for (int i = 0; i < count; ++i)
            sums[i] += row[i];
    }
    for (int y = 0; y < height; ++y) {
        quint8 *__restrict target = destination + y * stride;
        const quint8 *__restrict enter = source + clampIndex(y + half + 1, height) * stride;
        const quint8 *__restrict leave = source + clampIndex(y - half, height) * stride;
        for (int i = 0; i < count; ++i) {
            target[i] = divide(sums[i]);
            sums[i] += Sum(Sum(enter[i]) - Sum(leave[i]));
        }
    }
}

// `passes` vertical box passes, the columns split into bands run in parallel.
template<typename Divider>
QImage verticalPasses(QImage image, int box, int passes)
{
    const Divider divide(box);
    const int values = image.width() * kChannels;
    QList<QPair<int, int>> bands;
    for (int b = 0; b < kBands; ++b) {
        // Band edges on 64-byte boundaries keep the bands off each other's cache lines.
        const int from = (values * b / kBands) & ~63, to = b + 1 == kBands ? values : (values * (b + 1) / kBands) & ~63;
        if (to > from)
            bands.append({from, to});
    }
    QImage other(image.size(), image.format());
    for (int pass = 0; pass < passes; ++pass) {
        // The pixel pointers are taken here, once: detaching a shared picture
        // from several bands at once would give each band its own copy.
        const Plane plane{image.constBits(), other.bits(), image.bytesPerLine(), image.height()};
        QtConcurrent::blockingMap(&bandPool(), bands, [&](const QPair<int, int> &band) {
            verticalPass(plane, box, divide, band.first, band.second);
        });
        std::swap(image, other);
    }
    return image;
}

// Mirrors the picture at its diagonal, in tiles that stay in the cache.
QImage transposed(const QImage &image)
{
    constexpr int kTile = 32;
    QImage out(image.height(), image.width(), image.format());
    const auto *source = reinterpret_cast<const quint32 *>(image.constBits());
    auto *target = reinterpret_cast<quint32 *>(out.bits());
    const qsizetype sourceStride = image.bytesPerLine() / 4, targetStride = out.bytesPerLine() / 4;
    for (int y0 = 0; y0 < image.height(); y0 += kTile)
        for (int x0 = 0; x0 < image.width(); x0 += kTile)
            for (int y = y0; y < std::min(y0 + kTile, image.height()); ++y)
                for (int x = x0; x < std::min(x0 + kTile, image.width()); ++x)
                    target[x * targetStride + y] = source[y * sourceStride + x];
    return out;
}

template<typename Divider>
QImage boxPasses(const QImage &image, int box, int passes)
{
    // Rows are blurred as the columns of the transposed picture.
    const QImage across = transposed(verticalPasses<Divider>(transposed(image), box, passes));
    return verticalPasses<Divider>(across, box, passes);
}
} // namespace

int ImageEffects::boxBlurWidth(qreal radius, qreal scale)
{
    const int width = int(std::floor(radius * scale * 3.0 * std::sqrt(2.0 * M_PI) / 4.0 + 0.5));
    if (width < 1)
        return 0;
    return width % 2 == 0 ? width + 1 : width;
}

ImageEffects::SaturationMatrix ImageEffects::saturationMatrix(qreal s)
{
    const qreal k[3] = {0.2126, 0.7152, 0.0722};
    SaturationMatrix m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = k[i] - k[i] * s + (i == j ? s : 0.0);
    m[0][0] = 0.2126 + 0.7873 * s;
    return m;
}

ImageEffects::FixedPointMatrix ImageEffects::fixedPointMatrix(const SaturationMatrix &matrix)
{
    FixedPointMatrix fixed;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            fixed[i][j] = int(std::lround(matrix[i][j] * kMatrixDivisor));
    return fixed;
}

QImage ImageEffects::applySaturation(const QImage &image, const FixedPointMatrix &m)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QList<QPair<int, int>> bands;
    for (int b = 0; b < kBands; ++b)
        bands.append({out.height() * b / kBands, out.height() * (b + 1) / kBands});
    // Detached here, once, before the bands write into it.
    uchar *pixels = out.bits();
    const qsizetype stride = out.bytesPerLine();
    QtConcurrent::blockingMap(&bandPool(), bands, [&](const QPair<int, int> &band) {
        for (int y = band.first; y < band.second; ++y) {
            auto *line = reinterpret_cast<QRgb *>(pixels + y * stride);
            for (int x = 0; x < out.width(); ++x) {
                const int in[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
                const int alpha = qAlpha(line[x]);
                int result[3];
                for (int j = 0; j < 3; ++j) {
                    const int sum = in[0] * m[0][j] + in[1] * m[1][j] + in[2] * m[2][j];
                    // Premultiplied channels never exceed alpha.
                    result[j] = std::clamp((sum + kMatrixDivisor / 2) / kMatrixDivisor, 0, alpha);
                }
                line[x] = qRgba(result[0], result[1], result[2], alpha);
            }
        }
    });
    return out;
}

QImage ImageEffects::boxBlur(const QImage &image, int width, int passes)
{
    QImage a = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (width < 2 || a.isNull())
        return a;
    if (ShortDivider::fits(width))
        a = boxPasses<ShortDivider>(a, width, passes);
    else if (width < 256)
        a = boxPasses<NarrowDivider>(a, width, passes);
    else
        a = boxPasses<WideDivider>(a, width, passes);
    a.setDevicePixelRatio(image.devicePixelRatio());
    return a;
}

QImage ImageEffects::applyBlur(const QImage &image, qreal radius, const QColor &tint, qreal saturationDeltaFactor,
                               qreal scale)
{
    if (image.isNull())
        return {};
    QImage out = boxBlur(image, boxBlurWidth(radius, scale), 3);
    if (saturationDeltaFactor != 1.0)
        out = applySaturation(out, fixedPointMatrix(saturationMatrix(saturationDeltaFactor)));
    if (tint.alpha() > 0) {
        QPainter painter(&out);
        painter.fillRect(QRectF(QPointF(), out.deviceIndependentSize()), tint);
    }
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

QImage ImageEffects::applyLightEffect(const QImage &image, qreal scale)
{
    return applyBlur(image, 30, QColor(255, 255, 255, int(std::lround(0.3 * 255))), 1.8, scale);
}

QImage ImageEffects::greyscale(const QImage &image)
{
    if (!image.hasAlphaChannel()) {
        QImage out = image.convertToFormat(QImage::Format_Grayscale8);
        out.setDevicePixelRatio(image.devicePixelRatio());
        return out;
    }
    // A grey-only format would drop the transparency and put the picture on black.
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return out;
}

QImage ImageEffects::resized(const QImage &image, QSize size)
{
    QImage out = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

QImage ImageEffects::withRoundedCorners(const QImage &image, qreal radius)
{
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(QPointF(), QSizeF(image.size())), radius, radius);
    painter.setClipPath(clip);
    painter.drawImage(QPointF(), image);
    painter.end();
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}
