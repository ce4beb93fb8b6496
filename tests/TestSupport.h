#pragma once
// Shared helpers for the core's tests: a clean documents directory and
// preference store per test, and a pinned clock.
#include "platform/Clock.h"
#include "platform/InProcessNotificationScheduler.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QTimeZone>
#include <csignal>
#include <sys/resource.h>

namespace TestSupport {

inline void wipeUserData()
{
    QDir(Paths::documentsDirectory()).removeRecursively();
    QDir().mkpath(Paths::documentsDirectory());
    Preferences::shared().remove(QString());
    Preferences::shared().synchronize();
}

// A moment given as local wall-clock time in `zoneId`.
inline QDateTime at(const char *zoneId, int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone(zoneId));
}

// Pins Clock::current() for the lifetime of the object.
class PinnedClock
{
public:
    explicit PinnedClock(const QDateTime &now) : clock_(now, now.timeZone()) { Clock::setCurrent(&clock_); }
    ~PinnedClock() { Clock::setCurrent(nullptr); }
    FixedClock &clock() { return clock_; }

private:
    FixedClock clock_;
};

// Installs a scheduler over the real store that never delivers by itself.
class StoreOnlyScheduler
{
public:
    StoreOnlyScheduler() { LocalNotificationScheduler::setShared(&scheduler_); }
    ~StoreOnlyScheduler() { LocalNotificationScheduler::setShared(nullptr); }
    InProcessNotificationScheduler &scheduler() { return scheduler_; }

private:
    InProcessNotificationScheduler scheduler_{false};
};

// No file of more than a few bytes can be written while it lives: a full
// disk as this process sees it (tests run as root, which ignores permissions
// but not this limit). Reading is unaffected.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace TestSupport
