#include "services/notifyd/NotificationService.h"

#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/NotificationDelivery.h"
#include "platform/NotificationStore.h"
#include "services/notifyd/WakeupSource.h"

#include <QDebug>

NotificationService::NotificationService(WakeupSource *wakeup, QObject *parent)
    : QObject(parent), wakeup_(wakeup), storeWatcher_(NotificationStore::path())
{
    connect(wakeup_, &WakeupSource::wokeUp, this, &NotificationService::evaluate);
    connect(wakeup_, &WakeupSource::clockChanged, this, &NotificationService::evaluate);
    connect(&storeWatcher_, &StoreFileWatcher::changedByOthers, this, &NotificationService::evaluate);
}

void NotificationService::start() { evaluate(); }

template <typename Change>
bool NotificationService::changeStore(Change change)
{
    bool changed = false;
    {
        DataLock lock;
        NotificationStore::Contents contents = NotificationStore::load();
        noteDamage(contents.movedAsidePath);
        changed = change(contents) && NotificationStore::save(contents);
        storeWatcher_.rememberCurrent();
    }
    if (changed)
        evaluate();
    return changed;
}

bool NotificationService::schedule(const LocalNotification &n)
{
    return changeStore([&](NotificationStore::Contents &c) { return NotificationStore::schedule(c, n); });
}

bool NotificationService::cancel(const LocalNotification &n)
{
    return changeStore([&](NotificationStore::Contents &c) { return NotificationStore::cancel(c, n); });
}

void NotificationService::cancelAll()
{
    changeStore([](NotificationStore::Contents &c) {
        c.pending.clear();
        return true;
    });
}

LocalNotificationList NotificationService::pending() const
{
    DataLock lock;
    const NotificationStore::Contents contents = NotificationStore::load();
    noteDamage(contents.movedAsidePath);
    return contents.pending;
}

void NotificationService::evaluate()
{
    NotificationDelivery::Outcome outcome;
    {
        DataLock lock;
        NotificationStore::Contents contents = NotificationStore::load();
        noteDamage(contents.movedAsidePath);
        outcome = NotificationDelivery::evaluate(contents, Clock::current().now());
        if (!NotificationStore::save(contents))
            qWarning().noquote() << "tolvek-notifyd: cannot write" << NotificationStore::path();
        storeWatcher_.rememberCurrent();
    }
    if (outcome.nextWake.isValid())
        wakeup_->scheduleAt(outcome.nextWake);
    else
        wakeup_->clear();
    for (const LocalNotification &n : std::as_const(outcome.missed)) {
        qInfo().noquote() << "tolvek-notifyd: missed the notification due" << n.fireDate.toString(Qt::ISODate);
        Q_EMIT missed(n);
    }
    for (const LocalNotification &n : std::as_const(outcome.delivered)) {
        qInfo().noquote() << "tolvek-notifyd: firing the notification due" << n.fireDate.toString(Qt::ISODate);
        Q_EMIT fired(n);
    }
}

void NotificationService::noteDamage(const QString &movedAsidePath) const
{
    if (!movedAsidePath.isEmpty())
        qCritical().noquote() << "tolvek-notifyd: the pending-notification list was damaged; kept it as"
                              << movedAsidePath << "and started with no pending notifications";
}
