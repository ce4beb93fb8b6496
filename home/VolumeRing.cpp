#include "home/VolumeRing.h"

#include "home/VolumeArc.h"
#include "ui/ColorHex.h"
#include "ui/Kit.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
double degrees(double radians) { return radians * 180 / M_PI; }

// The arc from angle `from` down to angle `to` (clockwise on screen, through the bottom).
QPainterPath arcPath(QPointF centre, double from, double to)
{
    const QRectF box(centre.x() - VolumeArc::kRadius, centre.y() - VolumeArc::kRadius, 2 * VolumeArc::kRadius,
                     2 * VolumeArc::kRadius);
    QPainterPath path;
    // QPainter counts angles counter-clockwise on screen: ours negated.
    path.arcMoveTo(box, -degrees(from));
    path.arcTo(box, -degrees(from), degrees(from - to));
    return path;
}
} // namespace

VolumeRing::VolumeRing(QQuickItem *parent) : QQuickPaintedItem(parent) { setAntialiasing(true); }

void VolumeRing::setVolume(qreal volume)
{
    if (qFuzzyCompare(volume_ + 1, volume + 1))
        return;
    volume_ = volume;
    Q_EMIT volumeChanged();
    Q_EMIT knobMoved();
    update();
}

qreal VolumeRing::knobX() const { return VolumeArc::knobPoint(centre(), volume_).x(); }
qreal VolumeRing::knobY() const { return VolumeArc::knobPoint(centre(), volume_).y(); }

qreal VolumeRing::volumeForX(qreal x) const { return VolumeArc::volumeForX(x, centre().x()); }

void VolumeRing::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    Q_EMIT knobMoved();
    update();
}

void VolumeRing::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    QPen pen(kRingColor, VolumeArc::kLineWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter->setPen(pen);
    painter->drawPath(arcPath(centre(), VolumeArc::startAngle(), VolumeArc::endAngle()));
    pen.setColor(colorWithHex(Kit::kBrandColor));
    painter->setPen(pen);
    painter->drawPath(arcPath(centre(), VolumeArc::startAngle(), VolumeArc::levelEndAngle(volume_)));
}
