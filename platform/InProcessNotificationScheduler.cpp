#include "platform/InProcessNotificationScheduler.h"

#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/NotificationDelivery.h"

#include <QDebug>

namespace {
// Timers run on the monotonic clock; waking at least this often catches wall-clock changes.
constexpr qint64 kMaxSleepMs = 30 * 1000;
constexpr qint64 kRetryMs = 1000;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}
} // namespace

InProcessNotificationScheduler::InProcessNotificationScheduler(bool deliver, QObject *parent)
    : LocalNotificationScheduler(parent),
      deliver_(deliver)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &InProcessNotificationScheduler::checkNow);
    if (deliver_) {
        // What fell due before this process watched the store is judged now (delivered or missed).
        QTimer::singleShot(0, this, &InProcessNotificationScheduler::checkNow);
    }
}

bool InProcessNotificationScheduler::changeLocalNotifications(const LocalNotificationList &cancel,
                                                              const LocalNotificationList &schedule, QString *error)
{
    {
        DataLock lock;
        if (!lock.acquired())
            return fail(error, lock.problem());
        NotificationStore::Contents contents = NotificationStore::load();
        for (const LocalNotification &n : cancel)
            NotificationStore::cancel(contents, n);
        for (const LocalNotification &n : schedule) {
            if (!NotificationStore::schedule(contents, n))
                return fail(error, QStringLiteral("no room for another notification (at most %1 may be pending)")
                                       .arg(LocalNotification::kMaxPending));
        }
        if (!NotificationStore::save(contents, error))
            return false;
    }
    if (!schedule.isEmpty() && deliver_)
        arm(NotificationDelivery::nextWake(scheduledLocalNotifications(), Clock::current().now()));
    return true;
}

bool InProcessNotificationScheduler::cancelAllLocalNotifications()
{
    DataLock lock;
    if (!lock.acquired())
        return fail(nullptr, lock.problem());
    NotificationStore::Contents contents = NotificationStore::load();
    contents.pending.clear();
    return NotificationStore::save(contents);
}

LocalNotificationList InProcessNotificationScheduler::scheduledLocalNotifications() const
{
    DataLock lock;
    return NotificationStore::load().pending;
}

void InProcessNotificationScheduler::checkNow()
{
    if (!deliver_)
        return;
    NotificationDelivery::Outcome outcome;
    {
        DataLock lock;
        if (!lock.acquired()) {
            // Never judged without the lock; soon again instead.
            qWarning().noquote() << "tolvek:" << lock.problem();
            arm(Clock::current().now().addMSecs(kRetryMs));
            return;
        }
        NotificationStore::Contents contents = NotificationStore::load();
        outcome = NotificationDelivery::evaluate(contents, Clock::current().now());
        QString error;
        if (!NotificationStore::save(contents, &error))
            qWarning().noquote() << "tolvek: cannot store the pending notifications:" << error;
    }
    arm(outcome.nextWake);
    for (const LocalNotification &n : std::as_const(outcome.missed))
        Q_EMIT notificationMissed(n);
    for (const LocalNotification &n : std::as_const(outcome.delivered))
        Q_EMIT notificationReceived(n);
}

void InProcessNotificationScheduler::arm(const QDateTime &nextWake)
{
    qint64 ms = kMaxSleepMs;
    if (nextWake.isValid())
        ms = std::clamp<qint64>(Clock::current().now().msecsTo(nextWake), 0, kMaxSleepMs);
    if (!timer_.isActive() || timer_.remainingTime() > ms)
        timer_.start(int(ms));
}
