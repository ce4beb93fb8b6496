#pragma once
// Shared helpers for the core's tests: a clean documents directory and
// preference store per test, a pinned clock, the pending list filled up,
// the core's alerts recorded, and another program run to its end.
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/InProcessNotificationScheduler.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationStore.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QProcess>
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

// No file of more than `bytes` can be written while it lives: a full
// disk as this process sees it (tests run as root, which ignores permissions
// but not this limit). Reading is unaffected.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes = 16)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
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

// Adds `count` pending notifications that belong to no alarm (slots other alarms hold).
inline void fillPending(int count)
{
    NotificationStore::Contents contents = NotificationStore::load();
    for (int i = 0; i < count; ++i) {
        LocalNotification n;
        n.fireDate = QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(60 * i);
        n.alertBody = QStringLiteral("other");
        contents.pending.append(n);
    }
    NotificationStore::save(contents);
}

// Keeps the alerts the core presents instead of showing them.
class RecordingAlerts : public AlertPresenter
{
public:
    RecordingAlerts() { AlertPresenter::setShared(this); }
    ~RecordingAlerts() override { AlertPresenter::setShared(nullptr); }
    void presentAlert(const AlertRequest &alert) override { shown.append(alert); }
    QList<AlertRequest> shown;
};

struct Command
{
    int exitCode = -1;
    QByteArray out;
};

// Runs `program` (the command-line tool, say) to its end.
inline Command run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput()};
}

} // namespace TestSupport
