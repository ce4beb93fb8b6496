#include "HomeIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace {
const QColor kBrand(0x2B, 0xB4, 0xCB);
constexpr int kWeatherSize = 72; // 36 points

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void sun(QPainter &p, QPointF c, double r)
{
    p.setPen(QPen(QColor(255, 210, 90), r * 0.22, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 1.35, c + QPointF(std::cos(a), std::sin(a)) * r * 1.8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 90));
    p.drawEllipse(c, r, r);
}

void moon(QPainter &p, QPointF c, double r)
{
    QPainterPath disc, bite;
    disc.addEllipse(c, r, r);
    bite.addEllipse(c + QPointF(r * 0.55, -r * 0.35), r * 0.85, r * 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 210));
    p.drawPath(disc.subtracted(bite));
}

void cloud(QPainter &p, QPointF c, double w, const QColor &colour = QColor(235, 240, 245))
{
    QPainterPath path;
    path.addEllipse(c + QPointF(-w * 0.25, 0), w * 0.28, w * 0.22);
    path.addEllipse(c + QPointF(w * 0.05, -w * 0.12), w * 0.3, w * 0.3);
    path.addEllipse(c + QPointF(w * 0.3, w * 0.04), w * 0.22, w * 0.18);
    path.addRoundedRect(QRectF(c.x() - w * 0.45, c.y(), w * 0.9, w * 0.22), w * 0.1, w * 0.1);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path.simplified());
}

void drops(QPainter &p, QPointF from, int count)
{
    p.setPen(QPen(QColor(120, 190, 255), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(from + QPointF(i * 12, 0), from + QPointF(i * 12 - 5, 12));
}

void flakes(QPainter &p, QPointF from, int count)
{
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF c = from + QPointF(i * 13, (i % 2) * 6);
        for (int k = 0; k < 3; ++k) {
            const double a = k * M_PI / 3;
            p.drawLine(c - QPointF(std::cos(a), std::sin(a)) * 5, c + QPointF(std::cos(a), std::sin(a)) * 5);
        }
    }
}

void bolt(QPainter &p, QPointF top)
{
    QPolygonF shape{top,
                    top + QPointF(-10, 16),
                    top + QPointF(-2, 16),
                    top + QPointF(-8, 30),
                    top + QPointF(8, 10),
                    top + QPointF(0, 10),
                    top + QPointF(6, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 60));
    p.drawPolygon(shape);
}

void lines(QPainter &p, double top, int count, const QColor &colour)
{
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(12 + (i % 2) * 8, top + i * 11), QPointF(60 - (i % 2) * 6, top + i * 11));
}

QImage weather(const std::function<void(QPainter &)> &draw)
{
    QImage image = canvas(kWeatherSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}
} // namespace

QImage HomeIcons::addButton()
{
    QImage image = canvas(44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 10), QPointF(22, 34));
    p.drawLine(QPointF(10, 22), QPointF(34, 22));
    return image;
}

QImage HomeIcons::sliderKnob(bool on)
{
    QImage image = canvas(52);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(on ? kBrand : QColor(130, 135, 131), 4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26, 26), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? kBrand : QColor(130, 135, 131));
    p.drawEllipse(QPointF(26, 26), 7, 7);
    return image;
}

QList<QPair<QString, QImage>> HomeIcons::weatherIcons()
{
    const QColor grey(190, 198, 206), fog(220, 225, 230);
    return {
        {QStringLiteral("weather-sunny"), weather([](QPainter &p) {
             sun(p, {36, 36}, 14);
         })},
        {QStringLiteral("weather-night"), weather([](QPainter &p) {
             moon(p, {34, 36}, 20);
         })},
        {QStringLiteral("weather-cloudy"), weather([&](QPainter &p) {
             cloud(p, {30, 30}, 40, grey);
             cloud(p, {40, 38}, 50);
         })},
        {QStringLiteral("weather-partly-cloudy"), weather([](QPainter &p) {
             sun(p, {26, 26}, 10);
             cloud(p, {40, 40}, 50);
         })},
        {QStringLiteral("weather-rain"), weather([](QPainter &p) {
             cloud(p, {36, 26}, 54);
             drops(p, {24, 50}, 3);
         })},
        {QStringLiteral("weather-thunderstorm"), weather([&](QPainter &p) {
             cloud(p, {36, 24}, 54, grey);
             bolt(p, {40, 38});
         })},
        {QStringLiteral("weather-snow"), weather([](QPainter &p) {
             cloud(p, {36, 26}, 54);
             flakes(p, {23, 54}, 3);
         })},
        {QStringLiteral("weather-heavy-snow"), weather([](QPainter &p) {
             cloud(p, {36, 22}, 54);
             flakes(p, {17, 46}, 4);
             flakes(p, {23, 60}, 3);
         })},
        {QStringLiteral("weather-rain-snow"), weather([](QPainter &p) {
             cloud(p, {36, 26}, 54);
             drops(p, {22, 50}, 2);
             flakes(p, {48, 54}, 1);
         })},
        {QStringLiteral("weather-sleet-rain"), weather([&](QPainter &p) {
             cloud(p, {36, 26}, 54, grey);
             drops(p, {22, 50}, 2);
             flakes(p, {48, 54}, 1);
         })},
        {QStringLiteral("weather-sleet"), weather([&](QPainter &p) {
             cloud(p, {36, 26}, 54, grey);
             flakes(p, {23, 54}, 3);
         })},
        {QStringLiteral("weather-dust"), weather([](QPainter &p) { lines(p, 24, 3, QColor(215, 180, 120)); })},
        {QStringLiteral("weather-frog"), weather([&](QPainter &p) { lines(p, 20, 4, fog); })},
        {QStringLiteral("weather-wind"), weather([](QPainter &p) {
             p.setPen(QPen(QColor(220, 235, 245), 4, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             QPainterPath gust;
             gust.moveTo(10, 28);
             gust.lineTo(48, 28);
             gust.arcTo(QRectF(42, 16, 12, 12), 270, 270);
             p.drawPath(gust);
             p.drawLine(QPointF(16, 42), QPointF(56, 42));
         })},
    };
}
