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
// start-up repair never interleave their changes.
//
// A change is written in one order: the alarm file first (it is the truth),
// then the pending list in one write. When the second write fails the alarm
// file is put back; a process killed between the two is made whole by the
// start-up repair (ScheduleRepair), which arms what the alarm file says.
// A change that cannot be made (the lock is busy, the alarm file cannot be
// read, a write fails, no room for its notifications) changes nothing, is
// reported through the alert presenter and returns false.
class AlarmSchedule : public QObject
{
    Q_OBJECT
public:
    enum class Failure { None, NoRoom, Storage };

    static AlarmSchedule &shared();
    static QString alarmFilePath();

    // Reloads the list from the alarm file and returns it (what it had when the file cannot be read; see problem()).
    AlarmList reload();
    AlarmList alarms() const;
    // Writes the list as it is, without touching the pending notifications.
    bool writeAlarmFile(const AlarmList &alarms, QString *error = nullptr);

    // Both return false when the alarm was not scheduled (no room: the stored
    // record is then inactive) or nothing could be stored.
    bool addOneTime(const AlarmPtr &alarm);
    bool addRepeating(const AlarmPtr &alarm);
    bool activate(const AlarmPtr &alarm);
    // The setting screen's save, all or nothing: `changes` go onto the alarm
    // with `alarm`'s identifier as the alarm file has it now (so what another
    // process changed meanwhile stays), or onto `alarm` itself when the file
    // has none; the result is switched on and scheduled. When its
    // notifications do not fit, the budget alert is shown and nothing changes.
    bool saveChanges(const AlarmPtr &alarm, const AlarmChanges &changes);
    // The off switch: takes the alarm's notifications off the schedule and stores it inactive.
    bool deactivate(const AlarmPtr &alarm);
    // No alarms and nothing pending.
    bool unscheduleAll();
    bool remove(const AlarmPtr &alarm);
    // Switches the stored alarm with `identifier` on (scheduled) or off (nothing
    // pending), keeping its place in the list. False when it is not stored, was
    // not scheduled (it then stays off) or the change could not be saved.
    bool switchAlarm(const QString &identifier, bool on);
    // Puts the stored alarms in the order of `identifiers` (stored order, oldest
    // first). Alarms it does not name keep their place after the named ones;
    // unknown identifiers are skipped. False when the file could not be written.
    bool reorder(const QStringList &identifiers);
    // Settles an alarm that has rung: a weekly alarm gets its next occurrences,
    // a one-time alarm ends off, stored inactive, with nothing pending.
    bool settleRungAlarm(const AlarmPtr &alarm);

    void setActive(const AlarmPtr &alarm, bool active);
    void stop(const AlarmPtr &alarm);
    AlarmPtr alarmWithIdentifier(const QString &identifier) const;

    // Why the last operation failed, and what kind of failure it was (None after a success).
    Failure lastFailure() const { return failure_; }
    QString problem() const { return problem_; }
    // Why the alarm file cannot be used at all ("" when it can): every change is refused meanwhile.
    QString fileProblem() const { return fileProblem_; }

    // Gives `alarm` the notifications of its next rings (one per weekday of its
    // mask, or one for a one-time alarm, whose alarmTime then becomes that ring).
    static void armNotifications(const AlarmPtr &alarm);
    // Whether `alarm`'s notifications cover its days (one per weekday bit, or the one-time key).
    static bool hasAllNotifications(const Alarm &alarm);

    // The notification the add operations build for `alarm` (fire date unset).
    static LocalNotification notificationTemplate(const AlarmPtr &alarm);

    static inline const QString AlarmStatusChanged = StoredNames::Broadcast::kAlarmStatusChanged;

private:
    class ListLock;
    void loadFromFile();
    void keepBadRecordsAside(int count);
    // The budget check, scheduling and storing shared by the add operations.
    bool scheduleAndStore(const AlarmPtr &alarm, const LocalNotificationList &cancel);
    // Takes `alarm` (and its stored entry) off the schedule in memory: what must leave the pending list.
    LocalNotificationList takeOffSchedule(const AlarmPtr &alarm);
    bool hasRoomFor(qsizetype needed, const LocalNotificationList &freed);
    // Stores `next` as the list and changes the pending list to match, all or nothing.
    bool commit(const AlarmList &next, const LocalNotificationList &cancel, const LocalNotificationList &schedule);
    bool fail(Failure kind, const QString &why);
    int indexOf(const QString &identifier) const;
    static AlarmList replaced(AlarmList list, const AlarmPtr &alarm, bool moveToEnd);

    mutable QRecursiveMutex mutex_;
    AlarmList alarms_;
    int depth_ = 0; // nesting of ListLocks on the thread that holds them
    Failure failure_ = Failure::None;
    QString problem_;
    QString fileProblem_;
};
