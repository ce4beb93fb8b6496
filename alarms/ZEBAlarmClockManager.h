#pragma once
#include "alarms/ZEBAlarmClock.h"

#include <QObject>
#include <QRecursiveMutex>

// Owns the stored list of alarms and is the only place where alarms become
// local notifications. The list lives in the alarm file "accache" in the
// documents directory and is rewritten whole after every change. Every
// operation holds the data lock, so the app, the command-line tool and the
// stray-notification clean-up never interleave their changes.
class ZEBAlarmClockManager : public QObject
{
    Q_OBJECT
public:
    static ZEBAlarmClockManager &sharedZEBAlarmClockManager();
    static QString alarmFilePath();

    // Reloads the list from the alarm file and returns it.
    ZEBAlarmClockList alarmClocksOnSystemSchedule();
    ZEBAlarmClockList alarmClocks() const;
    bool writeAlarmClocksToCacheFile(const ZEBAlarmClockList &alarms);

    // Both return false when the alarm was not scheduled (budget refused, or the scheduler failed;
    // the stored record is then inactive) or the alarm file could not be written.
    bool addAlarmClockWithoutMask(const ZEBAlarmClockPtr &alarm);
    bool addAlarmClockWithMask(const ZEBAlarmClockPtr &alarm);
    bool activateAlarmClock(const ZEBAlarmClockPtr &alarm);
    void invalidateAlarmClock(const ZEBAlarmClockPtr &alarm);
    void removeAlarmClockFromSystemSchedule(const ZEBAlarmClockPtr &alarm);
    void removeAllAlarmClockFromSystemSchedule();
    bool remainsEnoughNotification(const ZEBAlarmClockPtr &alarm);

    void deleteAlarmClock(const ZEBAlarmClockPtr &alarm);
    // Settles an alarm that has rung: a weekly alarm gets its next occurrences,
    // a one-time alarm ends off, stored inactive, with nothing pending.
    void deleteAlarmClockAndRefreshAlarmClock(const ZEBAlarmClockPtr &alarm);

    void changeAlarmClockStatus(const ZEBAlarmClockPtr &alarm, bool active);
    void stopAlarmClock(const ZEBAlarmClockPtr &alarm);
    ZEBAlarmClockPtr ringingAlarmClockWithIdentifier(const QString &identifier) const;

    // A copy of `alarm` whose alarmTime is its next ring for `mask` (0 or one weekday bit);
    // `alarm`'s own alarmTime moves to today at its time of day.
    ZEBAlarmClockPtr checkIfHourBeyondNow(const ZEBAlarmClockPtr &alarm, unsigned mask);
    static unsigned calculatePlusDayWithNowMaskTargetMask(unsigned nowMask, unsigned targetMask);

    // The notification the add operations build for `alarm` (fire date unset).
    static LocalNotification notificationTemplate(const ZEBAlarmClockPtr &alarm);

    static inline const QString AlarmClockStatusChanged = QStringLiteral("ZEBAlarmClockStatusChangedNotification");

private:
    class ListLock;
    void loadFromFile();
    // The budget check, scheduling and storing shared by both add operations.
    bool scheduleAndStore(const ZEBAlarmClockPtr &alarm);
    bool scheduleAll(const ZEBAlarmClockPtr &alarm);
    void replaceOrAppend(const ZEBAlarmClockPtr &alarm);
    void storeInactive(const ZEBAlarmClockPtr &alarm);
    int indexOf(const QString &identifier) const;
    // Takes the stored entry with `identifier` off the schedule; its index, or -1 when there is none.
    int unscheduleStored(const QString &identifier);

    mutable QRecursiveMutex mutex_;
    ZEBAlarmClockList alarmClocks_;
    int depth_ = 0; // nesting of ListLocks on the thread that holds them
};
