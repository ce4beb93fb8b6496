#include "alarms/AlarmSchedule.h"
#include "platform/StoredNames.h"

#include "alarms/AlarmChanges.h"
#include "alarms/RingTime.h"
#include "alarms/SoundCatalogue.h"
#include "platform/AlertPresenter.h"
#include "platform/AtomicFile.h"
#include "platform/Broadcaster.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/KeyedArchive.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSet>
#include <bit>

namespace {
// Puts back the alarm file as it was before a change whose second half failed.
void restoreAlarmFile(const QString &path, const AtomicFile::Read &before)
{
    QString error;
    const bool restored = before.status == AtomicFile::Read::Status::Ok ? AtomicFile::write(path, before.bytes, &error)
                                                                        : QFile::remove(path) || !QFile::exists(path);
    if (!restored)
        qCritical().noquote() << "tolvek: could not put back the alarm file after a failed change:" << error
                              << "- the next start arms what it holds";
}

void presentAlert(const QString &title, const QString &message)
{
    AlertRequest alert;
    alert.title = title;
    alert.message = message;
    alert.buttons.append({QCoreApplication::translate("AlarmSchedule", "Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
}
} // namespace

// Held by every operation: the list in memory and the alarm file change together.
// The data lock comes first, as everywhere else, so the two can never deadlock.
// The outermost change starts from the file, so a change made meanwhile by
// another process (the command-line tool, a second window) is never overwritten.
class AlarmSchedule::ListLock
{
public:
    explicit ListLock(AlarmSchedule &manager, bool reload = true) : manager_(manager), guard_(&manager.mutex_)
    {
        if (manager_.depth_++ > 0)
            return;
        manager_.failure_ = Failure::None;
        manager_.problem_.clear();
        if (reload && files_.acquired())
            manager_.loadFromFile();
    }
    ~ListLock() { --manager_.depth_; }
    bool held() const { return files_.acquired(); }
    QString lockProblem() const { return files_.problem(); }
    // False, with the failure reported, when no change may be made now.
    bool allowsChanges()
    {
        if (!files_.acquired())
            return manager_.fail(Failure::Storage, files_.problem());
        if (!manager_.fileProblem_.isEmpty())
            return manager_.fail(Failure::Storage, manager_.fileProblem_);
        return true;
    }

private:
    AlarmSchedule &manager_;
    DataLock files_;
    QMutexLocker<QRecursiveMutex> guard_;
};

AlarmSchedule &AlarmSchedule::shared()
{
    static AlarmSchedule *manager = new AlarmSchedule;
    return *manager;
}

QString AlarmSchedule::alarmFilePath() { return Paths::documentPath(StoredNames::kAlarmFile); }

AlarmList AlarmSchedule::reload()
{
    ListLock lock(*this, false);
    if (lock.held()) {
        loadFromFile();
    } else {
        failure_ = Failure::Storage;
        problem_ = lock.lockProblem();
    }
    return alarms_;
}

void AlarmSchedule::loadFromFile()
{
    alarms_.clear();
    fileProblem_.clear();
    int bad = 0;
    AlarmList loaded;
    const auto takeList = [&](const KeyedUnarchiver &records) {
        if (!records.isArray())
            return false;
        QSet<QString> identifiers; // a lookup per record would make loading quadratic
        records.forEachElement([&](const KeyedUnarchiver &record) {
            const AlarmPtr alarm = Alarm::fromArchive(record);
            // Not an alarm, or one nobody could address: never loaded as a blank one.
            if (!alarm || identifiers.contains(alarm->identifier)) {
                ++bad;
                return;
            }
            identifiers.insert(alarm->identifier);
            loaded.append(alarm);
        });
        return true;
    };
    const KeyedArchive::ReadResult read = KeyedArchive::readFile(alarmFilePath(), takeList);
    if (read.status == KeyedArchive::ReadStatus::Unreadable) {
        fileProblem_ = read.error;
        return;
    }
    if (read.status != KeyedArchive::ReadStatus::Ok)
        return;
    alarms_ = loaded;
    if (bad > 0)
        keepBadRecordsAside(bad);
}

void AlarmSchedule::keepBadRecordsAside(int count)
{
    // A copy of the whole file keeps the records this build cannot use; the
    // file itself then holds the good ones, so the copy is made once.
    QString error;
    const QString aside = AtomicFile::keepAside(alarmFilePath(), false, &error);
    if (aside.isEmpty()) {
        fileProblem_ = QStringLiteral("%1 holds %2 records that cannot be read, and they could not be kept aside: %3")
                           .arg(alarmFilePath())
                           .arg(count)
                           .arg(error);
        qWarning().noquote() << "tolvek:" << fileProblem_;
        return;
    }
    qWarning().noquote() << "tolvek:" << count << "records in" << alarmFilePath() << "cannot be read; kept them in"
                         << aside;
    if (!writeAlarmFile(alarms_, &error))
        qWarning().noquote() << "tolvek: could not rewrite the alarm file without them:" << error;
}

AlarmList AlarmSchedule::alarms() const
{
    QMutexLocker lock(&mutex_);
    return alarms_;
}

bool AlarmSchedule::writeAlarmFile(const AlarmList &alarms, QString *error)
{
    DataLock lock;
    if (!lock.acquired()) {
        if (error)
            *error = lock.problem();
        return false;
    }
    const auto writeList = [&](JsonTextWriter &json) {
        json.beginArray();
        for (const AlarmPtr &alarm : alarms)
            KeyedArchiver::write(json, alarm.get());
        json.endArray();
    };
    return KeyedArchive::writeFile(alarmFilePath(), writeList, error);
}

LocalNotification AlarmSchedule::notificationTemplate(const AlarmPtr &alarm)
{
    LocalNotification n;
    n.timeZone = QString::fromUtf8(Clock::current().timeZone().id());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.repeatInterval = alarm->snooze ? LocalNotification::kRepeatSecond : LocalNotification::kRepeatNone;
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = alarm->slogan;
    // One pick per add: every day of a weekly alarm rings the same sound.
    n.soundName = SoundCatalogue::resolve(alarm->soundFile);
    return n;
}

void AlarmSchedule::armNotifications(const AlarmPtr &alarm)
{
    const Clock &clock = Clock::current();
    const QDateTime now = clock.now();
    const QTime timeOfDay = alarm->timeOfDay();
    LocalNotification n = notificationTemplate(alarm);
    alarm->scheduledNotifications->clear();
    if (alarm->repeatMask == 0) {
        n.fireDate = RingTime::nextRingTime(timeOfDay, 0, now, clock.timeZone());
        alarm->alarmTime = n.fireDate;
        alarm->scheduledNotifications->insert(Alarm::notificationKeyForBit(0), n);
        return;
    }
    alarm->setTimeOfDay(timeOfDay, now.date());
    for (unsigned bit = 1; bit <= 64; bit <<= 1) {
        if (!(alarm->repeatMask & bit))
            continue;
        n.fireDate = RingTime::nextRingTime(timeOfDay, bit, now, clock.timeZone());
        alarm->scheduledNotifications->insert(Alarm::notificationKeyForBit(bit), n);
    }
}

bool AlarmSchedule::hasAllNotifications(const Alarm &alarm)
{
    QStringList expected;
    if (alarm.repeatMask == 0)
        expected << Alarm::notificationKeyForBit(0);
    for (unsigned bit = 1; bit <= 64; bit <<= 1)
        if (alarm.repeatMask & bit)
            expected << Alarm::notificationKeyForBit(bit);
    QStringList keys = alarm.scheduledNotifications->keys();
    expected.sort();
    keys.sort();
    if (keys != expected)
        return false;
    for (const LocalNotification &n : std::as_const(*alarm.scheduledNotifications))
        if (!n.isValid())
            return false;
    return true;
}

bool AlarmSchedule::addOneTime(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    const LocalNotificationList cancel = takeOffSchedule(alarm);
    // The stored record is a copy whose time is the ring; the given one keeps today.
    alarm->setTimeOfDay(alarm->timeOfDay(), Clock::current().now().date());
    const AlarmPtr ring = alarm->copy();
    armNotifications(ring);
    return scheduleAndStore(ring, cancel);
}

bool AlarmSchedule::addRepeating(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    const LocalNotificationList cancel = takeOffSchedule(alarm);
    armNotifications(alarm);
    return scheduleAndStore(alarm, cancel);
}

bool AlarmSchedule::saveChanges(const AlarmPtr &alarm, const AlarmChanges &changes)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    const int i = indexOf(alarm->identifier);
    // A copy, so a refusal leaves the list in memory as the file has it.
    const AlarmPtr saved = i >= 0 ? alarms_[i]->copy() : alarm->copy();
    changes.applyTo(*saved);
    saved->active = true;
    const qsizetype needed = saved->repeatMask != 0 ? std::popcount(saved->repeatMask) : 1;
    const LocalNotificationList freed = i >= 0 ? alarms_[i]->scheduledNotifications->values() : LocalNotificationList();
    if (!hasRoomFor(needed, freed))
        return false;
    return activate(saved);
}

bool AlarmSchedule::scheduleAndStore(const AlarmPtr &alarm, const LocalNotificationList &cancel)
{
    const LocalNotificationList schedule = alarm->scheduledNotifications->values();
    if (hasRoomFor(schedule.size(), cancel))
        return commit(replaced(alarms_, alarm, true), cancel, schedule);
    // Refused: nothing rings, so the stored record must not claim to be on.
    alarm->scheduledNotifications->clear();
    alarm->active = false;
    if (indexOf(alarm->identifier) >= 0)
        commit(replaced(alarms_, alarm, false), cancel, {});
    return false;
}

LocalNotificationList AlarmSchedule::takeOffSchedule(const AlarmPtr &alarm)
{
    // The given record may be an older copy (from the ring-status file): its
    // notifications are the ones that rang, so they leave too.
    LocalNotificationList cancel;
    const int i = indexOf(alarm->identifier);
    if (i >= 0)
        cancel = alarms_[i]->scheduledNotifications->values();
    for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications))
        if (!cancel.contains(n))
            cancel.append(n);
    alarm->scheduledNotifications->clear();
    return cancel;
}

