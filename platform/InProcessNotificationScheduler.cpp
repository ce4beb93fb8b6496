#include "platform/InProcessNotificationScheduler.h"

#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/NotificationDelivery.h"

namespace {
// Timers run on the monotonic clock; waking at least this often catches wall-clock changes.
constexpr qint64 kMaxSleepMs = 30 * 1000;
} // namespace

InProcessNotificationScheduler::InProcessNotificationScheduler(bool deliver, QObject *parent)
    : LocalNotificationScheduler(parent), deliver_(deliver)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &InProcessNotificationScheduler::checkNow);
    if (deliver_) {
        // What fell due before this process watched the store is judged now (delivered or missed).
        QTimer::singleShot(0, this, &InProcessNotificationScheduler::checkNow);
    }
}

bool InProcessNotificationScheduler::scheduleLocalNotification(const LocalNotification &n)
{
    bool scheduled = false;
    {
        DataLock lock;
        NotificationStore::Contents contents = NotificationStore::load();
        scheduled = NotificationStore::schedule(contents, n) && NotificationStore::save(contents);
    }
    if (scheduled && deliver_)
        arm(NotificationDelivery::nextWake(scheduledLocalNotifications(), Clock::current().now()));
    return scheduled;
}

void InProcessNotificationScheduler::cancelLocalNotification(const LocalNotification &n)
{
    DataLock lock;
    NotificationStore::Contents contents = NotificationStore::load();
    if (NotificationStore::cancel(contents, n))
        NotificationStore::save(contents);
}

void InProcessNotificationScheduler::cancelAllLocalNotifications()
{
    DataLock lock;
    NotificationStore::Contents contents = NotificationStore::load();
    contents.pending.clear();
    NotificationStore::save(contents);
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
        NotificationStore::Contents contents = NotificationStore::load();
        outcome = NotificationDelivery::evaluate(contents, Clock::current().now());
        NotificationStore::save(contents);
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
