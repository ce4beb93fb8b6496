#include "platform/NotificationDelivery.h"

QDateTime NotificationDelivery::fireMoment(const LocalNotification &n, const QTimeZone &zone)
{
    if (n.timeZone.isEmpty() || !zone.isValid() || n.timeZone.toUtf8() == zone.id())
        return n.fireDate;
    const QTimeZone origin(n.timeZone.toUtf8());
    if (!origin.isValid())
        return n.fireDate;
    const QDateTime wallClock = n.fireDate.toTimeZone(origin);
    return QDateTime(wallClock.date(), wallClock.time(), zone);
}

QDateTime NotificationDelivery::nextOccurrenceAfter(const LocalNotification &n, const QDateTime &after,
                                                    const QTimeZone &zone)
{
    if (!n.isValid())
        return {};
    const QDateTime fire = fireMoment(n, zone);
    if (!after.isValid() || fire > after)
        return fire;
    if (!n.repeats())
        return {};
    const qint64 periodMs = kRepeatPeriodSecs * 1000;
    const qint64 sinceFire = after.toMSecsSinceEpoch() - fire.toMSecsSinceEpoch();
    const qint64 periods = sinceFire / periodMs + 1;
    return fire.addMSecs(periods * periodMs);
}

QDateTime NotificationDelivery::nextWake(const LocalNotificationList &pending, const QDateTime &now)
{
    QDateTime earliest;
    for (const LocalNotification &n : pending) {
        const QDateTime next = nextOccurrenceAfter(n, now, now.timeZone());
        if (next.isValid() && (!earliest.isValid() || next < earliest))
            earliest = next;
    }
    return earliest;
}

NotificationDelivery::Outcome NotificationDelivery::evaluate(NotificationStore::Contents &contents,
                                                             const QDateTime &now)
{
    Outcome outcome;
    // After the wall clock was set back the last look lies ahead of now; judging from
    // it would skip everything due before it forever. Whatever is still pending then
    // was never delivered at its present fire date: judge it as never looked at.
    const QDateTime since = contents.lastCheck > now ? QDateTime() : contents.lastCheck;
    const QTimeZone zone = now.timeZone();
    LocalNotificationList kept;
    for (const LocalNotification &n : contents.pending) {
        const QDateTime due = nextOccurrenceAfter(n, since, zone);
        if (!due.isValid() || due > now) {
            kept.append(n);
            continue;
        }
        // Never delivered before (the deliverer was not watching when it fell due)
        // and long past: ringing now would wake someone at the wrong time.
        const QDateTime fire = fireMoment(n, zone);
        const bool firstDelivery = !since.isValid() || fire > since;
        if (firstDelivery && fire.secsTo(now) > kMissedAfterSecs) {
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
