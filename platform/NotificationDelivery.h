#pragma once
#include "platform/NotificationStore.h"

// When pending notifications are due, shared by every deliverer (the app's
// in-process scheduler and the notification service).
//
// A notification is due once its fire date has passed. One that repeats
// (snooze) is due again every minute after that, keeping its fire date, until
// cancelled. A notification first found due more than ten minutes late (the
// deliverer was not running) is reported missed instead of ringing.
namespace NotificationDelivery {
constexpr qint64 kRepeatPeriodSecs = 60;
constexpr qint64 kMissedAfterSecs = 600;

// The first moment after `after` at which `n` is due; invalid when none.
// An invalid `after` means "never looked": the fire date itself.
QDateTime nextOccurrenceAfter(const LocalNotification &n, const QDateTime &after);

struct Outcome
{
    LocalNotificationList delivered;
    LocalNotificationList missed;
    QDateTime nextWake; // invalid when nothing is pending
};

// Looks at everything due in (contents.lastCheck, now]; removes delivered and
// missed one-shot notifications (and missed repeating ones) from `contents`
// and sets contents.lastCheck = now.
Outcome evaluate(NotificationStore::Contents &contents, const QDateTime &now);

// The earliest moment after `now` at which something in `pending` is due.
QDateTime nextWake(const LocalNotificationList &pending, const QDateTime &now);
} // namespace NotificationDelivery
