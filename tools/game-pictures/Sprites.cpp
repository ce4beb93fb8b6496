#include "Sprites.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace {
QPainter &antialiased(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    return p;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void paintStar(QPainter &p, QPointF centre, double outer, double inner)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    p.drawPath(star);
}
} // namespace

QImage Sprites::canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Sprites::paintPlanet(QPainter &p, QPointF centre, double size, QColor lit, QColor shadow, bool craters)
{
    const double r = size / 2;
    p.save();
    p.translate(centre);
    // Atmosphere glow.
    QRadialGradient glow(QPointF(0, 0), r * 1.12);
    glow.setColorAt(0.86, withAlpha(lit, 120));
    glow.setColorAt(1, withAlpha(lit, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), r * 1.12, r * 1.12);

    QPainterPath body;
    body.addEllipse(QPointF(0, 0), r, r);
    p.setClipPath(body);
    QRadialGradient surface(QPointF(-r * 0.35, -r * 0.4), r * 1.6);
    surface.setColorAt(0, lit.lighter(125));
    surface.setColorAt(0.55, lit);
    surface.setColorAt(1, shadow);
    p.setBrush(surface);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Bands and craters make the turning visible.
    QRandomGenerator random(7);
    for (int i = 0; i < 6; ++i) {
        const double y = -r + (i + 0.5) * size / 6 + random.bounded(r * 0.1);
        p.setBrush(withAlpha(i % 2 ? shadow : lit.lighter(115), 55));
        p.drawRoundedRect(QRectF(-r * 1.2, y, r * 2.4, r * (0.08 + random.bounded(0.1))), r * 0.05, r * 0.05);
    }
    if (craters) {
        for (int i = 0; i < 9; ++i) {
            const double angle = random.bounded(2 * M_PI), distance = random.bounded(r * 0.8);
            const QPointF at(std::cos(angle) * distance, std::sin(angle) * distance);
            const double cr = r * (0.06 + random.bounded(0.1));
            p.setBrush(withAlpha(shadow, 110));
            p.drawEllipse(at, cr, cr);
            p.setBrush(withAlpha(lit.lighter(140), 70));
            p.drawEllipse(at - QPointF(cr * 0.2, cr * 0.2), cr * 0.7, cr * 0.7);
        }
    }
    // Night side.
    QLinearGradient night(QPointF(-r, -r), QPointF(r, r));
    night.setColorAt(0.45, QColor(0, 0, 0, 0));
    night.setColorAt(1, QColor(0, 0, 20, 150));
    p.setBrush(night);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

void Sprites::paintAstronaut(QPainter &p, QPointF centre, double size, bool smiling)
{
    // Drawn in a 100 x 128 box, scaled to `size` high.
    const double s = size / 128;
    p.save();
    p.translate(centre);
    p.scale(s, s);
    p.translate(-50, -64);
    const QColor suit(240, 244, 248), seam(170, 185, 200);
    const QPen outline(seam, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    // Backpack, legs, arms, body.
    p.setBrush(QColor(200, 210, 222));
    p.drawRoundedRect(QRectF(20, 50, 60, 46), 10, 10);
    p.setBrush(suit);
    p.drawRoundedRect(QRectF(30, 92, 17, 32), 7, 7);
    p.drawRoundedRect(QRectF(53, 92, 17, 32), 7, 7);
    p.save();
    p.translate(22, 64);
    p.rotate(28);
    p.drawRoundedRect(QRectF(-8, -4, 16, 34), 7, 7);
    p.restore();
    p.save();
    p.translate(78, 64);
    p.rotate(-40);
    p.drawRoundedRect(QRectF(-8, -4, 16, 34), 7, 7);
    p.restore();
    p.drawRoundedRect(QRectF(26, 54, 48, 46), 14, 14);
    p.setBrush(Sprites::kBrand);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(40, 68, 20, 12), 3, 3);
    // Helmet and visor.
    p.setPen(outline);
    p.setBrush(suit);
    p.drawEllipse(QPointF(50, 34), 30, 30);
    QLinearGradient visor(QPointF(30, 20), QPointF(70, 50));
    visor.setColorAt(0, Sprites::kBrand.lighter(150));
    visor.setColorAt(1, QColor(10, 40, 70));
    p.setBrush(visor);
    p.setPen(QPen(QColor(120, 140, 160), 2));
    p.drawRoundedRect(QRectF(29, 20, 42, 30), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(35, 24, 10, 6));
    if (smiling) {
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(40, 28, 20, 14), 200 * 16, 140 * 16);
        p.drawPoint(QPointF(44, 31));
        p.drawPoint(QPointF(56, 31));
    }
    p.restore();
}

