#include "tools/tolvekctl/CtlCommands.h"

#include "alarms/ZEBAlarmClockManager.h"
#include "platform/DataLock.h"
#include "platform/LocalNotificationScheduler.h"
#include "tools/tolvekctl/AlarmReport.h"

#include <QJsonDocument>

namespace {
QString jsonText(const QJsonArray &array) { return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)); }
} // namespace

CtlCommands::CtlCommands(QTextStream &out, QTextStream &err)
    : out_(out), err_(err), manager_(ZEBAlarmClockManager::sharedZEBAlarmClockManager())
{
}

int CtlCommands::run(const CtlArguments &arguments)
{
    const QString &command = arguments.command;
    if (command == QLatin1String("list"))
        return list(arguments.json);
    if (command == QLatin1String("pending"))
        return pending(arguments.json);
    if (command == QLatin1String("next"))
        return next();
    // A change reads the list and writes it back under one lock: no other
    // process's change can come in between and be lost.
    DataLock lock;
    manager_.alarmClocksOnSystemSchedule();
    if (command == QLatin1String("add"))
        return add(arguments.changes);
    if (command == QLatin1String("edit"))
        return edit(arguments.identifier, arguments.changes);
    if (command == QLatin1String("delete"))
        return remove(arguments.identifier);
    if (command == QLatin1String("on"))
        return switchOn(arguments.identifier);
    return switchOff(arguments.identifier);
}

int CtlCommands::list(bool json)
{
    const ZEBAlarmClockList alarms = manager_.alarmClocksOnSystemSchedule();
    if (json) {
        QJsonArray array;
        for (const ZEBAlarmClockPtr &alarm : alarms)
            array.append(AlarmReport::alarmJson(*alarm));
        out_ << jsonText(array);
        return Done;
    }
    if (alarms.isEmpty()) {
        out_ << "No alarms.\n";
        return Done;
    }
    out_ << AlarmReport::alarmHeader() << '\n';
    for (const ZEBAlarmClockPtr &alarm : alarms)
        out_ << AlarmReport::alarmLine(*alarm) << '\n';
    return Done;
}

int CtlCommands::add(const AlarmChanges &changes)
{
    auto alarm = std::make_shared<ZEBAlarmClock>();
    changes.applyTo(*alarm);
    if (!manager_.activateAlarmClock(alarm)) {
        err_ << "tolvekctl: the alarm was not added\n";
        return Refused;
    }
    out_ << alarm->identifier << '\n';
    return Done;
}

int CtlCommands::edit(const QString &identifier, const AlarmChanges &changes)
{
    const ZEBAlarmClockPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    changes.applyTo(*alarm);
    if (!alarm->active) {
        // Off stays off: the change is stored, nothing is scheduled.
        manager_.invalidateAlarmClock(alarm);
        return Done;
    }
    return manager_.activateAlarmClock(alarm) ? Done : refused(*alarm);
}

int CtlCommands::remove(const QString &identifier)
{
    const ZEBAlarmClockPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    manager_.deleteAlarmClock(alarm);
    return Done;
}

int CtlCommands::switchOn(const QString &identifier)
{
    const ZEBAlarmClockPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    manager_.changeAlarmClockStatus(alarm, true);
    return manager_.activateAlarmClock(alarm) ? Done : refused(*alarm);
}

int CtlCommands::switchOff(const QString &identifier)
{
    const ZEBAlarmClockPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    manager_.changeAlarmClockStatus(alarm, false);
    manager_.invalidateAlarmClock(alarm);
    return Done;
}

int CtlCommands::pending(bool json)
{
    const QList<AlarmReport::PendingEntry> entries = pendingEntries();
    if (json) {
        QJsonArray array;
        for (const AlarmReport::PendingEntry &entry : entries)
            array.append(AlarmReport::pendingJson(entry));
        out_ << jsonText(array);
        return Done;
    }
    if (entries.isEmpty()) {
        out_ << "No notifications pending.\n";
        return Done;
    }
    for (const AlarmReport::PendingEntry &entry : entries)
        out_ << AlarmReport::pendingLine(entry) << '\n';
    return Done;
}

int CtlCommands::next()
{
    const QList<AlarmReport::PendingEntry> entries = pendingEntries();
    if (entries.isEmpty()) {
        out_ << "No alarm is set to ring.\n";
        return Done;
    }
    out_ << AlarmReport::pendingLine(entries.first()) << '\n';
    return Done;
}

QList<AlarmReport::PendingEntry> CtlCommands::pendingEntries()
{
    const ZEBAlarmClockList alarms = manager_.alarmClocksOnSystemSchedule();
    return AlarmReport::pendingEntries(LocalNotificationScheduler::shared().scheduledLocalNotifications(), alarms);
}

ZEBAlarmClockPtr CtlCommands::find(const QString &identifier)
{
    ZEBAlarmClockPtr alarm = manager_.ringingAlarmClockWithIdentifier(identifier);
    if (!alarm)
        err_ << "tolvekctl: no alarm with id '" << identifier << "'\n";
    return alarm;
}

int CtlCommands::refused(const ZEBAlarmClock &alarm)
{
    err_ << "tolvekctl: alarm " << alarm.identifier << " was not scheduled; it is stored switched off\n";
    return Refused;
}
