#pragma once
#include <QColor>
#include <QImage>
#include <array>

// Picture effects of the UI kit. Everything works on the picture's pixels and
// may run on any thread.
namespace ImageEffects {

// Width of the box whose three passes approximate a Gaussian blur of `radius`
// points on a screen of `scale`: floor(r * scale * 3 * sqrt(2 pi) / 4 + 0.5),
// raised by one when even. 0 for radii too small to blur.
int boxBlurWidth(qreal radius, qreal scale);

// The colour matrix that multiplies saturation by `s`: entry [i][j] takes input
// channel i (red, green, blue) to output channel j; k - k * s, plus s on the
// diagonal, with luma weights k = 0.2126, 0.7152, 0.0722 (red diagonal written
// as 0.2126 + 0.7873 * s).
using SaturationMatrix = std::array<std::array<qreal, 3>, 3>;
SaturationMatrix saturationMatrix(qreal s);
// The same in fixed point with divisor 256, rounded to the nearest integer.
using FixedPointMatrix = std::array<std::array<int, 3>, 3>;
inline constexpr int kMatrixDivisor = 256;
FixedPointMatrix fixedPointMatrix(const SaturationMatrix &matrix);
QImage applySaturation(const QImage &image, const FixedPointMatrix &matrix);

// `passes` box passes of odd `width` across rows and down columns, edges
// extended; within one level of rounding after every pass in each direction.
QImage boxBlur(const QImage &image, int width, int passes = 1);

// The blur of the themed backgrounds: three box passes (close to a Gaussian of
// `radius` points), re-saturation when `saturationDeltaFactor` is not 1, then
// `tint` filled over the whole picture. The picture is taken at its pixel size,
// which for our @2x pictures is the screen's scale.
QImage applyBlur(const QImage &image, qreal radius, const QColor &tint, qreal saturationDeltaFactor, qreal scale);
// The light effect: radius 30, white at alpha 0.3, saturation 1.8.
QImage applyLightEffect(const QImage &image, qreal scale);

QImage greyscale(const QImage &image);

} // namespace ImageEffects
