#pragma once
#include <QPointF>

// The geometry of the clock face's volume ring: an arc of radius 102.5 points
// along the lower part of a circle around the digits, both ends 15 points
// below the centre. Volume 0 is the left end, 1 the right end. Angles in
// radians from the +x axis towards +y (y points down).
namespace VolumeArc {
inline constexpr double kRadius = 102.5;
inline constexpr double kEndOffset = 15; // how far below the centre both ends lie
inline constexpr double kLineWidth = 4;
inline constexpr double kLevelGap = 0.0872664626;  // 5 degrees left before the knob above 0.1
inline constexpr double kLowestShownLevel = 0.001; // a sliver of level even at volume 0
inline constexpr float kKnobOnThreshold = 0.0625f; // one volume step
inline constexpr float kStep = 0.0625f;

double endAngleOffset(); // a0 = asin(15 / 102.5)
double startAngle();     // pi - a0, the left end
double endAngle();       // a0, the right end
double span();           // start - end

// Where the coloured level arc ends for `volume` (it runs from startAngle()).
double levelEndAngle(double volume);
// The knob's angle and its point around `centre`.
double knobAngle(double volume);
QPointF knobPoint(QPointF centre, double volume);
// The volume a drag to `x` sets (x clamped to the arc's horizontal reach).
double volumeForX(double x, double centreX);
// Whether the knob shows its "on" picture.
inline bool knobOn(double volume) { return volume >= kKnobOnThreshold; }
} // namespace VolumeArc
