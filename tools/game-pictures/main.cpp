// Writes the unlock screens' and the unlocker picker's pictures into the
// folder given as the only argument:
//   unlock-scene1/2/3/4/5-bg (@2x.jpg 640 x 960, -568h@2x.jpg 640 x 1136),
//   clock-setting-unlocker-illustrate1..5@2x.jpg (640 x 400) and the sprites and icons (@2x.png).
#include "PictureOutput.h"
#include "SpaceScene.h"
#include "Sprites.h"

#include <QGuiApplication>

namespace {
constexpr int kJpegQuality = 88;
constexpr QSize kIllustration(640, 400);

using C = QColor;

// The tap game's calm violet sky, the calculator's teal one.
SceneSpec tapScene()
{
    return {505, C(6, 6, 24), C(24, 12, 46), {C(70, 50, 150), C(40, 90, 170), C(140, 60, 150)}, 0.55, 0.6, 900, 8,
            {},  false,       0.25};
}
SceneSpec calculateScene()
{
    return {101, C(2, 12, 22), C(6, 26, 40), {C(20, 120, 140), C(30, 90, 160), C(20, 150, 130)}, 0.6, 0.55, 900, 8,
            {},  false,        0.25};
}
// The launch site: a blue world's rim at the bottom; the UFO's green sky.
SceneSpec shakeScene()
{
    return {202,
            C(4, 6, 20),
            C(20, 16, 44),
            {C(60, 70, 160), C(170, 80, 110)},
            0.45,
            0.6,
            900,
            6,
            {{{0.5, 1.32}, 0.75, C(70, 130, 200), C(5, 15, 40), C(130, 200, 255, 140)}},
            false,
            0.2};
}
SceneSpec blowScene()
{
    return {303, C(2, 8, 10), C(10, 26, 24), {C(30, 140, 90), C(40, 100, 140)}, 0.5, 0.55, 1000, 7, {}, false, 0.25};
}
// The smile game's warm violet sky.
SceneSpec smileScene()
{
    return {404, C(10, 4, 20), C(36, 12, 40), {C(150, 60, 140), C(220, 120, 120), C(80, 60, 170)}, 0.6, 0.55, 800, 7,
            {},  false,        0.25};
}

// A 640 x 400 cut of a scene around the middle of the tall canvas.
QImage sky(const SceneSpec &spec)
{
    const QImage tall = SpaceScene::render(spec);
    return tall.copy(QRect(QPoint(0, (tall.height() - kIllustration.height()) / 2), kIllustration));
}

QImage illustration(int number)
{
    QImage image;
    switch (number) {
    case 1: // calculator
        image = sky(calculateScene());
        break;
    case 2: // launcher: a planet's rim below
        image = sky({202,
                     C(4, 6, 20),
                     C(20, 16, 44),
                     {C(60, 70, 160), C(170, 80, 110)},
                     0.45,
                     0.6,
                     900,
                     6,
                     {{{0.5, 0.95}, 0.9, C(70, 130, 200), C(5, 15, 40), C(130, 200, 255, 140)}}});
        break;
    case 3: // UFO attack: a green world
        image = sky({303,
                     C(2, 8, 10),
                     C(10, 26, 24),
                     {C(30, 140, 90), C(40, 100, 140)},
                     0.5,
                     0.55,
                     1000,
                     7,
                     {{{0.3, 0.62}, 0.3, C(110, 200, 130), C(10, 40, 30), C(150, 255, 190, 100)}}});
        break;
    case 4: // astronaut's smile
        image = sky({404,
                     C(10, 4, 20),
                     C(36, 12, 40),
                     {C(150, 60, 140), C(220, 120, 120), C(80, 60, 170)},
                     0.6,
                     0.55,
                     800,
                     7,
                     {}});
        break;
    default: // peaceful universe
        image = sky(tapScene());
        break;
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1:
        Sprites::paintSymbolOrbit(p, QPointF(320, 200), 300);
        break;
    case 2:
        Sprites::paintTolvek(p, QPointF(330, 150), 190);
        break;
    case 3:
        Sprites::paintUfo(p, QPointF(420, 120), 230);
        break;
    case 4:
        Sprites::paintAstronaut(p, QPointF(320, 205), 330, true);
        break;
    default:
        Sprites::paintPlanet(p, QPointF(290, 230), 250, C(236, 150, 96), C(70, 24, 40), true);
        Sprites::paintAstronaut(p, QPointF(430, 130), 120, false);
        break;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

int main(int argc, char **argv)
{
    PictureOutput::drawOffscreen();
    QGuiApplication app(argc, argv); // fonts for the symbols
    PictureOutput out(app, QStringLiteral("Draws the pictures of the unlock games into OUTPUT_DIR."), kJpegQuality);
    const QList<std::pair<QString, SceneSpec>> scenes{{QStringLiteral("unlock-scene5-bg"), tapScene()},
                                                      {QStringLiteral("unlock-scene1-bg"), calculateScene()},
                                                      {QStringLiteral("unlock-scene2-bg"), shakeScene()},
                                                      {QStringLiteral("unlock-scene3-bg"), blowScene()},
                                                      {QStringLiteral("unlock-scene4-bg"), smileScene()}};
    for (const auto &[name, spec] : scenes) {
        const QImage tall = SpaceScene::render(spec);
        out.save(SpaceScene::normalCrop(tall), name + QStringLiteral("@2x.jpg"));
        out.save(tall, name + QStringLiteral("-568h@2x.jpg"));
    }
    for (int n = 1; n <= 5; ++n)
        out.save(illustration(n), QStringLiteral("clock-setting-unlocker-illustrate%1@2x.jpg").arg(n));
    out.save(Sprites::planet(), QStringLiteral("unlock-scene5-planet@2x.png"));
    out.save(Sprites::astronaut(), QStringLiteral("unlock-scene5-astronaut@2x.png"));
    out.save(Sprites::speechExclamation(), QStringLiteral("unlock-scene5-exclamation@2x.png"));
    out.save(Sprites::centreIllustration(), QStringLiteral("unlock-scene1-center-illustate@2x.png"));
    out.save(Sprites::visorAstronaut(0), QStringLiteral("unlock-scene4-astronaut@2x.png"));
    out.save(Sprites::visorAstronaut(80), QStringLiteral("unlock-scene4-astronaut-568h@2x.png"));
    out.save(Sprites::visorMouth(), QStringLiteral("unlock-scene4-astronaut-mouth@2x.png"));
    out.save(Sprites::ufo(), QStringLiteral("unlock-scene4-ufo@2x.png"));
    out.save(Sprites::launchCraft(), QStringLiteral("unlock-scene2-tolvek@2x.png"));
    out.save(Sprites::launchFlame(), QStringLiteral("unlock-scene2-fire@2x.png"));
    out.save(Sprites::launchPad(), QStringLiteral("unlock-scene2-pad@2x.png"));
    out.save(Sprites::gaugeGlass(), QStringLiteral("unlock-scene2-thermometer@2x.png"));
    out.save(Sprites::gaugeMarker(), QStringLiteral("unlock-scene2-slider@2x.png"));
    out.save(Sprites::greenPlanet(), QStringLiteral("unlock-scene3-planet@2x.png"));
    out.save(Sprites::pushedUfo(), QStringLiteral("unlock-scene3-ufo@2x.png"));
    out.save(Sprites::noticeMark(), QStringLiteral("unlock-notice-excalmation-mark@2x.png"));
    out.save(Sprites::backArrow(), QStringLiteral("unlock-back-arrow@2x.png"));
    out.save(Sprites::levelMark(true), QStringLiteral("unlock-level-start-green@2x.png"));
    out.save(Sprites::levelMark(false), QStringLiteral("unlock-level-start-gray@2x.png"));
    out.save(Sprites::useButton(true), QStringLiteral("clock-setting-use@2x.png"));
    out.save(Sprites::useButton(false), QStringLiteral("clock-setting-not-use@2x.png"));
    const QStringList cells{QStringLiteral("planet"), QStringLiteral("calculator"), QStringLiteral("tolvek"),
                            QStringLiteral("ufo"), QStringLiteral("astronaut")};
    for (int kind = 0; kind < cells.size(); ++kind)
        out.save(Sprites::cellIcon(kind), QStringLiteral("clock-cell-unlocker-%1@2x.png").arg(cells[kind]));
    return out.exitCode();
}
