#include "unlockers/games/shake/ShakeChallenge.h"

ShakeChallenge::ShakeChallenge(QObject *parent) : QObject(parent)
{
    gauge_.listenTo(&sensor_);
    gauge_.listenTo(&drags_);
    connect(&watch_, &SensorWatch::failed, this, &ShakeChallenge::switchToStandIn);
    connect(&gauge_.fill(), &FillGauge::full, this, &ShakeChallenge::stop);
}

void ShakeChallenge::start()
{
    running_ = true;
    if (standIn_) {
        drags_.start();
        return;
    }
    if (!sensor_.start()) {
        switchToStandIn(sensor_.failureReason());
        return;
    }
    watch_.start();
}

void ShakeChallenge::switchToStandIn(const QString &reason)
{
    if (standIn_)
        return;
    standIn_ = true;
    standInReason_ = reason;
    watch_.stop();
    sensor_.stop();
    if (running_)
        drags_.start();
    Q_EMIT standInStarted(reason);
}

void ShakeChallenge::pause()
{
    stop();
    gauge_.pause();
}

void ShakeChallenge::resume()
{
    if (gauge_.isFull())
        return;
    gauge_.restart();
    start();
}

void ShakeChallenge::stop()
{
    running_ = false;
    watch_.stop();
    sensor_.stop();
    drags_.stop();
}
