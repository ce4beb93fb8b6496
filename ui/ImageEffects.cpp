#include "ui/ImageEffects.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kChannels = 4;

inline int clampIndex(int i, int size) { return std::clamp(i, 0, size - 1); }

// The rounded mean of a box, sum / width + 0.5 floored, through a 32-bit
// fixed-point reciprocal: exact for 8-bit sums while the width is below 4096.
struct BoxDivider
{
    explicit BoxDivider(int width) : half(quint32(width) / 2), reciprocal((quint64(1) << 32) / quint32(width) + 1) { }
    quint8 operator()(quint32 sum) const { return quint8((quint64(sum + half) * reciprocal) >> 32); }
    quint32 half;
    quint64 reciprocal;
};

void horizontalPass(const quint8 *in, quint8 *out, int width, int box, const BoxDivider &divide)
{
    const int half = box / 2;
    quint32 sum[kChannels] = {};
    for (int k = -half; k <= half; ++k)
        for (int c = 0; c < kChannels; ++c)
            sum[c] += in[clampIndex(k, width) * kChannels + c];
    for (int x = 0; x < width; ++x) {
        const quint8 *enter = in + clampIndex(x + half + 1, width) * kChannels;
        const quint8 *leave = in + clampIndex(x - half, width) * kChannels;
        for (int c = 0; c < kChannels; ++c) {
            out[x * kChannels + c] = divide(sum[c]);
            sum[c] += enter[c] - leave[c];
        }
    }
}

void verticalPass(const QImage &in, QImage &out, int box, const BoxDivider &divide, std::vector<quint32> &sums)
{
    const int height = in.height(), values = in.width() * kChannels;
    const int half = box / 2;
    std::fill(sums.begin(), sums.end(), 0u);
    for (int k = -half; k <= half; ++k) {
        const quint8 *row = in.constScanLine(clampIndex(k, height));
        for (int i = 0; i < values; ++i)
            sums[i] += row[i];
    }
    for (int y = 0; y < height; ++y) {
        quint8 *target = out.scanLine(y);
        const quint8 *enter = in.constScanLine(clampIndex(y + half + 1, height));
        const quint8 *leave = in.constScanLine(clampIndex(y - half, height));
        for (int i = 0; i < values; ++i) {
            target[i] = divide(sums[i]);
            sums[i] += enter[i] - leave[i];
        }
    }
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
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int in[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            int result[3];
            for (int j = 0; j < 3; ++j) {
                const int sum = in[0] * m[0][j] + in[1] * m[1][j] + in[2] * m[2][j];
                // Premultiplied channels never exceed alpha.
                result[j] = std::clamp((sum + kMatrixDivisor / 2) / kMatrixDivisor, 0, qAlpha(line[x]));
            }
            line[x] = qRgba(result[0], result[1], result[2], qAlpha(line[x]));
        }
    }
    return out;
}

QImage ImageEffects::boxBlur(const QImage &image, int width, int passes)
{
    QImage a = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (width < 2 || a.isNull())
        return a;
    const BoxDivider divide(width);
    std::vector<quint8> row(size_t(a.width()) * kChannels);
    for (int y = 0; y < a.height(); ++y) {
        quint8 *line = a.scanLine(y);
        for (int pass = 0; pass < passes; ++pass) {
            horizontalPass(line, row.data(), a.width(), width, divide);
            std::copy(row.begin(), row.end(), line);
        }
    }
    QImage b(a.size(), a.format());
    std::vector<quint32> sums(size_t(a.width()) * kChannels);
    for (int pass = 0; pass < passes; ++pass) {
        verticalPass(a, b, width, divide, sums);
        std::swap(a, b);
    }
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
    QImage out = image.convertToFormat(QImage::Format_Grayscale8);
    out.setDevicePixelRatio(image.devicePixelRatio());
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
