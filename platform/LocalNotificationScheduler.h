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

    // One change of the pending list, all or nothing: each of `cancel` takes the
    // first pending notification equal to it away (if any), then `schedule`
    // comes in. False, with the reason in `error` and nothing changed, when
    // more than 64 would be pending, a notification has no fire date, or the
    // change could not be stored.
    virtual bool changeLocalNotifications(const LocalNotificationList &cancel, const LocalNotificationList &schedule,
                                          QString *error = nullptr)
        = 0;
    // False (and nothing scheduled) when 64 notifications are already pending
    // or the scheduler cannot be reached.
    bool scheduleLocalNotification(const LocalNotification &n) { return changeLocalNotifications({}, {n}); }
    // Cancels the first pending notification equal to `n`.
    bool cancelLocalNotification(const LocalNotification &n) { return changeLocalNotifications({n}, {}); }
    virtual bool cancelAllLocalNotifications() = 0;
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
