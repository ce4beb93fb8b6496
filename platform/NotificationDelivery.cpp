#include "platform/NotificationDelivery.h"

QDateTime NotificationDelivery::nextOccurrenceAfter(const LocalNotification &n, const QDateTime &after)
{
    if (!n.isValid())
        return {};
    if (!after.isValid() || n.fireDate > after)
        return n.fireDate;
    if (!n.repeats())
        return {};
    const qint64 periodMs = kRepeatPeriodSecs * 1000;
    const qint64 sinceFire = after.toMSecsSinceEpoch() - n.fireDate.toMSecsSinceEpoch();
    const qint64 periods = sinceFire / periodMs + 1;
    return n.fireDate.addMSecs(periods * periodMs);
}

QDateTime NotificationDelivery::nextWake(const LocalNotificationList &pending, const QDateTime &now)
{
    QDateTime earliest;
    for (const LocalNotification &n : pending) {
        const QDateTime next = nextOccurrenceAfter(n, now);
        if (next.isValid() && (!earliest.isValid() || next < earliest))
            earliest = next;
    }
    return earliest;
}

NotificationDelivery::Outcome NotificationDelivery::evaluate(NotificationStore::Contents &contents,
                                                             const QDateTime &now)
{
    Outcome outcome;
    const QDateTime since = contents.lastCheck;
    LocalNotificationList kept;
    for (const LocalNotification &n : contents.pending) {
        const QDateTime due = nextOccurrenceAfter(n, since);
        if (!due.isValid() || due > now) {
            kept.append(n);
            continue;
        }
        // Never delivered before (the deliverer was not watching when it fell due)
        // and long past: ringing now would wake someone at the wrong time.
        const bool firstDelivery = !since.isValid() || n.fireDate > since;
        if (firstDelivery && n.fireDate.secsTo(now) > kMissedAfterSecs) {
            outcome.missed.append(n);
            continue;
        }
        outcome.delivered.append(n);
        if (n.repeats())
            kept.append(n);
    }
    contents.pending = kept;
    contents.lastCheck = now;
    outcome.nextWake = nextWake(kept, now);
    return outcome;
}
