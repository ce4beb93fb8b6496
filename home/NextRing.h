#pragma once
#include "alarms/Alarm.h"

#include <QDateTime>

// The time left to the next ring, for the line under the clock.
namespace NextRing {
// The earliest fire moment after `now` among the notifications of the active
// alarms; invalid when none will ring.
QDateTime nextRing(const AlarmList &alarms, const QDateTime &now);
// "in 7 h 25 min", "in 25 min", "in 2 d 3 h", "in less than a minute";
// minutes round up, so an alarm at 07:00 seen at 23:35:10 is "in 7 h 25 min".
QString timeLeftText(qint64 secondsLeft);
// "Next alarm in ...", or "No alarm is set to ring".
QString lineText(const AlarmList &alarms, const QDateTime &now);
} // namespace NextRing
