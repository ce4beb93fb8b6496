#include "alarms/AlarmChanges.h"

#include "alarms/UnlockerCatalogue.h"

void AlarmChanges::applyTo(Alarm &alarm) const
{
    if (time)
        alarm.setTimeOfDay(*time);
    if (mask)
        alarm.repeatMask = *mask;
    if (sound)
        alarm.soundFile = *sound;
    if (slogan)
        alarm.slogan = *slogan;
    if (kind && *kind >= 0 && *kind < Unlocker::kKindCount)
        alarm.unlocker = UnlockerCatalogue::shared().all().at(*kind);
    if (snooze)
        alarm.snooze = *snooze;
}

AlarmChanges AlarmChanges::between(const Alarm &before, const Alarm &after)
{
    AlarmChanges changes;
    if (before.timeOfDay() != after.timeOfDay())
        changes.time = after.timeOfDay();
    if (before.repeatMask != after.repeatMask)
        changes.mask = after.repeatMask;
    if (before.soundFile != after.soundFile)
        changes.sound = after.soundFile;
    if (before.slogan != after.slogan)
        changes.slogan = after.slogan;
    const int beforeKind = before.unlocker ? before.unlocker->kind : -1;
    if (after.unlocker && after.unlocker->kind != beforeKind)
        changes.kind = after.unlocker->kind;
    if (before.snooze != after.snooze)
        changes.snooze = after.snooze;
    return changes;
}
