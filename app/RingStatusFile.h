#pragma once
#include "alarms/ZEBAlarmClock.h"

// The ring-status file "acstatus": present with "rStatus" YES while an alarm
// rings and has not been dismissed, so a relaunch brings its unlock screen back.
// Root: {"rStatus": true, "rAlarmClock": <alarm>}.
namespace RingStatusFile {
QString path();
bool write(const ZEBAlarmClockPtr &ringingAlarm);
// The ringing alarm, or nullptr when the file is absent, damaged, not ringing
// or holds no alarm.
ZEBAlarmClockPtr read();
void remove();
bool exists();
} // namespace RingStatusFile
