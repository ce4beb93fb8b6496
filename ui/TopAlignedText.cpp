#include "ui/TopAlignedText.h"

#include <QFontMetricsF>
#include <limits>

TopAlignedText::TopAlignedText(QQuickItem *parent) : QQuickItem(parent) { }

qreal TopAlignedText::measuredHeight(const QString &text, const QFont &font, qreal width)
{
    const QRectF bounds(0, 0, width, std::numeric_limits<int>::max());
    return QFontMetricsF(font).boundingRect(bounds, Qt::TextWordWrap, text).height();
}

void TopAlignedText::setText(const QString &text)
{
    // Origin and width stay; the height is in the item's own coordinates, so a
    // scale or rotation set on the label does not enter the measurement.
    setHeight(measuredHeight(text, font_, width()));
    text_ = text;
    Q_EMIT textChanged();
}

void TopAlignedText::setFont(const QFont &font)
{
    font_ = font;
    Q_EMIT fontChanged();
}

void TopAlignedText::setColor(const QColor &color)
{
    color_ = color;
    Q_EMIT colorChanged();
}
