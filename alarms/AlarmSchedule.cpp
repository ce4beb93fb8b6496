#include "alarms/AlarmSchedule.h"
#include "platform/StoredNames.h"

#include "alarms/AlarmChanges.h"
#include "alarms/RingTime.h"
#include "alarms/SoundCatalogue.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/KeyedArchive.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/Broadcaster.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <bit>

namespace {
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
        if (manager_.depth_++ == 0 && reload)
            manager_.loadFromFile();
    }
    ~ListLock() { --manager_.depth_; }

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
    loadFromFile();
    return alarms_;
}

void AlarmSchedule::loadFromFile()
{
    alarms_.clear();
    const KeyedArchive::ReadResult read = KeyedArchive::readFile(alarmFilePath());
    if (read.status == KeyedArchive::ReadStatus::Ok && read.root.isArray()) {
        for (const QJsonValue &value : read.root.toArray())
            if (AlarmPtr alarm = Alarm::fromArchive(value))
                alarms_.append(alarm);
    }
}

AlarmList AlarmSchedule::alarms() const
{
    QMutexLocker lock(&mutex_);
    return alarms_;
}

bool AlarmSchedule::writeAlarmFile(const AlarmList &alarms)
{
    DataLock lock;
    QJsonArray root;
    for (const AlarmPtr &alarm : alarms)
        root.append(KeyedArchiver::archivedObject(alarm.get()));
    const bool written = KeyedArchive::writeFile(alarmFilePath(), root);
    if (!written)
        qWarning().noquote() << "tolvek: could not write the alarm file" << alarmFilePath();
    return written;
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

AlarmPtr AlarmSchedule::nextRingCopy(const AlarmPtr &alarm, unsigned mask)
{
    const Clock &clock = Clock::current();
    const QTime timeOfDay = alarm->timeOfDay();
    const QDateTime now = clock.now();
    alarm->setTimeOfDay(timeOfDay, now.date());
    AlarmPtr result = alarm->copy();
    result->alarmTime = RingTime::nextRingTime(timeOfDay, mask, now, clock.timeZone());
    return result;
}

unsigned AlarmSchedule::daysFromWeekdayToWeekday(unsigned nowMask, unsigned targetMask)
{
    return RingTime::daysFromWeekdayToWeekday(nowMask, targetMask);
}

bool AlarmSchedule::addOneTime(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    deactivate(alarm);
    AlarmPtr ring = nextRingCopy(alarm, 0);
    LocalNotification n = notificationTemplate(alarm);
    n.fireDate = ring->alarmTime;
    ring->scheduledNotifications->insert(Alarm::notificationKeyForBit(0), n);
    return scheduleAndStore(ring);
}

bool AlarmSchedule::addRepeating(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    deactivate(alarm);
    LocalNotification n = notificationTemplate(alarm);
    alarm->scheduledNotifications->clear();
    for (unsigned bit = 1; bit <= 64; bit <<= 1) {
        if (!(alarm->repeatMask & bit))
            continue;
        n.fireDate = nextRingCopy(alarm, bit)->alarmTime;
        alarm->scheduledNotifications->insert(Alarm::notificationKeyForBit(bit), n);
    }
    return scheduleAndStore(alarm);
}

bool AlarmSchedule::saveChanges(const AlarmPtr &alarm, const AlarmChanges &changes)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    const int i = indexOf(alarm->identifier);
    // A copy, so a refusal leaves the list in memory as the file has it; it
    // shares the stored entry's notifications, which the add then cancels.
    const AlarmPtr saved = i >= 0 ? alarms_[i]->copy() : alarm->copy();
    changes.applyTo(*saved);
    saved->active = true;
    const qsizetype needed = saved->repeatMask != 0 ? std::popcount(saved->repeatMask) : 1;
    const LocalNotificationList freed = i >= 0 ? alarms_[i]->scheduledNotifications->values() : LocalNotificationList();
    if (!hasRoomFor(needed, freed))
        return false;
    return activate(saved);
}

bool AlarmSchedule::scheduleAndStore(const AlarmPtr &alarm)
{
    if (!hasBudgetFor(alarm) || !scheduleAll(alarm)) {
        storeInactive(alarm);
        return false;
    }
    replaceOrAppend(alarm);
    // Unstored notifications would be taken for strays and cancelled: say so.
    return writeAlarmFile(alarms_);
}

