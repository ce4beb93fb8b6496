#include "alarms/ScheduleRepair.h"

#include "alarms/AlarmSchedule.h"
#include "alarms/RingTime.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/KeyedArchive.h"
#include "platform/NotificationDelivery.h"
#include "platform/NotificationStore.h"

#include <QDebug>
#include <QFile>

namespace {
QString moment(const LocalNotification &n) { return n.fireDate.toString(Qt::ISODate); }

// Whether `n`, missing from the pending list, still has to ring: unless the
// deliverer already looked past its moment (then it fired or was missed); a
// repeating one (snooze) also while it is ringing, until its alarm is settled.
bool stillToRing(const LocalNotification &n, const QDateTime &lastCheck, const QDateTime &now)
{
    const QDateTime fire = NotificationDelivery::fireMoment(n, now.timeZone());
    return !lastCheck.isValid() || fire > lastCheck
           || (n.repeats() && fire.secsTo(now) <= NotificationDelivery::kMissedAfterSecs);
}

ScheduleRepair::Report refuse(const QString &why)
{
    qWarning().noquote() << "tolvek: the alarms could not be checked against the pending notifications:" << why;
    return {{}, why};
}
} // namespace

ScheduleRepair::Report ScheduleRepair::run()
{
    DataLock lock;
    if (!lock.acquired())
        return refuse(lock.problem());
    AlarmSchedule &schedule = AlarmSchedule::shared();
    AlarmList alarms = schedule.reload();
    if (!schedule.fileProblem().isEmpty())
        return refuse(schedule.fileProblem());
    // No alarm file at all: nothing says what should be pending (the service
    // also serves notifications of its own), so nothing is taken away.
    if (!QFile::exists(AlarmSchedule::alarmFilePath()))
        return {};
    NotificationStore::Contents contents = NotificationStore::load();
    if (!contents.readError.isEmpty())
        return refuse(contents.readError);

    Report report;
    if (!contents.movedAsidePath.isEmpty())
        report.repairs << QStringLiteral("the pending list was damaged (kept as %1); rebuilt from the alarms")
                              .arg(contents.movedAsidePath);
    const QTimeZone zone = Clock::current().timeZone();
    const QDateTime now = Clock::current().now();
    LocalNotificationList unclaimed = contents.pending;
    LocalNotificationList missing;
    bool alarmsChanged = false;
    for (const AlarmPtr &alarm : alarms) {
        if (!alarm->active) {
            if (!alarm->scheduledNotifications->isEmpty()) {
                alarm->scheduledNotifications->clear();
                alarmsChanged = true;
                report.repairs
                    << QStringLiteral("alarm %1 is off; its notifications were dropped").arg(alarm->identifier);
            }
            continue;
        }
        if (!AlarmSchedule::hasAllNotifications(*alarm)) {
            AlarmSchedule::armNotifications(alarm);
            alarmsChanged = true;
            report.repairs
                << QStringLiteral("alarm %1 was on without its notifications; armed again").arg(alarm->identifier);
        }
        bool overdueOnce = false;
        for (auto it = alarm->scheduledNotifications->begin(); it != alarm->scheduledNotifications->end(); ++it) {
            LocalNotification &n = it.value();
            if (unclaimed.removeOne(n))
                continue;
            if (stillToRing(n, contents.lastCheck, now)) {
                missing.append(n);
                report.repairs << QStringLiteral("alarm %1's notification for %2 was not pending; armed again")
                                      .arg(alarm->identifier, moment(n));
                continue;
            }
            // Fired a moment ago: the app settles it (and finds it by this very notification).
            if (NotificationDelivery::fireMoment(n, zone).secsTo(now) <= NotificationDelivery::kMissedAfterSecs)
                continue;
            // Long past and never settled (the app was not told): as if it had been.
            if (alarm->repeatMask == 0) {
                overdueOnce = true;
                continue;
            }
            n.fireDate = RingTime::nextRingTime(alarm->timeOfDay(), it.key().toUInt(), now, zone);
            missing.append(n);
            alarmsChanged = true;
            report.repairs << QStringLiteral("alarm %1's day %2 had passed without being settled; armed for %3")
                                  .arg(alarm->identifier, it.key(), moment(n));
        }
        if (overdueOnce) {
            alarm->active = false;
            alarm->scheduledNotifications->clear();
            alarmsChanged = true;
            report.repairs << QStringLiteral("one-time alarm %1 had passed without being settled; switched off")
                                  .arg(alarm->identifier);
        }
    }
    for (const LocalNotification &n : std::as_const(unclaimed)) {
        contents.pending.removeOne(n);
        report.repairs << QStringLiteral("removed a notification for %1 that no alarm has").arg(moment(n));
    }
    for (const LocalNotification &n : std::as_const(missing)) {
        if (!NotificationStore::schedule(contents, n))
            report.repairs << QStringLiteral("no room to arm the notification for %1").arg(moment(n));
    }
    if (report.repairs.isEmpty())
        return report;
    // The alarm file first, as every change writes them.
    QString error;
    if (alarmsChanged && !schedule.writeAlarmFile(alarms, &error))
        return refuse(error);
    if (!NotificationStore::save(contents, &error))
        return refuse(error);
    schedule.reload();
    for (const QString &line : std::as_const(report.repairs))
        qInfo().noquote() << "tolvek: repaired:" << line;
    return report;
}
