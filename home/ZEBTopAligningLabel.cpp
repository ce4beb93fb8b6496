#include "home/ZEBTopAligningLabel.h"

#include <QFontMetricsF>
#include <limits>

ZEBTopAligningLabel::ZEBTopAligningLabel(QQuickItem *parent) : QQuickItem(parent) { }

qreal ZEBTopAligningLabel::measuredHeight(const QString &text, const QFont &font, qreal width)
{
    const QRectF bounds(0, 0, width, std::numeric_limits<int>::max());
    return QFontMetricsF(font).boundingRect(bounds, Qt::TextWordWrap, text).height();
}

void ZEBTopAligningLabel::setText(const QString &text)
{
    // Origin and width stay; the height is in the item's own coordinates, so a
    // scale or rotation set on the label does not enter the measurement.
    setHeight(measuredHeight(text, font_, width()));
    text_ = text;
    Q_EMIT textChanged();
}

void ZEBTopAligningLabel::setFont(const QFont &font)
{
    font_ = font;
    Q_EMIT fontChanged();
}

void ZEBTopAligningLabel::setColor(const QColor &color)
{
    color_ = color;
    Q_EMIT colorChanged();
}
