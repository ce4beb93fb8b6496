#pragma once
#include "alarms/Alarm.h"

#include <QTime>
#include <optional>

// What someone changed on an alarm (the command line's add and edit, the
// setting screen). Unset fields leave the alarm as it is, so changes made
// elsewhere meanwhile to the other fields survive when these are applied.
struct AlarmChanges
{
    std::optional<QTime> time;    // hours and minutes
    std::optional<quint32> mask;  // 0: rings once
    std::optional<QString> sound; // a catalogue file name or the random marker
    std::optional<QString> slogan;
    std::optional<int> kind;
    std::optional<bool> snooze;

    bool isEmpty() const { return !time && !mask && !sound && !slogan && !kind && !snooze; }
    void applyTo(Alarm &alarm) const;
    // The fields in which `after` differs from `before`.
    static AlarmChanges between(const Alarm &before, const Alarm &after);
};
