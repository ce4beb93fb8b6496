#pragma once
#include <QMetaType>

// One accelerometer sample, in units of g along the device's three axes.
struct Acceleration
{
    double x = 0, y = 0, z = 0;

    // Real accelerometers top out at 16 g; beyond that, or not a number, a
    // reading is a fault of the sensor, not a shake.
    static constexpr double kLargestPlausible = 16;
    bool isPlausible() const;

    // Two consecutive samples count as shaking when at least two axes changed
    // by strictly more than `threshold` g.
    static bool isShaking(const Acceleration &previous, const Acceleration &current, double threshold);

    friend bool operator==(const Acceleration &, const Acceleration &) = default;
};
Q_DECLARE_METATYPE(Acceleration)
