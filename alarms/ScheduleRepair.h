#pragma once
#include <QString>
#include <QStringList>

// Makes the pending notifications agree with the alarm file, which is the
// truth: every active alarm has exactly its notifications, every other pending
// notification goes. Runs at every start of the app and of the notification
// service, and before each change the command-line tool makes, so a process
// killed between writing the two files, a damaged or wrong-shaped pending
// file, or a write that failed halfway is mended. An active alarm whose
// notifications are missing from its record is armed again from its time of
// day. A notification that has already fired (the deliverer looked after its
// moment) is left for the app to settle, not armed again.
//
// It works on the files directly, not through a scheduler, so the service
// can run it before it fires anything.
namespace ScheduleRepair {
struct Report
{
    QStringList repairs; // what was mended, one line each (also logged)
    QString problem;     // why nothing could be checked ("" when the check ran)
    bool ok() const { return problem.isEmpty(); }
};
Report run();
} // namespace ScheduleRepair
