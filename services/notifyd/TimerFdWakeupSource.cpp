#include "services/notifyd/TimerFdWakeupSource.h"

#include <QDebug>
#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
timespec toTimespec(qint64 msecsSinceEpoch)
{
    timespec t{};
    t.tv_sec = msecsSinceEpoch / 1000;
    t.tv_nsec = (msecsSinceEpoch % 1000) * 1000000;
    return t;
}
} // namespace

TimerFdWakeupSource::TimerFdWakeupSource(QObject *parent) : WakeupSource(parent)
{
    fd_ = timerfd_create(CLOCK_REALTIME_ALARM, TFD_NONBLOCK | TFD_CLOEXEC);
    wakesFromSuspend_ = fd_ >= 0;
    if (fd_ < 0) {
        qInfo("tolvek-notifyd: no wake-from-suspend timer (%s); using the real-time clock while awake",
              strerror(errno));
        fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    }
    clockWatchFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0 || clockWatchFd_ < 0) {
        qCritical("tolvek-notifyd: cannot create a real-time clock timer: %s", strerror(errno));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TimerFdWakeupSource::onAlarm);
    clockWatchNotifier_ = std::make_unique<QSocketNotifier>(clockWatchFd_, QSocketNotifier::Read);
    connect(clockWatchNotifier_.get(), &QSocketNotifier::activated, this, &TimerFdWakeupSource::onClockSet);
    parkClockWatch();
}

TimerFdWakeupSource::~TimerFdWakeupSource()
{
    notifier_.reset();
    clockWatchNotifier_.reset();
    for (int fd : {fd_, clockWatchFd_}) {
        if (fd >= 0)
            close(fd);
    }
}

void TimerFdWakeupSource::scheduleAt(const QDateTime &moment)
{
    moment_ = moment;
    arm();
}

void TimerFdWakeupSource::clear()
{
    moment_ = {};
    arm();
}

void TimerFdWakeupSource::arm()
{
    if (fd_ < 0)
        return;
    itimerspec spec{};
    if (moment_.isValid()) {
        // A zero value would disarm: a moment at or before the epoch fires one nanosecond after it.
        spec.it_value = toTimespec(std::max<qint64>(moment_.toMSecsSinceEpoch(), 0));
        if (spec.it_value.tv_sec == 0 && spec.it_value.tv_nsec == 0)
            spec.it_value.tv_nsec = 1;
    }
    if (timerfd_settime(fd_, TFD_TIMER_ABSTIME, &spec, nullptr) != 0)
        qWarning("tolvek-notifyd: cannot arm the real-time clock timer: %s", strerror(errno));
}

void TimerFdWakeupSource::parkClockWatch()
{
    // Never expires; only there to be cancelled when the clock is set.
    itimerspec spec{};
    spec.it_value.tv_sec = std::numeric_limits<time_t>::max() / 4;
    if (timerfd_settime(clockWatchFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) != 0)
        qWarning("tolvek-notifyd: cannot watch for clock changes: %s", strerror(errno));
}

void TimerFdWakeupSource::onAlarm()
{
    quint64 expirations = 0;
    if (read(fd_, &expirations, sizeof expirations) != sizeof expirations)
        return; // spurious wake-up (EAGAIN)
    moment_ = {};
    Q_EMIT wokeUp();
}

void TimerFdWakeupSource::onClockSet()
{
    quint64 expirations = 0;
    if (read(clockWatchFd_, &expirations, sizeof expirations) < 0 && errno != ECANCELED)
        return;
    parkClockWatch();
    Q_EMIT clockChanged();
}