void Sprites::paintUfo(QPainter &p, QPointF centre, double size)
{
    const double w = size, h = size * 0.5;
    p.save();
    p.translate(centre);
    QLinearGradient beam(QPointF(0, 0), QPointF(0, h * 1.6));
    beam.setColorAt(0, QColor(180, 255, 200, 120));
    beam.setColorAt(1, QColor(180, 255, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    QPolygonF cone;
    cone << QPointF(-w * 0.14, h * 0.1) << QPointF(w * 0.14, h * 0.1) << QPointF(w * 0.34, h * 1.6)
         << QPointF(-w * 0.34, h * 1.6);
    p.drawPolygon(cone);
    QRadialGradient dome(QPointF(-w * 0.06, -h * 0.35), w * 0.25);
    dome.setColorAt(0, QColor(220, 255, 240));
    dome.setColorAt(1, QColor(60, 170, 150));
    p.setBrush(dome);
    p.drawEllipse(QPointF(0, -h * 0.12), w * 0.2, h * 0.36);
    QLinearGradient hull(QPointF(0, -h * 0.2), QPointF(0, h * 0.25));
    hull.setColorAt(0, QColor(215, 222, 232));
    hull.setColorAt(1, QColor(90, 100, 120));
    p.setBrush(hull);
    p.drawEllipse(QPointF(0, h * 0.05), w * 0.5, h * 0.2);
    p.setBrush(QColor(255, 220, 120));
    for (int i = -2; i <= 2; ++i)
        p.drawEllipse(QPointF(i * w * 0.16, h * 0.09), w * 0.025, w * 0.025);
    p.restore();
}

void Sprites::paintFlame(QPainter &p, QRectF box)
{
    QLinearGradient flame(QPointF(0, box.top()), QPointF(0, box.bottom()));
    flame.setColorAt(0, QColor(255, 230, 140));
    flame.setColorAt(0.5, QColor(255, 140, 60, 200));
    flame.setColorAt(1, QColor(255, 80, 40, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    QPainterPath tail;
    tail.moveTo(box.left(), box.top());
    tail.quadTo(box.center().x(), box.bottom() + box.height() * 0.2, box.right(), box.top());
    tail.closeSubpath();
    p.drawPath(tail);
    p.restore();
}

void Sprites::paintTolvek(QPainter &p, QPointF centre, double size, bool flame)
{
    // A round little creature on a flame, eyes up to the sky.
    const double r = size * 0.3;
    p.save();
    p.translate(centre);
    if (flame)
        paintFlame(p, QRectF(-r * 0.55, r * 0.6, r * 1.1, r * 2.0));
    p.setPen(Qt::NoPen);
    QRadialGradient body(QPointF(-r * 0.3, -r * 0.4), r * 1.5);
    body.setColorAt(0, Sprites::kBrand.lighter(160));
    body.setColorAt(1, Sprites::kBrand.darker(150));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), r, r * 1.1);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-r * 0.35, -r * 0.3), r * 0.26, r * 0.3);
    p.drawEllipse(QPointF(r * 0.35, -r * 0.3), r * 0.26, r * 0.3);
    p.setBrush(QColor(20, 30, 50));
    p.drawEllipse(QPointF(-r * 0.32, -r * 0.4), r * 0.12, r * 0.14);
    p.drawEllipse(QPointF(r * 0.38, -r * 0.4), r * 0.12, r * 0.14);
    p.setPen(QPen(Qt::white, r * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-r * 0.3, -r * 1.05), QPointF(-r * 0.5, -r * 1.45));
    p.drawLine(QPointF(r * 0.3, -r * 1.05), QPointF(r * 0.5, -r * 1.45));
    p.restore();
}

