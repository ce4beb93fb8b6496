#pragma once
#include "unlockers/games/shake/AccelerationSource.h"

#include <QPointF>
#include <QTimer>

// The stand-in for a missing accelerometer: the person drags the window's
// content fast back and forth with the mouse (or a finger). Every 0.1 s the
// pointer's acceleration in the window plane becomes a sample, projected on
// three axes 120 degrees apart, the way a phone lying flat would feel the
// same motion on its three axes: any change of the pointer's acceleration
// shows on at least two of them, so the same two-axis shake test applies.
// While nobody drags, the samples are at rest, so the gauge drains.
class DragAcceleration : public AccelerationSource
{
    Q_OBJECT
public:
    // A pointer acceleration of this many points/s² counts as 1 g: a drag
    // back and forth over about 40 points twice a second shakes, moving the
    // pointer across the window at an even pace does not.
    static constexpr double kPointsPerSecondSquaredPerG = 2000;

    explicit DragAcceleration(QObject *parent = nullptr);
    bool start() override;
    void stop() override;

    // Where the pointer is while it drags, in points; a release stops the motion.
    void pointerMoved(const QPointF &position);
    void pointerReleased();
    bool isDragging() const { return dragging_; }

    // The sample for a pointer that was at p0, p1, p2 at three consecutive
    // sampling instants `intervalSeconds` apart.
    static Acceleration sampleFor(const QPointF &p0, const QPointF &p1, const QPointF &p2, double intervalSeconds);

private:
    void sample();

    QTimer timer_;
    QPointF position_, previous_, beforePrevious_;
    bool dragging_ = false;
};
