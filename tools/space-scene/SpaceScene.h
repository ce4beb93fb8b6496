#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>

// A space scene described by a few numbers: sky gradient, nebula clouds,
// stars, planets and an optional spiral galaxy. Coordinates are fractions of
// the tall canvas (640 x 1136), so the normal-height picture is a centre crop.
struct Planet
{
    QPointF centre;     // fraction of the canvas
    double radius;      // fraction of the canvas width
    QColor lit, shadow; // surface colours on the lit side and the night side
    QColor atmosphere;  // glow around the rim; transparent for none
    bool ring = false;
    double bandiness = 0; // 0 plain rock, 1 strongly banded gas giant
};

struct SceneSpec
{
    quint32 seed;
    QColor skyTop, skyBottom;
    QList<QColor> nebula; // cloud colours, blended by a second noise field
    double nebulaAmount;  // 0 no clouds ... 1 dense
    double nebulaScale;   // feature size as a fraction of the width
    int stars;
    int brightStars;
    QList<Planet> planets;
    bool galaxy = false;
    double darken = 0; // extra darkening so white text stays readable
};

class SpaceScene
{
public:
    static constexpr int kWidth = 640;
    static constexpr int kTallHeight = 1136;
    static constexpr int kNormalHeight = 960;

    // The tall picture; the other sizes are cut or scaled from it.
    static QImage render(const SceneSpec &spec);
    static QImage normalCrop(const QImage &tall);
};
