#include "SpaceScene.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {

// Value noise on an integer lattice, smoothly interpolated; deterministic per seed.
class Noise
{
public:
    explicit Noise(quint32 seed) : seed_(seed) { }

    double at(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = int(fx), iy = int(fy);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
        const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
        return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
    }

    // Fractal sum of octaves, roughly in 0..1.
    double fbm(double x, double y, int octaves = 5) const
    {
        double sum = 0, amplitude = 0.5, norm = 0;
        for (int i = 0; i < octaves; ++i) {
            sum += amplitude * at(x, y);
            norm += amplitude;
            x = x * 2.03 + 17.1;
            y = y * 2.03 - 9.7;
            amplitude *= 0.5;
        }
        return sum / norm;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double lattice(int x, int y) const
    {
        quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + seed_ * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        h ^= h >> 16;
        return (h & 0xffffff) / double(0xffffff);
    }
    quint32 seed_;
};

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Sky gradient plus clouds (and the galaxy's arms), computed per pixel.
void paintSkyAndClouds(QImage &image, const SceneSpec &spec)
{
    const Noise shape(spec.seed), tint(spec.seed + 101), warp(spec.seed + 202);
    const double scale = 1.0 / (spec.nebulaScale * SpaceScene::kWidth);
    const QPointF galaxyCentre(0.5 * image.width(), 0.42 * image.height());
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const QColor sky = mix(spec.skyTop, spec.skyBottom, double(y) / image.height());
        for (int x = 0; x < image.width(); ++x) {
            double r = sky.redF(), g = sky.greenF(), b = sky.blueF();
            const double nx = x * scale, ny = y * scale;
            const double wx = nx + 1.6 * warp.fbm(nx * 0.7, ny * 0.7, 3);
            const double wy = ny + 1.6 * warp.fbm(nx * 0.7 + 5.2, ny * 0.7 + 1.3, 3);
            double density = clamp01((shape.fbm(wx, wy) - 0.42) * 2.4) * spec.nebulaAmount;
            if (spec.galaxy) {
                const double dx = (x - galaxyCentre.x()) / 250.0, dy = (y - galaxyCentre.y()) / 120.0;
                const double radius = std::hypot(dx, dy);
                const double angle = std::atan2(dy, dx);
                const double arms = 0.5 + 0.5 * std::cos(2 * angle - 5.5 * std::log(radius + 0.08));
                const double falloff = std::exp(-radius * 1.7);
                density = std::max(density, clamp01(arms * falloff * 1.4 * (0.6 + 0.8 * shape.fbm(nx * 3, ny * 3))));
                const double core = std::exp(-radius * radius * 30);
                r += core * 0.9, g += core * 0.8, b += core * 0.6;
            }
            if (!spec.nebula.isEmpty() && density > 0) {
                const int last = int(spec.nebula.size()) - 1;
                const double t = clamp01(tint.fbm(nx * 0.5, ny * 0.5, 3) * 1.6 - 0.3) * last;
                const int i = std::min(int(t), std::max(last - 1, 0));
                const QColor c = last == 0 ? spec.nebula.first() : mix(spec.nebula[i], spec.nebula[i + 1], t - i);
                r += c.redF() * density, g += c.greenF() * density, b += c.blueF() * density;
            }
            const double keep = 1.0 - spec.darken;
            line[x] = qRgb(int(clamp01(r * keep) * 255), int(clamp01(g * keep) * 255), int(clamp01(b * keep) * 255));
        }
    }
}

void paintStars(QPainter &p, const SceneSpec &spec, QSize size)
{
    QRandomGenerator random(spec.seed + 303);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < spec.stars; ++i) {
        const QPointF at(random.bounded(size.width()) + random.generateDouble(),
                         random.bounded(size.height()) + random.generateDouble());
        const double brightness = std::pow(random.generateDouble(), 2.2);
        const double radius = 0.5 + brightness * 1.3;
        QColor c = QColor::fromHsvF(random.generateDouble() < 0.5 ? 0.6 : 0.1, 0.15 * random.generateDouble(), 1.0);
        c.setAlphaF(0.35 + 0.65 * brightness);
        p.setBrush(c);
        p.drawEllipse(at, radius, radius);
    }
    for (int i = 0; i < spec.brightStars; ++i) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        const double glow = 8 + random.bounded(18);
        QRadialGradient halo(at, glow);
        halo.setColorAt(0, QColor(255, 255, 255, 230));
        halo.setColorAt(0.15, QColor(200, 225, 255, 120));
        halo.setColorAt(1, QColor(120, 160, 255, 0));
        p.setBrush(halo);
        p.drawEllipse(at, glow, glow);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(at - QPointF(glow * 1.6, 0), at + QPointF(glow * 1.6, 0));
        p.drawLine(at - QPointF(0, glow * 1.6), at + QPointF(0, glow * 1.6));
        p.setPen(Qt::NoPen);
    }
}

