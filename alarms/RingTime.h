#pragma once
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

// The one place where ring times are computed. Days are calendar days in the
// local time zone, so an alarm keeps its wall-clock time across
// daylight-saving changes:
// - a time in a skipped hour rings the same distance after the jump (02:30 -> 03:30);
// - a time in a repeated hour rings once, at its first occurrence; set while
//   that first occurrence has passed (in the hour's second pass), at its second.
namespace RingTime {

// Days from weekday bit `nowBit` forward to weekday bit `targetBit`: 1..6, or
// 7 for the same weekday. Both are single mask bits (1 = Sunday ... 64 = Saturday).
unsigned daysFromWeekdayToWeekday(unsigned nowBit, unsigned targetBit);

// The mask bit of the weekday of `local`'s date.
unsigned weekdayBit(const QDate &date);

// The moment `timeOfDay` (hours and minutes) happens on `date` in `zone`
// (see the daylight-saving rules above).
QDateTime wallClockMoment(const QDate &date, const QTime &timeOfDay, const QTimeZone &zone);

// The next ring at `timeOfDay` strictly after `now`: for `maskBit` 0 today
// if still ahead, else tomorrow; for a weekday bit, the next such weekday
// (today when still ahead, otherwise in 1..7 days). The current minute is not ahead.
QDateTime nextRingTime(const QTime &timeOfDay, unsigned maskBit, const QDateTime &now, const QTimeZone &zone);

} // namespace RingTime
