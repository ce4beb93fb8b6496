#include "ui/ImageEffects.h"

#include <cmath>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

namespace {
// Where each channel of a premultiplied ARGB32 pixel lies in memory.
constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
constexpr int kBlue = kLittleEndian ? 0 : 3, kGreen = kLittleEndian ? 1 : 2, kRed = kLittleEndian ? 2 : 1,
              kAlpha = kLittleEndian ? 3 : 0;

// The picture's pixels as a four-channel OpenCV matrix, without a copy.
cv::Mat pixelsOf(QImage &image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC4, image.bits(), size_t(image.bytesPerLine()));
}
const cv::Mat pixelsOf(const QImage &image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC4, const_cast<uchar *>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

// The picture as premultiplied ARGB32 to read from. RGB32 lies in memory as
// opaque premultiplied ARGB32, so it is read as it is.
QImage readable(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// `passes` box passes of `from`, the last into `last`, the others alternating
// with `other`, allocated once per size: a fresh picture costs more in first
// writes to its memory than a pass. Each pass sums across the rows and down
// the columns before it rounds to 8 bits: half the passes over the picture of
// rounding after each direction, and at most one level away from it.
void boxPasses(const cv::Mat &from, cv::Mat &last, cv::Mat &other, int width, int passes)
{
    last.create(from.size(), CV_8UC4);
    if (width < 2 || passes < 1) {
        from.copyTo(last);
        return;
    }
    other.create(from.size(), CV_8UC4);
    for (int pass = 0; pass < passes; ++pass) {
        const bool intoLast = (passes - 1 - pass) % 2 == 0;
        const cv::Mat input = pass == 0 ? from : intoLast ? other : last;
        cv::blur(input, intoLast ? last : other, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
    }
}

// Colour changes as affine maps of a pixel's channels in memory order (the
// fifth column adds a constant), for cv::transform, which rounds and clamps to 0..255.
using ColourMap = cv::Matx<float, 4, 5>;

ColourMap identity()
{
    ColourMap m = ColourMap::zeros();
    for (int c = 0; c < 4; ++c)
        m(c, c) = 1;
    return m;
}

// Entry [i][j] of `m` takes red, green, blue channel i to channel j; alpha stays.
ColourMap saturation(const ImageEffects::FixedPointMatrix &m)
{
    const int channel[3] = {kRed, kGreen, kBlue};
    ColourMap map = ColourMap::zeros();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            map(channel[j], channel[i]) = float(m[i][j]) / ImageEffects::kMatrixDivisor;
    map(kAlpha, kAlpha) = 1;
    return map;
}

// `tint` laid over premultiplied pixels: each channel c becomes c (1 - a) + a * tint's c.
ColourMap tintOver(const QColor &tint)
{
    const float a = tint.alpha() / 255.0f;
    ColourMap map = ColourMap::zeros();
    const std::pair<int, int> value[4]
        = {{kRed, tint.red()}, {kGreen, tint.green()}, {kBlue, tint.blue()}, {kAlpha, 255}};
    for (const auto &[c, v] : value) {
        map(c, c) = 1 - a;
        map(c, 4) = a * float(v);
    }
    return map;
}

// `first`, then `second`, as one map.
ColourMap then(const ColourMap &first, const ColourMap &second)
{
    cv::Matx<float, 5, 5> lower = cv::Matx<float, 5, 5>::zeros();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            lower(r, c) = first(r, c);
    lower(4, 4) = 1;
    return second * lower;
}

// `map` applied to every pixel of `from` into `to`, bands of rows in parallel
// (OpenCV runs one map on one thread).
void mapColours(const cv::Mat &from, cv::Mat &to, const ColourMap &map)
{
    to.create(from.size(), from.type());
    cv::parallel_for_(cv::Range(0, from.rows), [&](const cv::Range &rows) {
        cv::Mat band = to.rowRange(rows);
        cv::transform(from.rowRange(rows), band, map);
    });
}

// Premultiplied channels never exceed alpha.
void clampToAlpha(cv::Mat &pixels)
{
    cv::Mat alpha(pixels.size(), CV_8UC4);
    const int fromTo[] = {kAlpha, 0, kAlpha, 1, kAlpha, 2, kAlpha, 3};
    cv::mixChannels(&pixels, 1, &alpha, 1, fromTo, 4);
    cv::min(pixels, alpha, pixels);
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
    const QImage source = readable(image);
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    cv::Mat pixels = pixelsOf(out);
    mapColours(pixelsOf(source), pixels, saturation(m));
    if (image.hasAlphaChannel())
        clampToAlpha(pixels);
    return out;
}

QImage ImageEffects::boxBlur(const QImage &image, int width, int passes)
{
    const QImage source = readable(image);
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    thread_local cv::Mat scratch;
    cv::Mat result = pixelsOf(out);
    boxPasses(pixelsOf(source), result, scratch, width, passes);
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

QImage ImageEffects::applyBlur(const QImage &image, qreal radius, const QColor &tint, qreal saturationDeltaFactor,
                               qreal scale)
{
    const QImage source = readable(image);
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    // The passes end in `blurred`; the colour maps write into the picture
    // (OpenCV would copy a picture it maps onto itself).
    thread_local cv::Mat blurred;
    cv::Mat result = pixelsOf(out);
    boxPasses(pixelsOf(source), blurred, result, boxBlurWidth(radius, scale), 3);
    const ColourMap over = tint.alpha() > 0 ? tintOver(tint) : identity();
    if (saturationDeltaFactor == 1.0) {
        mapColours(blurred, result, over);
    } else if (!image.hasAlphaChannel()) {
        // Opaque: saturation and tint in one pass over the pixels.
        mapColours(blurred, result, then(saturation(fixedPointMatrix(saturationMatrix(saturationDeltaFactor))), over));
    } else {
        // Clamped to alpha before the tint is laid over.
        mapColours(blurred, result, saturation(fixedPointMatrix(saturationMatrix(saturationDeltaFactor))));
        clampToAlpha(result);
        if (tint.alpha() > 0) {
            mapColours(result, blurred, over);
            blurred.copyTo(result);
        }
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
