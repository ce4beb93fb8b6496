#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>

// The figures of the unlock screens, drawn at double resolution in the skins'
// style: soft-lit spheres, white outlines and the brand colour #2BB4CB.
namespace Sprites {
inline const QColor kBrand(0x2B, 0xB4, 0xCB);

QImage canvas(int width, int height);

// Painters that draw into a square of side `size` centred on `centre`.
void paintPlanet(QPainter &p, QPointF centre, double size, QColor lit, QColor shadow, bool craters);
void paintAstronaut(QPainter &p, QPointF centre, double size, bool smiling);
void paintUfo(QPainter &p, QPointF centre, double size);
void paintTolvek(QPainter &p, QPointF centre, double size, bool flame = true); // the little launch creature
void paintFlame(QPainter &p, QRectF box);
void paintSymbolOrbit(QPainter &p, QPointF centre, double size);
void paintExclamation(QPainter &p, QRectF box, QColor colour);

QImage planet();              // unlock-scene5-planet
QImage astronaut();           // unlock-scene5-astronaut
QImage speechExclamation();   // unlock-scene5-exclamation
QImage centreIllustration();  // unlock-scene1-center-illustate
QImage noticeMark();          // unlock-notice-excalmation-mark
QImage backArrow();           // unlock-back-arrow
QImage levelMark(bool green); // unlock-level-start-green / -gray
QImage useButton(bool inUse); // clock-setting-use / clock-setting-not-use
QImage cellIcon(int kind);    // clock-cell-unlocker-*
// The smile game's astronaut, helmet-high, with a see-through visor of
// 352 x 288 pixels at (64, 124) where the camera picture shows; `legs` more
// pixels of body for the tall screen.
QImage visorAstronaut(int legs); // unlock-scene4-astronaut(-568h)
QImage visorMouth();             // unlock-scene4-astronaut-mouth
QImage ufo();                    // unlock-scene4-ufo
// The shake game: the craft, its exhaust flame, the launch pad, the gauge's
// glass and the marker riding on the fuel level.
QImage launchCraft(); // unlock-scene2-tolvek
QImage launchFlame(); // unlock-scene2-fire
QImage launchPad();   // unlock-scene2-pad
QImage gaugeGlass();  // unlock-scene2-thermometer
QImage gaugeMarker(); // unlock-scene2-slider
// The blow game: the floating green planet and the UFO it pushes away.
QImage greenPlanet(); // unlock-scene3-planet
QImage pushedUfo();   // unlock-scene3-ufo
} // namespace Sprites
