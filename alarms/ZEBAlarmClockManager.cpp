#include "alarms/ZEBAlarmClockManager.h"

#include "alarms/RingTime.h"
#include "alarms/SoundCatalogue.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/KeyedArchive.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>

namespace {
} // namespace

// Held by every operation: the list in memory and the alarm file change together.
// The data lock comes first, as everywhere else, so the two can never deadlock.
// The outermost change starts from the file, so a change made meanwhile by
// another process (the command-line tool, a second window) is never overwritten.
class ZEBAlarmClockManager::ListLock
{
public:
    explicit ListLock(ZEBAlarmClockManager &manager, bool reload = true) : manager_(manager), guard_(&manager.mutex_)
    {
        if (manager_.depth_++ == 0 && reload)
            manager_.loadFromFile();
    }
    ~ListLock() { --manager_.depth_; }

private:
    ZEBAlarmClockManager &manager_;
    DataLock files_;
    QMutexLocker<QRecursiveMutex> guard_;
};

ZEBAlarmClockManager &ZEBAlarmClockManager::sharedZEBAlarmClockManager()
{
    static ZEBAlarmClockManager *manager = new ZEBAlarmClockManager;
    return *manager;
}

QString ZEBAlarmClockManager::alarmFilePath() { return Paths::documentPath(QStringLiteral("accache")); }

ZEBAlarmClockList ZEBAlarmClockManager::alarmClocksOnSystemSchedule()
{
    ListLock lock(*this, false);
    loadFromFile();
    return alarmClocks_;
}

void ZEBAlarmClockManager::loadFromFile()
{
    alarmClocks_.clear();
    const KeyedArchive::ReadResult read = KeyedArchive::readFile(alarmFilePath());
    if (read.status == KeyedArchive::ReadStatus::Ok && read.root.isArray()) {
        for (const QJsonValue &value : read.root.toArray())
            if (ZEBAlarmClockPtr alarm = ZEBAlarmClock::fromArchive(value))
                alarmClocks_.append(alarm);
    }
}

ZEBAlarmClockList ZEBAlarmClockManager::alarmClocks() const
{
    QMutexLocker lock(&mutex_);
    return alarmClocks_;
}

bool ZEBAlarmClockManager::writeAlarmClocksToCacheFile(const ZEBAlarmClockList &alarms)
{
    DataLock lock;
    QJsonArray root;
    for (const ZEBAlarmClockPtr &alarm : alarms)
        root.append(KeyedArchiver::archivedObject(alarm.get()));
    const bool written = KeyedArchive::writeFile(alarmFilePath(), root);
    if (!written)
        qWarning().noquote() << "tolvek: could not write the alarm file" << alarmFilePath();
    return written;
}

LocalNotification ZEBAlarmClockManager::notificationTemplate(const ZEBAlarmClockPtr &alarm)
{
    LocalNotification n;
    n.timeZone = QString::fromUtf8(Clock::current().timeZone().id());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.repeatInterval = alarm->snooze ? LocalNotification::kRepeatSecond : LocalNotification::kRepeatNone;
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = alarm->wakeupSlogan;
    // One pick per add: every day of a weekly alarm rings the same sound.
    n.soundName = SoundCatalogue::resolve(alarm->ringFileString);
    return n;
}

ZEBAlarmClockPtr ZEBAlarmClockManager::checkIfHourBeyondNow(const ZEBAlarmClockPtr &alarm, unsigned mask)
{
    const Clock &clock = Clock::current();
    const QTime timeOfDay = alarm->timeOfDay();
    const QDateTime now = clock.now();
    alarm->setTimeOfDay(timeOfDay, now.date());
    ZEBAlarmClockPtr result = alarm->copy();
    result->alarmTime = RingTime::nextRingTime(timeOfDay, mask, now, clock.timeZone());
    return result;
}

unsigned ZEBAlarmClockManager::calculatePlusDayWithNowMaskTargetMask(unsigned nowMask, unsigned targetMask)
{
    return RingTime::calculatePlusDayWithNowMaskTargetMask(nowMask, targetMask);
}

bool ZEBAlarmClockManager::addAlarmClockWithoutMask(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    invalidateAlarmClock(alarm);
    ZEBAlarmClockPtr ring = checkIfHourBeyondNow(alarm, 0);
    LocalNotification n = notificationTemplate(alarm);
    n.fireDate = ring->alarmTime;
    ring->referenceNotificationsDic->insert(ZEBAlarmClock::notificationKeyForBit(0), n);
    return scheduleAndStore(ring);
}

bool ZEBAlarmClockManager::addAlarmClockWithMask(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return false;
    ListLock lock(*this);
    invalidateAlarmClock(alarm);
    LocalNotification n = notificationTemplate(alarm);
    alarm->referenceNotificationsDic->clear();
    for (unsigned bit = 1; bit <= 64; bit <<= 1) {
        if (!(alarm->dateChoosingMask & bit))
            continue;
        n.fireDate = checkIfHourBeyondNow(alarm, bit)->alarmTime;
        alarm->referenceNotificationsDic->insert(ZEBAlarmClock::notificationKeyForBit(bit), n);
    }
    return scheduleAndStore(alarm);
}

