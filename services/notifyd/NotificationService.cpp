#include "services/notifyd/NotificationService.h"

#include "alarms/ScheduleRepair.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/NotificationDelivery.h"
#include "platform/NotificationStore.h"
#include "services/notifyd/WakeupSource.h"

#include <QDebug>
#include <QTimer>

namespace {
constexpr int kRetryMs = 1000;
} // namespace

NotificationService::NotificationService(WakeupSource *wakeup, QObject *parent)
    : QObject(parent),
      wakeup_(wakeup),
      storeWatcher_(NotificationStore::path())
{
    connect(wakeup_, &WakeupSource::wokeUp, this, &NotificationService::evaluate);
    connect(wakeup_, &WakeupSource::clockChanged, this, &NotificationService::evaluate);
    connect(&storeWatcher_, &StoreFileWatcher::changedByOthers, this, &NotificationService::evaluate);
}

void NotificationService::start()
{
    // What a killed writer or a damaged list left behind is mended before anything fires.
    ScheduleRepair::run();
    evaluate();
}

template<typename Change>
bool NotificationService::apply(Change change)
{
    DataLock lock;
    if (!lock.acquired()) {
        // Never changed or fired without the lock: looked at again shortly.
        qWarning().noquote() << "tolvek-notifyd:" << lock.problem() << "- trying again shortly";
        QTimer::singleShot(kRetryMs, this, &NotificationService::evaluate);
        return false;
    }
    NotificationStore::Contents contents = NotificationStore::load();
    noteDamage(contents.movedAsidePath);
    if (!contents.readError.isEmpty()) {
        // Unreadable is not empty: nothing is fired from it and it is never replaced.
        qCritical().noquote() << "tolvek-notifyd: cannot read the pending notifications:" << contents.readError;
        return false;
    }
    const bool changed = change(contents);
    const NotificationDelivery::Outcome outcome = NotificationDelivery::evaluate(contents, Clock::current().now());
    if (outcome.nextWake.isValid())
        wakeup_->scheduleAt(outcome.nextWake);
    else
        wakeup_->clear();
    // Handed over before the (synced, slower) write: a crash in between may ring
    // an alarm twice but never loses one.
    for (const LocalNotification &n : outcome.missed) {
        qInfo().noquote() << "tolvek-notifyd: missed the notification due" << n.fireDate.toString(Qt::ISODate);
        Q_EMIT missed(n);
    }
    for (const LocalNotification &n : outcome.delivered) {
        qInfo().noquote() << "tolvek-notifyd: firing the notification due" << n.fireDate.toString(Qt::ISODate);
        Q_EMIT fired(n);
    }
    QString error;
    const bool saved = NotificationStore::save(contents, &error);
    if (!saved)
        qWarning().noquote() << "tolvek-notifyd: cannot write the pending notifications:" << error;
    storeWatcher_.rememberCurrent();
    return changed && saved;
}

bool NotificationService::schedule(const LocalNotification &n)
{
    return apply([&](NotificationStore::Contents &c) { return NotificationStore::schedule(c, n); });
}

bool NotificationService::cancel(const LocalNotification &n)
{
    return apply([&](NotificationStore::Contents &c) { return NotificationStore::cancel(c, n); });
}

void NotificationService::cancelAll()
{
    apply([](NotificationStore::Contents &c) {
        c.pending.clear();
        return true;
    });
}

LocalNotificationList NotificationService::pending() const
{
    DataLock lock; // a read only: the files are replaced whole, so it is whole even without the lock
    const NotificationStore::Contents contents = NotificationStore::load();
    noteDamage(contents.movedAsidePath);
    return contents.pending;
}

void NotificationService::evaluate()
{
    apply([](NotificationStore::Contents &) { return false; });
}

void NotificationService::noteDamage(const QString &movedAsidePath) const
{
    if (!movedAsidePath.isEmpty())
        qCritical().noquote() << "tolvek-notifyd: the pending-notification list was damaged; kept it as"
                              << movedAsidePath << "and started with no pending notifications";
}
