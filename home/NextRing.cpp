#include "home/NextRing.h"

#include "platform/Clock.h"
#include "platform/NotificationDelivery.h"

#include <QCoreApplication>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("NextRing", text); }
} // namespace

QDateTime NextRing::nextRing(const AlarmList &alarms, const QDateTime &now)
{
    QDateTime earliest;
    const QTimeZone zone = Clock::current().timeZone();
    for (const AlarmPtr &alarm : alarms) {
        if (!alarm->active)
            continue;
        for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications)) {
            const QDateTime moment = NotificationDelivery::fireMoment(n, zone);
            if (moment > now && (!earliest.isValid() || moment < earliest))
                earliest = moment;
        }
    }
    return earliest;
}

QString NextRing::timeLeftText(qint64 secondsLeft)
{
    if (secondsLeft < 60)
        return tr("in less than a minute");
    const qint64 minutes = (secondsLeft + 59) / 60;
    const qint64 days = minutes / (24 * 60), hours = minutes / 60 % 24, rest = minutes % 60;
    if (days > 0)
        return tr("in %1 d %2 h").arg(days).arg(hours);
    if (hours > 0)
        return tr("in %1 h %2 min").arg(hours).arg(rest);
    return tr("in %1 min").arg(rest);
}

QString NextRing::lineText(const AlarmList &alarms, const QDateTime &now)
{
    const QDateTime next = nextRing(alarms, now);
    if (!next.isValid())
        return tr("No alarm is set to ring");
    return tr("Next alarm %1").arg(timeLeftText(now.secsTo(next)));
}
