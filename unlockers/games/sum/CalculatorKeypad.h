#pragma once
#include <QList>
#include <QRandomGenerator>
#include <QString>

// Where the calculator's eleven keys sit: slots 0 to 5 make the first row,
// 6 to 9 the start of the second, slot 10 its wide right end. The ten digit
// keys get the first ten slots in shuffled order; the delete key (tag 10)
// always has the last.
namespace CalculatorKeypad {
inline constexpr int kKeyCount = 11;

// The slot of each key, index = key tag.
QList<int> keySlots(QRandomGenerator &random);
QString title(int tag); // "0" ... "9", "<--"
} // namespace CalculatorKeypad
