#pragma once
#include "alarms/Alarm.h"
#include "tools/tolvekctl/AlarmReport.h"
#include "tools/tolvekctl/CtlArguments.h"

#include <QTextStream>

class AlarmSchedule;

// Carries out one command through the schedule manager, the same way the
// app's screens do. A change runs under the data lock from reading the list to
// writing it, so it cannot undo a change the app made in between.
class CtlCommands
{
public:
    // NotSaved: the alarm data could not be read, locked or written; nothing was changed.
    enum ExitCode { Done = 0, Refused = 1, BadCommandLine = 2, NotSaved = 3 };

    CtlCommands(QTextStream &out, QTextStream &err);
    int run(const CtlArguments &arguments);

private:
    int list(bool json);
    int add(const AlarmChanges &changes);
    int edit(const QString &identifier, const AlarmChanges &changes);
    int remove(const QString &identifier);
    int switchOn(const QString &identifier);
    int switchOff(const QString &identifier);
    int pending(bool json);
    int next();

    QList<AlarmReport::PendingEntry> pendingEntries();
    // The stored alarm with that id; nullptr (and a message) when there is none.
    AlarmPtr find(const QString &identifier);
    int refused(const Alarm &alarm);
    // The exit status of a change the schedule manager made (`done`) or not.
    int outcome(bool done) const;
    // NotSaved (and a message) when the alarm file cannot be read; Done otherwise.
    int readable();

    QTextStream &out_;
    QTextStream &err_;
    AlarmSchedule &manager_;
};
