#pragma once
#include "platform/LocalNotification.h"
#include "services/notifyd/StoreFileWatcher.h"

#include <QObject>

class WakeupSource;

// Owns the pending notifications of the shared store while the service runs:
// changes them on request, fires each one when due (a repeating one every
// minute after), reports those found too late, and keeps the wake-up source
// armed for the next due moment. "Now" and the zone come from Clock::current().
class NotificationService : public QObject
{
    Q_OBJECT
public:
    explicit NotificationService(WakeupSource *wakeup, QObject *parent = nullptr);

    // Makes the pending list agree with the alarm file (ScheduleRepair), judges
    // what fell due while the service was not running, then waits for the next.
    void start();

    // False when 64 are already pending or the notification has no fire date.
    bool schedule(const LocalNotification &n);
    bool cancel(const LocalNotification &n);
    void cancelAll();
    LocalNotificationList pending() const;

public Q_SLOTS:
    // Delivers what is due now and arms the wake-up source for what comes next.
    void evaluate();

Q_SIGNALS:
    void fired(const LocalNotification &n);
    void missed(const LocalNotification &n);

private:
    // Applies `change` to the pending list, then fires what is due and re-arms, all under the data lock.
    template<typename Change>
    bool apply(Change change);
    void noteDamage(const QString &movedAsidePath) const;

    WakeupSource *wakeup_;
    StoreFileWatcher storeWatcher_;
};
