#include "unlockers/games/sum/CalculatorKeypad.h"

#include "ui/Shuffle.h"

QList<QRectF> CalculatorKeypad::layout(bool tall, QRandomGenerator &random)
{
    const qreal y0 = tall ? kTallBaseLine : kBaseLine;
    QList<QRectF> places;
    for (qreal x : {20, 70, 120, 170, 220, 270})
        places.append({x, y0, kKeySize, kKeySize});
    for (qreal x : {20, 70, 120, 170})
        places.append({x, y0 + kRowGap, kKeySize, kKeySize});
    places = shuffled(places, random);
    places.append({220, y0 + kRowGap, kDeleteWidth, kKeySize});
    return places;
}

QString CalculatorKeypad::title(int tag)
{
    return tag == kKeyCount - 1 ? QStringLiteral("<--") : QString::number(tag);
}
