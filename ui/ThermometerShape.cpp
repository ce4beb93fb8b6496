#include "ui/ThermometerShape.h"

#include "ui/ColorHex.h"
#include "ui/Kit.h"

#include <QPainter>
#include <algorithm>

ThermometerShape::ThermometerShape(QQuickItem *parent) : QQuickPaintedItem(parent) { setAntialiasing(true); }

void ThermometerShape::setTopCornerRadius(qreal radius)
{
    radius_ = radius;
    update();
    Q_EMIT maskChanged();
}

QPainterPath ThermometerShape::thermometerPath(const QSizeF &size, qreal radius)
{
    const qreal r = std::clamp(radius, 0.0, std::min(size.width() / 2, size.height()));
    QPainterPath path;
    path.moveTo(0, size.height());
    path.lineTo(0, r);
    path.arcTo(QRectF(size.width() / 2 - r, 0, 2 * r, 2 * r), 180, -180);
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    return path;
}

void ThermometerShape::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(thermometerPath(size(), topCornerRadius()), colorWithHex(Kit::kBrandColor));
}

void ThermometerShape::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    update();
    if (radius_ < 0)
        Q_EMIT maskChanged();
}