bool AlarmSchedule::hasRoomFor(qsizetype needed, const LocalNotificationList &freed)
{
    LocalNotificationList pending = LocalNotificationScheduler::shared().scheduledLocalNotifications();
    for (const LocalNotification &n : freed)
        pending.removeOne(n);
    if (needed <= LocalNotification::kMaxPending - pending.size())
        return true;
    failure_ = Failure::NoRoom;
    problem_ = QStringLiteral("no room for %1 more notifications (%2 of %3 pending)")
                   .arg(needed)
                   .arg(pending.size())
                   .arg(LocalNotification::kMaxPending);
    presentAlert(QCoreApplication::translate("AlarmSchedule", "Add Alarm Failed"),
                 QCoreApplication::translate("AlarmSchedule", "Fail to add alarm. The alarm clock resource is not "
                                                              "enough, delete some alarms and try again."));
    return false;
}

bool AlarmSchedule::commit(const AlarmList &next, const LocalNotificationList &cancel,
                           const LocalNotificationList &schedule)
{
    const QString path = alarmFilePath();
    const AtomicFile::Read before = AtomicFile::read(path, KeyedArchive::kMaxFileBytes);
    QString error;
    if (!writeAlarmFile(next, &error)) {
        loadFromFile();
        return fail(Failure::Storage, error);
    }
    if ((!cancel.isEmpty() || !schedule.isEmpty())
        && !LocalNotificationScheduler::shared().changeLocalNotifications(cancel, schedule, &error)) {
        restoreAlarmFile(path, before);
        loadFromFile();
        return fail(Failure::Storage, error);
    }
    alarms_ = next;
    return true;
}

