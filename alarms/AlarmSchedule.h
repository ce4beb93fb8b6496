#pragma once
#include "alarms/Alarm.h"
#include "platform/StoredNames.h"

struct AlarmChanges;

#include <QObject>
#include <QRecursiveMutex>

// Owns the stored list of alarms and is the only place where alarms become
// local notifications. The list lives in the alarm file "accache" in the
// documents directory and is rewritten whole after every change. Every
// operation holds the data lock, so the app, the command-line tool and the
// stray-notification clean-up never interleave their changes.
class AlarmSchedule : public QObject
{
    Q_OBJECT
public:
    static AlarmSchedule &shared();
    static QString alarmFilePath();

    // Reloads the list from the alarm file and returns it.
    AlarmList reload();
    AlarmList alarms() const;
    bool writeAlarmFile(const AlarmList &alarms);

    // Both return false when the alarm was not scheduled (budget refused, or the scheduler failed;
    // the stored record is then inactive) or the alarm file could not be written.
    bool addOneTime(const AlarmPtr &alarm);
    bool addRepeating(const AlarmPtr &alarm);
    bool activate(const AlarmPtr &alarm);
    // The setting screen's save, all or nothing: `changes` go onto the alarm
    // with `alarm`'s identifier as the alarm file has it now (so what another
    // process changed meanwhile stays), or onto `alarm` itself when the file
    // has none; the result is switched on and scheduled. When its
    // notifications do not fit, the budget alert is shown and nothing changes.
    bool saveChanges(const AlarmPtr &alarm, const AlarmChanges &changes);
    void deactivate(const AlarmPtr &alarm);
    void unschedule(const AlarmPtr &alarm);
    void unscheduleAll();
    bool hasBudgetFor(const AlarmPtr &alarm);

    void remove(const AlarmPtr &alarm);
    // Settles an alarm that has rung: a weekly alarm gets its next occurrences,
    // a one-time alarm ends off, stored inactive, with nothing pending.
    void settleRungAlarm(const AlarmPtr &alarm);

    void setActive(const AlarmPtr &alarm, bool active);
    void stop(const AlarmPtr &alarm);
    AlarmPtr alarmWithIdentifier(const QString &identifier) const;

    // A copy of `alarm` whose alarmTime is its next ring for `mask` (0 or one weekday bit);
    // `alarm`'s own alarmTime moves to today at its time of day.
    AlarmPtr nextRingCopy(const AlarmPtr &alarm, unsigned mask);
    static unsigned daysFromWeekdayToWeekday(unsigned nowMask, unsigned targetMask);

    // The notification the add operations build for `alarm` (fire date unset).
    static LocalNotification notificationTemplate(const AlarmPtr &alarm);

    static inline const QString AlarmStatusChanged = StoredNames::Broadcast::kAlarmStatusChanged;

private:
    class ListLock;
    void loadFromFile();
    // The budget check, scheduling and storing shared by both add operations.
    bool scheduleAndStore(const AlarmPtr &alarm);
    bool scheduleAll(const AlarmPtr &alarm);
    // Whether `needed` more notifications fit once `freed` have left; the budget alert when not.
    bool hasRoomFor(qsizetype needed, const LocalNotificationList &freed);
    void replaceOrAppend(const AlarmPtr &alarm);
    void storeInactive(const AlarmPtr &alarm);
    int indexOf(const QString &identifier) const;
    // Takes the stored entry with `identifier` off the schedule; its index, or -1 when there is none.
    int unscheduleStored(const QString &identifier);

    mutable QRecursiveMutex mutex_;
    AlarmList alarms_;
    int depth_ = 0; // nesting of ListLocks on the thread that holds them
};
