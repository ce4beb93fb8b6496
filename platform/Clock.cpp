#include "platform/Clock.h"

#include <atomic>

namespace {
std::atomic<const Clock *> installed{nullptr};
}

const Clock &Clock::current()
{
    static const SystemClock system;
    const Clock *clock = installed.load();
    return clock ? *clock : system;
}

void Clock::setCurrent(const Clock *clock) { installed.store(clock); }

QTimeZone SystemClock::timeZone() const { return QTimeZone::systemTimeZone(); }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime().toTimeZone(timeZone()); }

FixedClock::FixedClock(const QDateTime &now, const QTimeZone &zone) : now_(now), zone_(zone) { }

QDateTime ShiftedClock::now() const { return QDateTime::currentDateTime().addMSecs(offsetMs_).toTimeZone(timeZone()); }

void ShiftedClock::setNow(const QDateTime &moment) { offsetMs_ = QDateTime::currentDateTime().msecsTo(moment); }
