// Writes the app's pictures into the folder given as the only argument:
//   skin-N-big.jpg (640 x 960), skin-N-big-568h@2x.jpg (640 x 1136), skin-N@2x.jpg (thumbnail)
//   for N = 1..9, menu-bg@2x.jpg, menu-bg-568h@2x.jpg and the small icons (menu and home screen).
#include "HomeIcons.h"
#include "Icons.h"
#include "PictureOutput.h"
#include "SpaceScene.h"

#include <QGuiApplication>

namespace {
constexpr int kJpegQuality = 85;
constexpr QSize kThumbnail(180, 270); // 90 x 135 points

QList<SceneSpec> skins()
{
    using C = QColor;
    return {
        // 1: blue nebula with a small ice planet (the default skin)
        {11,
         C(4, 10, 30),
         C(10, 28, 60),
         {C(20, 90, 170), C(40, 170, 200), C(120, 80, 190)},
         0.75,
         0.55,
         900,
         7,
         {{{0.78, 0.2}, 0.09, C(200, 230, 255), C(30, 60, 110), C(120, 190, 255, 90)}}},
        // 2: violet cloud
        {22, C(12, 4, 26), C(30, 8, 40), {C(120, 30, 150), C(200, 60, 140), C(60, 40, 160)}, 0.8, 0.5, 1100, 9, {}},
        // 3: ringed gas giant
        {33,
         C(3, 6, 18),
         C(8, 14, 34),
         {C(30, 50, 110), C(70, 60, 120)},
         0.35,
         0.7,
         1000,
         6,
         {{{0.32, 0.72}, 0.3, C(240, 200, 140), C(90, 50, 20), C(255, 210, 150, 60), true, 0.8}}},
        // 4: sunrise over a planet's rim
        {44,
         C(2, 4, 14),
         C(20, 14, 40),
         {C(40, 60, 140), C(150, 70, 110)},
         0.4,
         0.6,
         1200,
         5,
         {{{0.5, 1.55}, 1.25, C(60, 110, 190), C(5, 10, 30), C(255, 170, 90, 170)}}},
        // 5: red planet and dust
        {55,
         C(18, 4, 6),
         C(36, 10, 12),
         {C(150, 50, 30), C(200, 110, 50), C(90, 20, 40)},
         0.6,
         0.45,
         800,
         6,
         {{{0.3, 0.28}, 0.17, C(230, 120, 70), C(70, 20, 10), C(255, 150, 100, 70)}}},
        // 6: teal veil
        {66, C(2, 14, 18), C(4, 24, 30), {C(20, 150, 120), C(40, 180, 200), C(20, 80, 140)}, 0.75, 0.6, 1000, 8, {}},
        // 7: blue world and its moon
        {77,
         C(2, 4, 14),
         C(4, 10, 26),
         {C(20, 40, 90)},
         0.3,
         0.8,
         1100,
         6,
         {{{0.72, 0.8}, 0.38, C(90, 170, 240), C(5, 20, 50), C(120, 200, 255, 110), false, 0.3},
          {{0.22, 0.3}, 0.07, C(220, 220, 215), C(40, 40, 45), C(0, 0, 0, 0)}}},
        // 8: spiral galaxy
        {88,
         C(2, 2, 10),
         C(6, 6, 20),
         {C(90, 110, 200), C(200, 150, 220), C(255, 200, 150)},
         0.25,
         0.4,
         1300,
         5,
         {},
         true,
         0.1},
        // 9: deep field
        {99, C(0, 0, 6), C(4, 4, 16), {C(50, 40, 110), C(30, 80, 130)}, 0.3, 0.3, 2200, 14, {}},
    };
}

SceneSpec menuBackground()
{
    using C = QColor;
    return {123, C(4, 8, 24), C(14, 10, 36), {C(30, 70, 140), C(90, 50, 150), C(30, 130, 160)}, 0.7, 0.9, 500, 3,
            {},  false,       0.35};
}

// Softens a picture by scaling it down and back up.
QImage soften(const QImage &image, int factor)
{
    return image.scaled(image.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char **argv)
{
    PictureOutput::drawOffscreen();
    QGuiApplication app(argc, argv); // fonts for the logo
    PictureOutput out(app, QStringLiteral("Draws the skins, backgrounds and icons into OUTPUT_DIR."), kJpegQuality);
    const QList<SceneSpec> specs = skins();
    QImage firstSkin;
    for (int n = 1; n <= specs.size(); ++n) {
        const QImage tall = SpaceScene::render(specs[n - 1]);
        const QImage normal = SpaceScene::normalCrop(tall);
        if (n == 1)
            firstSkin = tall;
        out.save(normal, QStringLiteral("skin-%1-big.jpg").arg(n));
        out.save(tall, QStringLiteral("skin-%1-big-568h@2x.jpg").arg(n));
        out.save(normal.scaled(kThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 QStringLiteral("skin-%1@2x.jpg").arg(n));
    }
    const QImage menuTall = soften(SpaceScene::render(menuBackground()), 3);
    out.save(SpaceScene::normalCrop(menuTall), QStringLiteral("menu-bg@2x.jpg"));
    out.save(menuTall, QStringLiteral("menu-bg-568h@2x.jpg"));
    out.save(Icons::menuButton(), QStringLiteral("home-menu@2x.png"));
    out.save(Icons::menuLogo(), QStringLiteral("menu-logo@2x.png"));
    out.save(Icons::feedback(), QStringLiteral("menu-feedback@2x.png"));
    out.save(Icons::currentMarker(), QStringLiteral("skin-current@2x.png"));
    out.save(Icons::shareIcon(firstSkin), QStringLiteral("share-icon.jpg"));
    out.save(HomeIcons::addButton(), QStringLiteral("home-add@2x.png"));
    out.save(HomeIcons::sliderKnob(true), QStringLiteral("clock-slider-on@2x.png"));
    out.save(HomeIcons::sliderKnob(false), QStringLiteral("clock-slider-off@2x.png"));
    for (const auto &[name, icon] : HomeIcons::weatherIcons())
        out.save(icon, name + QStringLiteral("@2x.png"));
    return out.exitCode();
}