bool AlarmSchedule::fail(Failure kind, const QString &why)
{
    failure_ = kind;
    problem_ = why;
    qWarning().noquote() << "tolvek: a change of the alarms was not made:" << why;
    presentAlert(QCoreApplication::translate("AlarmSchedule", "Alarms Not Saved"),
                 QCoreApplication::translate("AlarmSchedule", "Your change could not be saved, so your alarms are "
                                                              "as they were. %1")
                     .arg(why));
    return false;
}

bool AlarmSchedule::activate(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    return alarm->repeatMask != 0 ? addRepeating(alarm) : addOneTime(alarm);
}

bool AlarmSchedule::deactivate(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    const LocalNotificationList cancel = takeOffSchedule(alarm);
    alarm->active = false;
    return commit(replaced(alarms_, alarm, false), cancel, {});
}

bool AlarmSchedule::unscheduleAll()
{
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    return commit({}, LocalNotificationScheduler::shared().scheduledLocalNotifications(), {});
}

AlarmList AlarmSchedule::replaced(AlarmList list, const AlarmPtr &alarm, bool moveToEnd)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i]->identifier != alarm->identifier)
            continue;
        if (!moveToEnd) {
            list[i] = alarm;
            return list;
        }
        list.removeAt(i);
        break;
    }
    if (moveToEnd)
        list.append(alarm);
    return list;
}

