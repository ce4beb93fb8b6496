#pragma once
#include "unlockers/games/shake/Acceleration.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class AccelerationSource;

// Watches the accelerometer while the game runs and reports, once, when it
// can no longer be shaken: no usable sample for kSilenceLimitMs (it stopped
// answering, or answers only with non-numbers or impossible values), or the
// very same sample for kStuckLimitMs (a stuck value; a real sensor always
// trembles in its last digits). The game then switches to its stand-in, well
// within 5 seconds of the sensor going wrong.
class SensorWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSilenceLimitMs = 3000;
    static constexpr int kStuckLimitMs = 3000;
    static constexpr int kCheckIntervalMs = 250;

    explicit SensorWatch(AccelerationSource *source, QObject *parent = nullptr);

    // Starts watching afresh (the silence counts from now); stop() pauses it.
    void start();
    void stop();
    bool hasFailed() const { return failed_; }

Q_SIGNALS:
    void failed(const QString &reason);

private:
    void sampled(const Acceleration &sample);
    void check();

    QTimer checkTimer_;
    QElapsedTimer sinceUsable_, sinceChange_;
    Acceleration last_;
    bool hasLast_ = false;
    bool unusableSeen_ = false;
    bool failed_ = false;
};