bool AlarmSchedule::scheduleAll(const AlarmPtr &alarm)
{
    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    const NotificationDictionary dictionary = *alarm->scheduledNotifications;
    for (const LocalNotification &n : dictionary) {
        if (scheduler.scheduleLocalNotification(n))
            continue;
        // Half an alarm is worse than none: take back what went in and say so.
        for (const LocalNotification &done : dictionary) {
            if (done == n)
                break;
            scheduler.cancelLocalNotification(done);
        }
        qWarning("tolvek: the notification scheduler refused an alarm's notification");
        return false;
    }
    return true;
}

void AlarmSchedule::storeInactive(const AlarmPtr &alarm)
{
    // Refused: nothing rings, so the stored record must not claim to be on.
    alarm->scheduledNotifications->clear();
    alarm->active = false;
    const int i = indexOf(alarm->identifier);
    if (i >= 0) {
        alarms_[i] = alarm;
        writeAlarmFile(alarms_);
    }
}

bool AlarmSchedule::activate(const AlarmPtr &alarm)
{
    if (!alarm)
        return false;
    return alarm->repeatMask != 0 ? addRepeating(alarm) : addOneTime(alarm);
}

void AlarmSchedule::deactivate(const AlarmPtr &alarm)
{
    if (!alarm)
        return;
    ListLock lock(*this);
    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications))
        scheduler.cancelLocalNotification(n);
    alarm->scheduledNotifications->clear();
    const int i = indexOf(alarm->identifier);
    if (i >= 0)
        alarms_[i] = alarm;
    writeAlarmFile(alarms_);
}

void AlarmSchedule::unschedule(const AlarmPtr &alarm)
{
    if (alarm)
        deactivate(alarm);
}

void AlarmSchedule::unscheduleAll()
{
    ListLock lock(*this);
    alarms_.clear();
    QFile::remove(alarmFilePath());
    LocalNotificationScheduler::shared().cancelAllLocalNotifications();
}

bool AlarmSchedule::hasBudgetFor(const AlarmPtr &alarm)
{
    return hasRoomFor(alarm->scheduledNotifications->size(), {});
}

bool AlarmSchedule::hasRoomFor(qsizetype needed, const LocalNotificationList &freed)
{
    LocalNotificationList pending = LocalNotificationScheduler::shared().scheduledLocalNotifications();
    for (const LocalNotification &n : freed)
        pending.removeOne(n);
    if (needed <= LocalNotification::kMaxPending - pending.size())
        return true;
    AlertRequest alert;
    alert.title = QCoreApplication::translate("AlarmSchedule", "Add Alarm Failed");
    alert.message = QCoreApplication::translate(
        "AlarmSchedule",
        "Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again.");
    alert.buttons.append({QCoreApplication::translate("AlarmSchedule", "Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
    return false;
}

void AlarmSchedule::replaceOrAppend(const AlarmPtr &alarm)
{
    const int i = indexOf(alarm->identifier);
    if (i >= 0)
        alarms_.removeAt(i);
    alarms_.append(alarm);
}

int AlarmSchedule::indexOf(const QString &identifier) const
{
    for (int i = 0; i < alarms_.size(); ++i)
        if (alarms_[i]->identifier == identifier)
            return i;
    return -1;
}

int AlarmSchedule::unscheduleStored(const QString &identifier)
{
    const int i = indexOf(identifier);
    if (i >= 0)
        unschedule(alarms_[i]);
    return i;
}

void AlarmSchedule::remove(const AlarmPtr &alarm)
{
    if (!alarm)
        return;
    ListLock lock(*this);
    const int i = unscheduleStored(alarm->identifier);
    if (i < 0)
        return;
    alarms_.removeAt(i);
    writeAlarmFile(alarms_);
}

void AlarmSchedule::settleRungAlarm(const AlarmPtr &alarm)
{
    if (!alarm)
        return;
    {
        ListLock lock(*this);
        if (unscheduleStored(alarm->identifier) < 0)
            return;
        // The given record may be an older copy (from the ring-status file): its
        // notifications are the ones that rang, so cancel them too.
        deactivate(alarm);
        if (alarm->repeatMask != 0) {
            // Re-adding moves it to the end; a refusal stores it inactive in place, never drops it.
            addRepeating(alarm);
            return;
        }
        // A one-time alarm that has rung is over: off, nothing pending.
        alarm->active = false;
        replaceOrAppend(alarm);
        writeAlarmFile(alarms_);
    }
    Broadcaster::shared().post(AlarmStatusChanged, QVariant(false));
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
