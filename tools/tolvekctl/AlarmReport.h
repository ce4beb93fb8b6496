#pragma once
#include "alarms/Alarm.h"
#include "platform/LocalNotification.h"

#include <QJsonArray>
#include <QJsonObject>

// How the tool shows alarms and pending notifications: JSON for scripts, one
// line per item for people. Moments are shown in the device's current zone.
namespace AlarmReport {
// "2025-01-09T07:30:00+01:00": ISO 8601 with the UTC offset always written out.
QString isoWithOffset(const QDateTime &moment);
// When `n` fires on this device.
QDateTime fireMoment(const LocalNotification &n);

QJsonObject alarmJson(const Alarm &alarm);
QString alarmLine(const Alarm &alarm);
QString alarmHeader();

// A pending notification together with the alarm that holds it ("" when none does).
struct PendingEntry
{
    LocalNotification notification;
    QString alarmIdentifier;
};
// Every pending notification, earliest first, each traced to its alarm by fire date.
QList<PendingEntry> pendingEntries(const LocalNotificationList &pending, const AlarmList &alarms);
QJsonObject pendingJson(const PendingEntry &entry);
QString pendingLine(const PendingEntry &entry);
} // namespace AlarmReport
