#include "tools/tolvekctl/AlarmReport.h"

#include "platform/Clock.h"
#include "platform/NotificationDelivery.h"
#include "tools/tolvekctl/AlarmOptionText.h"

#include <QLocale>
#include <algorithm>

namespace {
QString offsetText(int offsetSecs)
{
    const int minutes = std::abs(offsetSecs) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(offsetSecs < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// "Thu 2025-01-09 07:30 +01:00"
QString readableMoment(const QDateTime &moment)
{
    const QDateTime local = moment.toTimeZone(Clock::current().timeZone());
    return QLocale::c().toString(local, QStringLiteral("ddd yyyy-MM-dd HH:mm ")) + offsetText(local.offsetFromUtc());
}

QString timeOfDay(const Alarm &alarm) { return alarm.alarmTime.time().toString(QStringLiteral("HH:mm")); }

int kind(const Alarm &alarm) { return alarm.unlocker ? alarm.unlocker->kind : 0; }

// The dictionary's entries in day order ("2" before "16"), not text order.
QList<QPair<QString, LocalNotification>> notificationsByDay(const Alarm &alarm)
{
    QList<QPair<QString, LocalNotification>> entries;
    for (auto it = alarm.scheduledNotifications->cbegin(); it != alarm.scheduledNotifications->cend(); ++it)
        entries.append({it.key(), it.value()});
    std::sort(entries.begin(), entries.end(),
              [](const auto &a, const auto &b) { return a.first.toUInt() < b.first.toUInt(); });
    return entries;
}

QDateTime earliestRing(const Alarm &alarm)
{
    QDateTime earliest;
    for (const LocalNotification &n : std::as_const(*alarm.scheduledNotifications)) {
        const QDateTime moment = AlarmReport::fireMoment(n);
        if (!earliest.isValid() || moment < earliest)
            earliest = moment;
    }
    return earliest;
}
} // namespace

QString AlarmReport::isoWithOffset(const QDateTime &moment)
{
    const QDateTime local = moment.toTimeZone(Clock::current().timeZone());
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + offsetText(local.offsetFromUtc());
}

QDateTime AlarmReport::fireMoment(const LocalNotification &n)
{
    return NotificationDelivery::fireMoment(n, Clock::current().timeZone());
}

QJsonObject AlarmReport::alarmJson(const Alarm &alarm)
{
    QJsonArray notifications;
    for (const auto &[key, n] : notificationsByDay(alarm))
        notifications.append(
            QJsonObject{{QStringLiteral("key"), key}, {QStringLiteral("fireDate"), isoWithOffset(fireMoment(n))}});
    return QJsonObject{
        {QStringLiteral("id"), alarm.identifier},
        {QStringLiteral("time"), timeOfDay(alarm)},
        {QStringLiteral("mask"), qint64(alarm.repeatMask)},
        {QStringLiteral("days"), QJsonArray::fromStringList(DayNames::forMask(alarm.repeatMask))},
        {QStringLiteral("sound"), alarm.soundFile},
        {QStringLiteral("slogan"), alarm.slogan},
        {QStringLiteral("unlocker"), kind(alarm)},
        {QStringLiteral("snooze"), alarm.snooze},
        {QStringLiteral("active"), alarm.active},
        {QStringLiteral("notifications"), notifications},
    };
}

QString AlarmReport::alarmHeader()
{
    return QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
        .arg(QStringLiteral("ID"), -8)
        .arg(QStringLiteral("TIME"), -5)
        .arg(QStringLiteral("DAYS"), -27)
        .arg(QStringLiteral("ON"), -3)
        .arg(QStringLiteral("NEXT RING"), -27)
        .arg(QStringLiteral("SNOOZE"), -6)
        .arg(QStringLiteral("UNLOCKER"), -11)
        .arg(QStringLiteral("SOUND / SLOGAN"));
}

QString AlarmReport::alarmLine(const Alarm &alarm)
{
    const QStringList days = DayNames::forMask(alarm.repeatMask);
    const QDateTime next = earliestRing(alarm);
    return QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8 / \"%9\"")
        .arg(alarm.identifier, -8)
        .arg(timeOfDay(alarm), -5)
        .arg(days.isEmpty() ? QStringLiteral("once") : days.join(QLatin1Char(' ')), -27)
        .arg(alarm.active ? QStringLiteral("on") : QStringLiteral("off"), -3)
        .arg(next.isValid() ? readableMoment(next) : QStringLiteral("-"), -27)
        .arg(alarm.snooze ? QStringLiteral("yes") : QStringLiteral("no"), -6)
        .arg(QStringLiteral("%1 %2").arg(kind(alarm)).arg(UnlockerNames::shortName(kind(alarm))), -11)
        .arg(alarm.soundFile, alarm.slogan);
}

QList<AlarmReport::PendingEntry> AlarmReport::pendingEntries(const LocalNotificationList &pending,
                                                             const AlarmList &alarms)
{
    QList<PendingEntry> entries;
    for (const LocalNotification &n : pending) {
        PendingEntry entry{n, {}};
        // Fired notifications are traced to alarms by fire date alone; so are these.
        for (const AlarmPtr &alarm : alarms)
            for (const LocalNotification &held : std::as_const(*alarm->scheduledNotifications))
                if (held.fireDate == n.fireDate)
                    entry.alarmIdentifier = alarm->identifier;
        entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const PendingEntry &a, const PendingEntry &b) {
        return fireMoment(a.notification) < fireMoment(b.notification);
    });
    return entries;
}

QJsonObject AlarmReport::pendingJson(const PendingEntry &entry)
{
    const LocalNotification &n = entry.notification;
    return QJsonObject{
        {QStringLiteral("fireDate"), isoWithOffset(fireMoment(n))},
        {QStringLiteral("repeat"), n.repeats() ? QStringLiteral("minute") : QStringLiteral("none")},
        {QStringLiteral("body"), n.alertBody},
        {QStringLiteral("sound"), n.soundName},
        {QStringLiteral("alarm"), entry.alarmIdentifier.isEmpty() ? QJsonValue() : QJsonValue(entry.alarmIdentifier)},
    };
}

QString AlarmReport::pendingLine(const PendingEntry &entry)
{
    const LocalNotification &n = entry.notification;
    return QStringLiteral("%1  %2  %3  %4  \"%5\"")
        .arg(readableMoment(fireMoment(n)), -27)
        .arg(entry.alarmIdentifier.isEmpty() ? QStringLiteral("(none)") : entry.alarmIdentifier, -8)
        .arg(n.repeats() ? QStringLiteral("repeats every minute") : QStringLiteral("once"), -20)
        .arg(n.soundName, n.alertBody);
}
