#include "home/VolumeArc.h"

#include <algorithm>
#include <cmath>

double VolumeArc::endAngleOffset() { return std::asin(kEndOffset / kRadius); }
double VolumeArc::startAngle() { return M_PI - endAngleOffset(); }
double VolumeArc::endAngle() { return endAngleOffset(); }
double VolumeArc::span() { return startAngle() - endAngle(); }

double VolumeArc::levelEndAngle(double volume)
{
    const double end = startAngle() - span() * std::max(volume, kLowestShownLevel);
    // Above a tenth the level stops short of the knob, so the knob sits on the grey ring.
    return volume > 0.1 ? end + kLevelGap : end;
}

double VolumeArc::knobAngle(double volume) { return startAngle() - std::clamp(volume, 0.0, 1.0) * span(); }

QPointF VolumeArc::knobPoint(QPointF centre, double volume)
{
    const double theta = knobAngle(volume);
    return {centre.x() + kRadius * std::cos(theta), centre.y() + kRadius * std::sin(theta)};
}

double VolumeArc::volumeForX(double x, double centreX)
{
    const double reach = kRadius * std::cos(endAngleOffset());
    const double dx = std::clamp(x - centreX, -reach, reach);
    const double theta = std::acos(dx / kRadius);
    return std::clamp(1 - (theta - endAngleOffset()) / span(), 0.0, 1.0);
}
