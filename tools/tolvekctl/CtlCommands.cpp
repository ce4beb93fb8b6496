#include "tools/tolvekctl/CtlCommands.h"

#include "alarms/AlarmSchedule.h"
#include "alarms/ScheduleRepair.h"
#include "platform/DataLock.h"
#include "platform/LocalNotificationScheduler.h"
#include "tools/tolvekctl/AlarmReport.h"

#include <QJsonDocument>

namespace {
QString jsonText(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}
} // namespace

CtlCommands::CtlCommands(QTextStream &out, QTextStream &err) : out_(out), err_(err), manager_(AlarmSchedule::shared())
{ }

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
    if (!lock.acquired()) {
        err_ << "tolvekctl: " << lock.problem() << '\n';
        return NotSaved;
    }
    // Starts from alarms and notifications that agree, whatever an earlier run left.
    ScheduleRepair::run();
    manager_.reload();
    if (const int status = readable(); status != Done)
        return status;
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
    const AlarmList alarms = manager_.reload();
    if (const int status = readable(); status != Done)
        return status;
    if (json) {
        QJsonArray array;
        for (const AlarmPtr &alarm : alarms)
            array.append(AlarmReport::alarmJson(*alarm));
        out_ << jsonText(array);
        return Done;
    }
    if (alarms.isEmpty()) {
        out_ << "No alarms.\n";
        return Done;
    }
    out_ << AlarmReport::alarmHeader() << '\n';
    for (const AlarmPtr &alarm : alarms)
        out_ << AlarmReport::alarmLine(*alarm) << '\n';
    return Done;
}

int CtlCommands::add(const AlarmChanges &changes)
{
    auto alarm = std::make_shared<Alarm>();
    changes.applyTo(*alarm);
    if (!manager_.activate(alarm)) {
        err_ << "tolvekctl: the alarm was not added\n";
        return outcome(false);
    }
    out_ << alarm->identifier << '\n';
    return Done;
}

int CtlCommands::edit(const QString &identifier, const AlarmChanges &changes)
{
    const AlarmPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    changes.applyTo(*alarm);
    if (!alarm->active) {
        // Off stays off: the change is stored, nothing is scheduled.
        return outcome(manager_.deactivate(alarm));
    }
    return manager_.activate(alarm) ? Done : refused(*alarm);
}

int CtlCommands::remove(const QString &identifier)
{
    const AlarmPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    return outcome(manager_.remove(alarm));
}

int CtlCommands::switchOn(const QString &identifier)
{
    const AlarmPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    manager_.setActive(alarm, true);
    return manager_.activate(alarm) ? Done : refused(*alarm);
}

int CtlCommands::switchOff(const QString &identifier)
{
    const AlarmPtr alarm = find(identifier);
    if (!alarm)
        return Refused;
    return outcome(manager_.deactivate(alarm));
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
    const AlarmList alarms = manager_.reload();
    readable();
    return AlarmReport::pendingEntries(LocalNotificationScheduler::shared().scheduledLocalNotifications(), alarms);
}

AlarmPtr CtlCommands::find(const QString &identifier)
{
    AlarmPtr alarm = manager_.alarmWithIdentifier(identifier);
    if (!alarm)
        err_ << "tolvekctl: no alarm with id '" << identifier << "'\n";
    return alarm;
}

int CtlCommands::refused(const Alarm &alarm)
{
    if (manager_.lastFailure() == AlarmSchedule::Failure::Storage)
        return NotSaved; // the alert said why; the alarm is as it was
    err_ << "tolvekctl: alarm " << alarm.identifier << " was not scheduled; it is stored switched off\n";
    return Refused;
}

int CtlCommands::outcome(bool done) const
{
    if (done)
        return Done;
    return manager_.lastFailure() == AlarmSchedule::Failure::Storage ? NotSaved : Refused;
}

int CtlCommands::readable()
{
    const QString problem = !manager_.fileProblem().isEmpty() ? manager_.fileProblem() : manager_.problem();
    if (problem.isEmpty())
        return Done;
    err_ << "tolvekctl: cannot read the alarms: " << problem << '\n';
    return NotSaved;
}
