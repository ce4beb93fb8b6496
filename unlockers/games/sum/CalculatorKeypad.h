#pragma once
#include <QList>
#include <QRandomGenerator>
#include <QRectF>

// Where the calculator's eleven keys sit, index = key tag: the ten digit keys
// on shuffled places of two rows (six, then four), the delete key always at
// the right end of the second row.
namespace CalculatorKeypad {
inline constexpr int kKeyCount = 11;
inline constexpr qreal kBaseLine = 390, kTallBaseLine = 450; // y of the first row, points
inline constexpr qreal kKeySize = 40, kRowGap = 45, kDeleteWidth = 90;

QList<QRectF> layout(bool tall, QRandomGenerator &random);
QString title(int tag); // "0" ... "9", "<--"
} // namespace CalculatorKeypad
