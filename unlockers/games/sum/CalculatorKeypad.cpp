#include "unlockers/games/sum/CalculatorKeypad.h"

#include "ui/Shuffle.h"

#include <numeric>

QList<int> CalculatorKeypad::keySlots(QRandomGenerator &random)
{
    QList<int> digitSlots(kKeyCount - 1);
    std::iota(digitSlots.begin(), digitSlots.end(), 0);
    QList<int> result = shuffled(digitSlots, random);
    result.append(kKeyCount - 1);
    return result;
}

QString CalculatorKeypad::title(int tag) { return tag == kKeyCount - 1 ? QStringLiteral("<--") : QString::number(tag); }