bool ZEBAlarmClockManager::scheduleAndStore(const ZEBAlarmClockPtr &alarm)
{
    if (!remainsEnoughNotification(alarm) || !scheduleAll(alarm)) {
        storeInactive(alarm);
        return false;
    }
    replaceOrAppend(alarm);
    // Unstored notifications would be taken for strays and cancelled: say so.
    return writeAlarmClocksToCacheFile(alarmClocks_);
}

bool ZEBAlarmClockManager::scheduleAll(const ZEBAlarmClockPtr &alarm)
{
    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    const NotificationDictionary dictionary = *alarm->referenceNotificationsDic;
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

void ZEBAlarmClockManager::storeInactive(const ZEBAlarmClockPtr &alarm)
{
    // Refused: nothing rings, so the stored record must not claim to be on.
    alarm->referenceNotificationsDic->clear();
    alarm->active = false;
    const int i = indexOf(alarm->identifier);
    if (i >= 0) {
        alarmClocks_[i] = alarm;
        writeAlarmClocksToCacheFile(alarmClocks_);
    }
}

bool ZEBAlarmClockManager::activateAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return false;
    return alarm->dateChoosingMask != 0 ? addAlarmClockWithMask(alarm) : addAlarmClockWithoutMask(alarm);
}

void ZEBAlarmClockManager::invalidateAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return;
    ListLock lock(*this);
    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    for (const LocalNotification &n : std::as_const(*alarm->referenceNotificationsDic))
        scheduler.cancelLocalNotification(n);
    alarm->referenceNotificationsDic->clear();
    const int i = indexOf(alarm->identifier);
    if (i >= 0)
        alarmClocks_[i] = alarm;
    writeAlarmClocksToCacheFile(alarmClocks_);
}

void ZEBAlarmClockManager::removeAlarmClockFromSystemSchedule(const ZEBAlarmClockPtr &alarm)
{
    if (alarm)
        invalidateAlarmClock(alarm);
}

void ZEBAlarmClockManager::removeAllAlarmClockFromSystemSchedule()
{
    ListLock lock(*this);
    alarmClocks_.clear();
    QFile::remove(alarmFilePath());
    LocalNotificationScheduler::shared().cancelAllLocalNotifications();
}

bool ZEBAlarmClockManager::remainsEnoughNotification(const ZEBAlarmClockPtr &alarm)
{
    const qsizetype pending = LocalNotificationScheduler::shared().scheduledLocalNotifications().size();
    const qsizetype needed = alarm->referenceNotificationsDic->size();
    if (needed <= LocalNotification::kMaxPending - pending)
        return true;
    AlertRequest alert;
    alert.title = QCoreApplication::translate("ZEBAlarmClockManager", "Add Alarm Failed");
    alert.message = QCoreApplication::translate(
        "ZEBAlarmClockManager",
        "Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again.");
    alert.buttons.append({QCoreApplication::translate("ZEBAlarmClockManager", "Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
    return false;
}

void ZEBAlarmClockManager::replaceOrAppend(const ZEBAlarmClockPtr &alarm)
{
    const int i = indexOf(alarm->identifier);
    if (i >= 0)
        alarmClocks_.removeAt(i);
    alarmClocks_.append(alarm);
}

int ZEBAlarmClockManager::indexOf(const QString &identifier) const
{
    for (int i = 0; i < alarmClocks_.size(); ++i)
        if (alarmClocks_[i]->identifier == identifier)
            return i;
    return -1;
}

int ZEBAlarmClockManager::unscheduleStored(const QString &identifier)
{
    const int i = indexOf(identifier);
    if (i >= 0)
        removeAlarmClockFromSystemSchedule(alarmClocks_[i]);
    return i;
}

void ZEBAlarmClockManager::deleteAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return;
    ListLock lock(*this);
    const int i = unscheduleStored(alarm->identifier);
    if (i < 0)
        return;
    alarmClocks_.removeAt(i);
    writeAlarmClocksToCacheFile(alarmClocks_);
}

void ZEBAlarmClockManager::deleteAlarmClockAndRefreshAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    if (!alarm)
        return;
    {
        ListLock lock(*this);
        if (unscheduleStored(alarm->identifier) < 0)
            return;
        // The given record may be an older copy (from the ring-status file): its
        // notifications are the ones that rang, so cancel them too.
        invalidateAlarmClock(alarm);
        if (alarm->dateChoosingMask != 0) {
            // Re-adding moves it to the end; a refusal stores it inactive in place, never drops it.
            addAlarmClockWithMask(alarm);
            return;
        }
        // A one-time alarm that has rung is over: off, nothing pending.
        alarm->active = false;
        replaceOrAppend(alarm);
        writeAlarmClocksToCacheFile(alarmClocks_);
    }
    NotificationCenter::defaultCenter().post(AlarmClockStatusChanged, QVariant(false));
}

void ZEBAlarmClockManager::changeAlarmClockStatus(const ZEBAlarmClockPtr &alarm, bool active)
{
    if (alarm)
        alarm->active = active;
}

void ZEBAlarmClockManager::stopAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    if (alarm)
        alarm->stop = true;
}

ZEBAlarmClockPtr ZEBAlarmClockManager::ringingAlarmClockWithIdentifier(const QString &identifier) const
{
    QMutexLocker lock(&mutex_);
    const int i = indexOf(identifier);
    return i >= 0 ? alarmClocks_[i] : nullptr;
}