void Sprites::paintSymbolOrbit(QPainter &p, QPointF centre, double size)
{
    const double r = size / 2;
    p.save();
    p.translate(centre);
    p.setPen(QPen(QColor(255, 255, 255, 90), r * 0.02, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.82, r * 0.82);
    p.setPen(QPen(withAlpha(Sprites::kBrand, 160), r * 0.025));
    p.drawEllipse(QPointF(0, 0), r * 0.55, r * 0.55);
    QRadialGradient core(QPointF(-r * 0.1, -r * 0.12), r * 0.42);
    core.setColorAt(0, QColor(255, 255, 255));
    core.setColorAt(0.5, Sprites::kBrand.lighter(130));
    core.setColorAt(1, Sprites::kBrand.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(QPointF(0, 0), r * 0.34, r * 0.34);
    QFont font(QStringLiteral("Open Sans"));
    font.setPixelSize(int(r * 0.26));
    font.setWeight(QFont::Light);
    p.setFont(font);
    const QStringList symbols{QStringLiteral("+"), QStringLiteral("−"), QStringLiteral("×"), QStringLiteral("÷"),
                              QStringLiteral("="), QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("9")};
    for (int i = 0; i < symbols.size(); ++i) {
        const double angle = i * 2 * M_PI / symbols.size() - M_PI / 2;
        const QPointF at(std::cos(angle) * r * 0.82, std::sin(angle) * r * 0.82);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(10, 30, 50, 200));
        p.drawEllipse(at, r * 0.14, r * 0.14);
        p.setPen(i % 2 ? Qt::white : Sprites::kBrand.lighter(140));
        p.drawText(QRectF(at.x() - r * 0.14, at.y() - r * 0.16, r * 0.28, r * 0.3), Qt::AlignCenter, symbols[i]);
    }
    p.restore();
}

void Sprites::paintExclamation(QPainter &p, QRectF box, QColor colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double w = box.width() * 0.34;
    QPainterPath bar;
    bar.moveTo(box.center().x() - w / 2, box.top());
    bar.lineTo(box.center().x() + w / 2, box.top());
    bar.lineTo(box.center().x() + w * 0.3, box.top() + box.height() * 0.66);
    bar.lineTo(box.center().x() - w * 0.3, box.top() + box.height() * 0.66);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(box.center().x(), box.bottom() - w * 0.55), w * 0.55, w * 0.55);
    p.restore();
}

QImage Sprites::planet()
{
    QImage image = canvas(440, 440);
    QPainter p(&image);
    paintPlanet(antialiased(p), QPointF(220, 220), 396, QColor(236, 150, 96), QColor(70, 24, 40), true);
    return image;
}

QImage Sprites::astronaut()
{
    QImage image = canvas(132, 168);
    QPainter p(&image);
    paintAstronaut(antialiased(p), QPointF(66, 84), 164, false);
    return image;
}

QImage Sprites::speechExclamation()
{
    QImage image = canvas(32, 60);
    QPainter p(&image);
    paintExclamation(antialiased(p), QRectF(4, 4, 24, 52), QColor(255, 214, 90));
    return image;
}

QImage Sprites::centreIllustration()
{
    QImage image = canvas(180, 180);
    QPainter p(&image);
    paintSymbolOrbit(antialiased(p), QPointF(90, 90), 176);
    return image;
}

