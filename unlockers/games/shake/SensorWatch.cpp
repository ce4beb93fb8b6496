#include "unlockers/games/shake/SensorWatch.h"

#include "unlockers/games/shake/AccelerationSource.h"

SensorWatch::SensorWatch(AccelerationSource *source, QObject *parent) : QObject(parent)
{
    checkTimer_.setInterval(kCheckIntervalMs);
    connect(&checkTimer_, &QTimer::timeout, this, &SensorWatch::check);
    connect(source, &AccelerationSource::sampled, this, &SensorWatch::sampled);
}

void SensorWatch::start()
{
    if (failed_)
        return;
    sinceUsable_.start();
    sinceChange_.start();
    hasLast_ = false;
    unusableSeen_ = false;
    checkTimer_.start();
}

void SensorWatch::stop() { checkTimer_.stop(); }

void SensorWatch::sampled(const Acceleration &sample)
{
    if (!checkTimer_.isActive())
        return;
    if (!sample.isPlausible()) {
        unusableSeen_ = true;
        return;
    }
    sinceUsable_.start();
    if (!hasLast_ || !(sample == last_))
        sinceChange_.start();
    last_ = sample;
    hasLast_ = true;
}

void SensorWatch::check()
{
    QString reason;
    if (sinceUsable_.elapsed() > kSilenceLimitMs)
        reason = unusableSeen_ ? tr("The motion sensor sends readings that make no sense.")
                               : tr("The motion sensor stopped answering.");
    else if (hasLast_ && sinceChange_.elapsed() > kStuckLimitMs)
        reason = tr("The motion sensor is stuck on one value.");
    if (reason.isEmpty())
        return;
    failed_ = true;
    checkTimer_.stop();
    Q_EMIT failed(reason);
}
