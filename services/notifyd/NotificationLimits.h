#pragma once
#include "platform/LocalNotification.h"

// What the service accepts from other processes on the bus. Anything outside
// these bounds is refused with a sentence saying why, before it is parsed in
// full or reaches the pending list, so no caller can fill the disk or the
// service's memory, or store a date, zone or repeat the service cannot fire.
namespace NotificationLimits {
// Each text field, in UTF-8 bytes.
inline constexpr qsizetype kMaxTextBytes = 4096;
// Fire dates lie within this many years of now.
inline constexpr int kMaxYearsFromNow = 100;
// The whole wire text, in characters: the five text fields at their limit with
// every character escaped as \uXXXX, and room for the rest.
inline constexpr qsizetype kMaxWireLength = 5 * kMaxTextBytes * 6 + 1024;

// Empty when `text` is short enough to be read; otherwise why not.
QString problemWithWire(const QString &text);
// Empty when `n` may be scheduled at `now`; otherwise why not.
QString problemWith(const LocalNotification &n, const QDateTime &now);
} // namespace NotificationLimits