QImage Sprites::noticeMark()
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawEllipse(QRectF(1, 1, 22, 22));
    paintExclamation(p, QRectF(8, 5, 8, 14), Qt::white);
    return image;
}

QImage Sprites::backArrow()
{
    QImage image = canvas(24, 40);
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(18, 6), QPointF(5, 20), QPointF(18, 34)});
    return image;
}

QImage Sprites::levelMark(bool green)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(green ? QColor(0x5C, 0xD1, 0x7A) : QColor(0x89, 0x89, 0x89));
    paintStar(p, QPointF(8, 8.6), 7.8, 3.4);
    return image;
}

QImage Sprites::useButton(bool inUse)
{
    QImage image = canvas(164, 80);
    QPainter p(&image);
    antialiased(p);
    const QRectF pill(3, 3, 158, 74);
    if (inUse) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBrand);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        p.setBrush(QColor(255, 255, 255, 30));
    }
    p.drawRoundedRect(pill, 37, 37);
    return image;
}

QImage Sprites::cellIcon(int kind)
{
    QImage image = canvas(60, 60);
    QPainter p(&image);
    antialiased(p);
    const QPointF centre(30, 30);
    switch (kind) {
    case 1: {
        p.setPen(QPen(kBrand, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(14, 8, 32, 44), 5, 5);
        p.drawRect(QRectF(19, 13, 22, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(kBrand);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QPointF(22 + col * 8, 29 + row * 8), 2.4, 2.4);
        break;
    }
    case 2:
        paintTolvek(p, QPointF(30, 24), 56);
        break;
    case 3:
        paintUfo(p, QPointF(30, 24), 54);
        break;
    case 4:
        paintAstronaut(p, centre, 56, true);
        break;
    default:
        paintPlanet(p, centre, 44, QColor(236, 150, 96), QColor(70, 24, 40), true);
        break;
    }
    return image;
}

QImage Sprites::visorAstronaut(int legs)
{
    constexpr QRectF kVisor(64, 124, 352, 288);
    QImage image = canvas(480, 680 + legs);
    QPainter p(&image);
    antialiased(p);
    const QColor suit(240, 244, 248), seam(170, 185, 200);
    p.setPen(QPen(seam, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Body, arms and legs below the helmet.
    p.setBrush(QColor(200, 210, 222));
    p.drawRoundedRect(QRectF(70, 400, 340, 180), 40, 40);
    p.setBrush(suit);
    p.drawRoundedRect(QRectF(150, 540, 80, 130 + legs), 30, 30);
    p.drawRoundedRect(QRectF(250, 540, 80, 130 + legs), 30, 30);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(240 + side * 170, 470);
        p.rotate(side * -24);
        p.drawRoundedRect(QRectF(-34, -20, 68, 170), 30, 30);
        p.restore();
    }
    p.drawRoundedRect(QRectF(110, 420, 260, 200), 60, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawRoundedRect(QRectF(200, 480, 80, 44), 8, 8);
    // Helmet shell, round enough to look round and wide enough to hide the
    // corners of the camera picture behind the visor; then the visor cut out.
    p.setPen(QPen(seam, 6));
    p.setBrush(suit);
    p.drawRoundedRect(QRectF(8, 30, 464, 440), 140, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QRectF(80, 50, 120, 50));
    QPainterPath visor;
    visor.addRoundedRect(kVisor, kVisor.height() / 2, kVisor.height() / 2);
    p.setPen(QPen(QColor(120, 140, 160), 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(visor);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(visor, Qt::transparent);
    return image;
}

QImage Sprites::visorMouth()
{
    QImage image = canvas(120, 60);
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, -40, 100, 90), 200 * 16, 140 * 16);
    return image;
}

QImage Sprites::ufo()
{
    QImage image = canvas(128, 144); // room for the fading beam
    QPainter p(&image);
    paintUfo(antialiased(p), QPointF(64, 40), 124);
    return image;
}

QImage Sprites::launchCraft()
{
    // The creature in its launch ring, 60 x 84 points.
    QImage image = canvas(120, 168);
    QPainter p(&image);
    antialiased(p);
    p.setPen(QPen(QColor(220, 228, 238), 5));
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(QPointF(60, 92), 54, 54);
    p.setPen(QPen(QColor(150, 165, 185), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 134), QPointF(14, 164));
    p.drawLine(QPointF(94, 134), QPointF(106, 164));
    paintTolvek(p, QPointF(60, 96), 150, false);
    return image;
}

QImage Sprites::launchFlame()
{
    QImage image = canvas(48, 96);
    QPainter p(&image);
    paintFlame(antialiased(p), QRectF(4, 0, 40, 80));
    return image;
}

QImage Sprites::launchPad()
{
    // A platform with a service tower, 120 x 60 points.
    QImage image = canvas(240, 120);
    QPainter p(&image);
    antialiased(p);
    QLinearGradient metal(QPointF(0, 70), QPointF(0, 120));
    metal.setColorAt(0, QColor(170, 180, 196));
    metal.setColorAt(1, QColor(60, 66, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    QPolygonF deck;
    deck << QPointF(20, 78) << QPointF(220, 78) << QPointF(236, 118) << QPointF(4, 118);
    p.drawPolygon(deck);
    p.setBrush(kBrand);
    p.drawRect(QRectF(20, 74, 200, 6));
    p.setPen(QPen(QColor(200, 208, 220), 4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(206, 74), QPointF(206, 4));
    p.drawLine(QPointF(226, 74), QPointF(226, 4));
    for (int y = 10; y < 74; y += 16) {
        p.drawLine(QPointF(206, y), QPointF(226, y + 14));
        p.drawLine(QPointF(226, y), QPointF(206, y + 14));
    }
    return image;
}

QImage Sprites::gaugeGlass()
{
    // 36 x 250 points: a tube full of orange fuel standing on a bulb. The
    // game's brand-coloured column (20.5 x 215 points, 7.75 from the left and
    // 8 from the top) covers the part of the fuel not yet filled.
    QImage image = canvas(72, 500);
    QPainter p(&image);
    antialiased(p);
    const QColor fuel(255, 150, 50);
    p.setPen(QPen(QColor(255, 255, 255, 210), 4));
    p.setBrush(QColor(255, 255, 255, 36));
    QPainterPath tube;
    tube.addRoundedRect(QRectF(6, 4, 60, 440), 30, 30);
    tube.addEllipse(QPointF(36, 452), 34, 34);
    p.drawPath(tube.simplified());
    p.setPen(Qt::NoPen);
    QLinearGradient level(QPointF(0, 16), QPointF(0, 480));
    level.setColorAt(0, fuel.lighter(120));
    level.setColorAt(1, fuel.darker(130));
    p.setBrush(level);
    p.drawRoundedRect(QRectF(15.5, 16, 41, 440), 20.5, 20.5);
    p.drawEllipse(QPointF(36, 452), 27, 27);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    for (int i = 0; i <= 10; ++i) {
        const double y = 446 - i * 36.0;
        p.drawLine(QPointF(66, y), QPointF(i % 5 ? 60 : 56, y));
    }
    return image;
}

QImage Sprites::gaugeMarker()
{
    QImage image = canvas(32, 24);
    QPainter p(&image);
    antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(2, 12), QPointF(30, 2), QPointF(30, 22)});
    return image;
}

QImage Sprites::greenPlanet()
{
    QImage image = canvas(320, 320);
    QPainter p(&image);
    paintPlanet(antialiased(p), QPointF(160, 160), 286, QColor(110, 200, 130), QColor(10, 40, 30), true);
    return image;
}

QImage Sprites::pushedUfo()
{
    QImage image = canvas(140, 96);
    QPainter p(&image);
    paintUfo(antialiased(p), QPointF(70, 30), 136);
    return image;
}
