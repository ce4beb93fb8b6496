#include "unlockers/games/shake/DragAcceleration.h"

#include <cmath>

DragAcceleration::DragAcceleration(QObject *parent) : AccelerationSource(parent)
{
    timer_.setInterval(kSampleIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DragAcceleration::sample);
}

bool DragAcceleration::start()
{
    timer_.start();
    return true;
}

void DragAcceleration::stop()
{
    timer_.stop();
    pointerReleased();
}

void DragAcceleration::pointerMoved(const QPointF &position)
{
    if (!dragging_) {
        // A new drag starts at rest where it was pressed.
        dragging_ = true;
        previous_ = beforePrevious_ = position;
    }
    position_ = position;
}

void DragAcceleration::pointerReleased() { dragging_ = false; }

Acceleration DragAcceleration::sampleFor(const QPointF &p0, const QPointF &p1, const QPointF &p2,
                                         double intervalSeconds)
{
    const QPointF accel = (p2 - 2 * p1 + p0) / (intervalSeconds * intervalSeconds) / kPointsPerSecondSquaredPerG;
    // Unit vectors at 90, 210 and 330 degrees.
    const double s = std::sqrt(3.0) / 2;
    return {accel.y(), -s * accel.x() - 0.5 * accel.y(), s * accel.x() - 0.5 * accel.y()};
}

void DragAcceleration::sample()
{
    if (!dragging_)
        previous_ = beforePrevious_ = position_;
    const Acceleration a = sampleFor(beforePrevious_, previous_, position_, kSampleIntervalMs / 1000.0);
    beforePrevious_ = previous_;
    previous_ = position_;
    Q_EMIT sampled(a);
}
