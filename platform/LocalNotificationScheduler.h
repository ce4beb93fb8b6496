#pragma once
#include "platform/LocalNotification.h"

#include <QObject>

// The local-notification scheduler: the app's view of pending notifications.
// One instance per process, replaceable: in-process while no notification
// service is on the bus, the service's client otherwise.
class LocalNotificationScheduler : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False (and nothing scheduled) when 64 notifications are already pending
    // or the scheduler cannot be reached.
    virtual bool scheduleLocalNotification(const LocalNotification &n) = 0;
    // Cancels the first pending notification equal to `n`.
    virtual void cancelLocalNotification(const LocalNotification &n) = 0;
    virtual void cancelAllLocalNotifications() = 0;
    virtual LocalNotificationList scheduledLocalNotifications() const = 0;
    // Human-readable state for the app's status line ("" when all is well).
    virtual QString problem() const { return {}; }

    static LocalNotificationScheduler &shared();
    // Installs `scheduler` as the process-wide one (ownership stays with the caller).
    static void setShared(LocalNotificationScheduler *scheduler);

Q_SIGNALS:
    // A notification fell due (for a repeating one: each time it repeats).
    void notificationReceived(const LocalNotification &n);
    // A notification fell due while nothing could deliver it and is now too late to ring.
    void notificationMissed(const LocalNotification &n);
};
