#include "unlockers/FillGauge.h"

#include <algorithm>

FillGauge::FillGauge(int step, QObject *parent) : QObject(parent), step_(step)
{
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &FillGauge::tick);
}

void FillGauge::setActive(bool active)
{
    if (active == active_ || isFull())
        return;
    active_ = active;
    if (active_ || level_ > 0)
        ticker_.start();
    else
        ticker_.stop();
    Q_EMIT activeChanged(active_);
}

void FillGauge::tick()
{
    if (active_) {
        setLevel(level_ + step_);
        if (isFull()) {
            ticker_.stop();
            Q_EMIT full();
        }
        return;
    }
    setLevel(std::max(level_ - step_, 0));
    if (level_ == 0)
        ticker_.stop();
}

void FillGauge::setLevel(int level)
{
    if (level == level_)
        return;
    level_ = level;
    Q_EMIT levelChanged(level_);
}

void FillGauge::pause() { ticker_.stop(); }

void FillGauge::resume()
{
    if (!isFull() && (active_ || level_ > 0))
        ticker_.start();
}

void FillGauge::empty()
{
    if (isFull())
        return;
    ticker_.stop();
    setLevel(0);
    if (std::exchange(active_, false))
        Q_EMIT activeChanged(false);
}
