#pragma once
#include "platform/NotificationStore.h"

#include <QTimeZone>

// When pending notifications are due, shared by every deliverer (the app's
// in-process scheduler and the notification service).
//
// A notification is due once its fire date has passed. One that repeats
// (snooze) is due again every minute after that, keeping its fire date, until
// cancelled. A notification first found due more than ten minutes late (the
// deliverer was not running) is reported missed instead of ringing.
//
// `now` is always the device's current moment in its current zone
// (Clock::current().now()): its zone decides when wall-clock notifications fire.
namespace NotificationDelivery {
constexpr qint64 kRepeatPeriodSecs = 60;
constexpr qint64 kMissedAfterSecs = 600;

// The moment `n` fires for a device in `zone`. A notification with a time zone
// keeps its wall-clock time when the device changes zone (07:00 rings at 07:00
// after a trip); one without is an absolute moment.
QDateTime fireMoment(const LocalNotification &n, const QTimeZone &zone);

// The first moment after `after` at which `n` is due in `zone`; invalid when none.
// An invalid `after` means "never looked": the fire moment itself.
QDateTime nextOccurrenceAfter(const LocalNotification &n, const QDateTime &after, const QTimeZone &zone);

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
