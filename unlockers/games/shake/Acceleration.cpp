#include "unlockers/games/shake/Acceleration.h"

#include <cmath>

bool Acceleration::isPlausible() const
{
    // NaN fails every comparison, so it is caught here too.
    auto fine = [](double v) { return std::fabs(v) <= kLargestPlausible; };
    return fine(x) && fine(y) && fine(z);
}

bool Acceleration::isShaking(const Acceleration &previous, const Acceleration &current, double threshold)
{
    const bool dx = std::fabs(current.x - previous.x) > threshold;
    const bool dy = std::fabs(current.y - previous.y) > threshold;
    const bool dz = std::fabs(current.z - previous.z) > threshold;
    return (dx && (dy || dz)) || (dy && dz);
}