int AlarmSchedule::indexOf(const QString &identifier) const
{
    for (int i = 0; i < alarms_.size(); ++i)
        if (alarms_[i]->identifier == identifier)
            return i;
    return -1;
}

bool AlarmSchedule::remove(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    if (indexOf(alarm->identifier) < 0)
        return true; // not stored: nothing to remove
    const LocalNotificationList cancel = takeOffSchedule(alarm);
    AlarmList next = alarms_;
    next.removeAt(indexOf(alarm->identifier));
    return commit(next, cancel, {});
}

bool AlarmSchedule::switchAlarm(const QString &identifier, bool on)
{
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    const int place = indexOf(identifier);
    if (place < 0)
        return false;
    const AlarmPtr alarm = alarms_[place];
    if (!on)
        return deactivate(alarm);
    alarm->active = true;
    bool done = activate(alarm);
    // Scheduling stores it last; it goes back where the user had it.
    const int now = indexOf(identifier);
    if (now >= 0 && now != place) {
        AlarmList next = alarms_;
        next.move(now, place);
        done = commit(next, {}, {}) && done;
    }
    return done;
}

bool AlarmSchedule::reorder(const QStringList &identifiers)
{
    ListLock lock(*this);
    if (!lock.allowsChanges())
        return false;
    AlarmList ordered;
    for (const QString &identifier : identifiers) {
        const int i = indexOf(identifier);
        if (i >= 0 && !ordered.contains(alarms_[i]))
            ordered.append(alarms_[i]);
    }
    // Alarms added meanwhile (by another process) are kept.
    for (const AlarmPtr &alarm : std::as_const(alarms_))
        if (!ordered.contains(alarm))
            ordered.append(alarm);
    return commit(ordered, {}, {});
}

bool AlarmSchedule::settleRungAlarm(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    {
        ListLock lock(*this);
        if (!lock.allowsChanges())
            return false;
        if (indexOf(alarm->identifier) < 0)
            return true; // deleted meanwhile: nothing to settle
        const LocalNotificationList cancel = takeOffSchedule(alarm);
        if (alarm->repeatMask != 0) {
            // Re-adding moves it to the end; a refusal stores it inactive in place, never drops it.
            armNotifications(alarm);
            if (!scheduleAndStore(alarm, cancel) && failure_ == Failure::Storage)
                return false;
        } else {
            // A one-time alarm that has rung is over: off, nothing pending.
            alarm->active = false;
            if (!commit(replaced(alarms_, alarm, true), cancel, {}))
                return false;
        }
    }
    Broadcaster::shared().post(AlarmStatusChanged, QVariant(false));
    return true;
}

void AlarmSchedule::setActive(const AlarmPtr &alarm, bool active)
{
    if (alarm)
        alarm->active = active;
}

void AlarmSchedule::stop(const AlarmPtr &alarm)
{
    if (alarm)
        alarm->stop = true;
}

AlarmPtr AlarmSchedule::alarmWithIdentifier(const QString &identifier) const
{
    QMutexLocker lock(&mutex_);
    const int i = indexOf(identifier);
    return i >= 0 ? alarms_[i] : nullptr;
}
