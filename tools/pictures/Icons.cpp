#include "Icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const QColor kBrand(0x2B, 0xB4, 0xCB);

QImage transparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintRingedPlanet(QPainter &p, QPointF centre, double radius)
{
    p.save();
    p.translate(centre);
    p.rotate(-20);
    const QPen ring(kBrand, radius * 0.16, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-radius * 1.8, -radius * 0.5, radius * 3.6, radius), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    QRadialGradient body(QPointF(-radius * 0.3, -radius * 0.3), radius * 1.4);
    body.setColorAt(0, Qt::white);
    body.setColorAt(1, kBrand.darker(130));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setPen(ring);
    p.drawArc(QRectF(-radius * 1.8, -radius * 0.5, radius * 3.6, radius), 180 * 16, 180 * 16);
    p.restore();
}
} // namespace

QImage Icons::menuButton()
{
    QImage image = transparentCanvas(44, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(9, 13 + i * 9), QPointF(35, 13 + i * 9));
    return image;
}

QImage Icons::menuLogo()
{
    QImage image = transparentCanvas(360, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintRingedPlanet(p, QPointF(64, 60), 30);
    QFont font(QStringLiteral("Open Sans"), 44);
    font.setWeight(QFont::Light);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(130, 0, 230, 120), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tolvek"));
    return image;
}

QImage Icons::feedback()
{
    QImage image = transparentCanvas(72, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBrand, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 66, 66));
    const QRectF envelope(19, 24, 34, 24);
    p.drawRoundedRect(envelope, 3, 3);
    QPainterPath flap;
    flap.moveTo(envelope.topLeft() + QPointF(2, 2));
    flap.lineTo(envelope.center() + QPointF(0, 1));
    flap.lineTo(envelope.topRight() + QPointF(-2, 2));
    p.drawPath(flap);
    return image;
}

QImage Icons::currentMarker()
{
    QImage image = transparentCanvas(44, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawEllipse(QRectF(2, 2, 40, 40));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(12, 23);
    tick.lineTo(19, 30);
    tick.lineTo(32, 15);
    p.drawPath(tick);
    return image;
}

QImage Icons::shareIcon(const QImage &sceneBackdrop)
{
    QImage image
        = sceneBackdrop.copy(0, 300, 640, 640).scaled(512, 512, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintRingedPlanet(p, QPointF(256, 256), 110);
    return image.convertToFormat(QImage::Format_RGB32);
}