void paintRing(QPainter &p, const QPointF &centre, double radius, bool frontHalf)
{
    p.save();
    p.translate(centre);
    p.rotate(-18);
    p.setClipRect(frontHalf ? QRectF(-3 * radius, 0, 6 * radius, 3 * radius)
                            : QRectF(-3 * radius, -3 * radius, 6 * radius, 3 * radius));
    for (int band = 0; band < 5; ++band) {
        const double rx = radius * (1.45 + band * 0.13), ry = rx * 0.28;
        p.setPen(QPen(QColor(230, 210, 170, 120 - band * 18), radius * 0.07));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), rx, ry);
    }
    p.restore();
}

void paintPlanet(QPainter &p, const Planet &planet, QSize size)
{
    const QPointF c(planet.centre.x() * size.width(), planet.centre.y() * size.height());
    const double r = planet.radius * size.width();
    if (planet.atmosphere.alpha() > 0) {
        QRadialGradient glow(c, r * 1.25);
        QColor edge = planet.atmosphere;
        edge.setAlpha(0);
        glow.setColorAt(0.78, planet.atmosphere);
        glow.setColorAt(1, edge);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, r * 1.25, r * 1.25);
    }
    if (planet.ring)
        paintRing(p, c, r, false);

    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.save();
    p.setClipPath(disc);
    QRadialGradient surface(c + QPointF(-0.35 * r, -0.4 * r), r * 1.5);
    surface.setColorAt(0, planet.lit);
    surface.setColorAt(1, planet.shadow);
    p.fillPath(disc, surface);
    if (planet.bandiness > 0) {
        const Noise bands(quint32(r * 7));
        for (int i = 0; i < 24; ++i) {
            const double y = c.y() - r + (2 * r) * i / 24.0;
            QColor band = i % 2 ? planet.lit.lighter(115) : planet.shadow.darker(110);
            band.setAlphaF(planet.bandiness * (0.2 + 0.3 * bands.at(i * 0.7, 3.3)));
            p.fillRect(QRectF(c.x() - r, y, 2 * r, 2 * r / 24.0 + 1), band);
        }
    }
    // Night side: a soft shadow from the lower right.
    QRadialGradient night(c + QPointF(0.9 * r, 0.8 * r), r * 1.6);
    night.setColorAt(0, QColor(0, 0, 0, 235));
    night.setColorAt(0.55, QColor(0, 0, 0, 150));
    night.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillPath(disc, night);
    p.restore();
    if (planet.ring)
        paintRing(p, c, r, true);
}

void paintVignette(QPainter &p, QSize size)
{
    QRadialGradient vignette(QPointF(size.width() / 2.0, size.height() / 2.0), size.height() * 0.7);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(QRect(QPoint(), size), vignette);
}

} // namespace

QImage SpaceScene::render(const SceneSpec &spec)
{
    QImage image(kWidth, kTallHeight, QImage::Format_RGB32);
    paintSkyAndClouds(image, spec);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintStars(p, spec, image.size());
    for (const Planet &planet : spec.planets)
        paintPlanet(p, planet, image.size());
    paintVignette(p, image.size());
    return image;
}

QImage SpaceScene::normalCrop(const QImage &tall)
{
    return tall.copy(0, (kTallHeight - kNormalHeight) / 2, kWidth, kNormalHeight);
}
