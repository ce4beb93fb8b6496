#pragma once
#include "unlockers/games/shake/AccelerationSource.h"

#include <QElapsedTimer>

class QAccelerometer;

// The device's accelerometer through Qt Sensors, one sample per 0.1 s (a
// faster backend is thinned out: the shake test compares samples 0.1 s apart). Backends
// that only simulate a sensor ("dummy.*") count as no accelerometer: they
// report a fixed value that nobody can shake.
class SensorAcceleration : public AccelerationSource
{
    Q_OBJECT
public:
    static constexpr double kStandardGravity = 9.80665; // m/s² in one g

    explicit SensorAcceleration(QObject *parent = nullptr);
    bool start() override;
    void stop() override;
    // The backend in use, empty before start() found one.
    QByteArray backendIdentifier() const;

private:
    void readingChanged();

    QAccelerometer *sensor_ = nullptr;
    QElapsedTimer sinceSample_;
};
