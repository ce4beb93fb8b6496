#pragma once
#include "alarms/Alarm.h"

// The ring-status file "acstatus": present with "rStatus" YES while an alarm
// rings and has not been dismissed, so a relaunch brings its unlock screen back.
// Root: {"rStatus": true, "rAlarmClock": <alarm>}.
namespace RingStatusFile {
QString path();
bool write(const AlarmPtr &ringingAlarm);
// The ringing alarm, or nullptr when the file is absent, damaged, not ringing
// or holds no alarm.
AlarmPtr read();
void remove();
bool exists();
} // namespace RingStatusFile
