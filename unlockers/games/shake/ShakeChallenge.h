#pragma once
#include "unlockers/games/shake/DragAcceleration.h"
#include "unlockers/games/shake/SensorAcceleration.h"
#include "unlockers/games/shake/SensorWatch.h"
#include "unlockers/games/shake/ShakeGauge.h"

// What the shake game asks of the player, whatever the machine: shaking the
// device, or where there is no accelerometer (or it stops answering, gets
// stuck or talks nonsense) fast back-and-forth drags of the window, which
// fill the same gauge. The switch happens at once for a missing sensor and
// within 5 s for one that goes wrong; the reason is kept for the screen.
class ShakeChallenge : public QObject
{
    Q_OBJECT
public:
    explicit ShakeChallenge(QObject *parent = nullptr);

    ShakeGauge &gauge() { return gauge_; }
    const ShakeGauge &gauge() const { return gauge_; }
    DragAcceleration &drags() { return drags_; }
    bool usesStandIn() const { return standIn_; }
    // Why the drags stand in for the sensor; empty while the sensor serves.
    QString standInReason() const { return standInReason_; }

    void start();
    // Background and back: the sources stop, the gauge starts again empty.
    void pause();
    void resume();
    // Full gauge, win or back button: nothing is read any more.
    void stop();

Q_SIGNALS:
    void standInStarted(const QString &reason);

private:
    void switchToStandIn(const QString &reason);

    SensorAcceleration sensor_;
    DragAcceleration drags_;
    SensorWatch watch_{&sensor_};
    ShakeGauge gauge_;
    bool standIn_ = false;
    bool running_ = false;
    QString standInReason_;
};
