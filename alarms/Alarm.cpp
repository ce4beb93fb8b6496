#include "alarms/Alarm.h"
#include "platform/StoredNames.h"

#include "alarms/RandomizedString.h"
#include "alarms/RingTime.h"
#include "alarms/SoundCatalogue.h"
#include "platform/Clock.h"

#include <QCoreApplication>

Alarm::Alarm()
{
    const QDateTime now = Clock::current().now();
    setTimeOfDay(QTime(7, 0), now.date());
    soundFile = SoundCatalogue::fileNames().first();
    identifier = RandomizedString::randomizedString();
    slogan = QCoreApplication::translate("Alarm", "Wakeup Slogan");
    unlocker = std::make_shared<Unlocker>();
    snooze = active = stop = true;
    scheduledNotifications = std::make_shared<NotificationDictionary>();
}

Alarm::Alarm(Blank) : scheduledNotifications(std::make_shared<NotificationDictionary>()) { }

void Alarm::setTimeOfDay(const QTime &time, const QDate &date)
{
    const Clock &clock = Clock::current();
    const QDate day = date.isValid() ? date : clock.now().date();
    const QTime wall(time.hour(), time.minute());
    // A fixed offset (the one in force at that moment) keeps 02:30 readable as
    // 02:30 even on the night the clocks jump from 02:00 to 03:00.
    const QDateTime moment = RingTime::wallClockMoment(day, wall, clock.timeZone());
    alarmTime = QDateTime(day, wall, QTimeZone(moment.offsetFromUtc()));
}

std::shared_ptr<Alarm> Alarm::copy() const
{
    // Same descriptor object and same dictionary object as the source.
    return std::make_shared<Alarm>(*this);
}

QString Alarm::description() const
{
    QStringList notifications;
    for (auto it = scheduledNotifications->cbegin(); it != scheduledNotifications->cend(); ++it)
        notifications << it.key() + QStringLiteral("=") + it->fireDate.toString(Qt::ISODate);
    return QStringLiteral("{\ndatemask:%1;\nalarmTime:%2;\nringFile:%3;\nidentifier:%4;\nunlocker:%5;\nsnooze:%6;\n"
                          "active=%7;\nstop:%8;\nnotifications:{%9}\n}")
        .arg(repeatMask)
        .arg(alarmTime.toString(Qt::ISODate), soundFile, identifier)
        .arg(unlocker ? unlocker->kind : 0)
        .arg(int(snooze))
        .arg(int(active))
        .arg(int(stop))
        .arg(notifications.join(QStringLiteral(", ")));
}

void Alarm::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(StoredNames::AlarmKey::kRepeatMask, repeatMask);
    coder.encodeDate(StoredNames::AlarmKey::kTime, alarmTime);
    coder.encodeString(StoredNames::AlarmKey::kSoundFile, soundFile);
    coder.encodeString(StoredNames::AlarmKey::kIdentifier, identifier);
    coder.encodeString(StoredNames::AlarmKey::kSlogan, slogan);
    coder.encodeObject(StoredNames::AlarmKey::kUnlocker, unlocker.get());
    coder.encodeBool(StoredNames::AlarmKey::kSnooze, snooze);
    coder.encodeBool(StoredNames::AlarmKey::kActive, active);
    coder.encodeBool(StoredNames::AlarmKey::kStop, stop);
    coder.encodeDictionary(StoredNames::AlarmKey::kNotifications, *scheduledNotifications);
}

std::shared_ptr<Alarm> Alarm::fromArchive(const QJsonValue &value) { return fromArchive(KeyedUnarchiver(value)); }

std::shared_ptr<Alarm> Alarm::fromArchive(const KeyedUnarchiver &coder)
{
    if (coder.className() != className())
        return nullptr;
    auto alarm = std::make_shared<Alarm>(Blank{});
    alarm->repeatMask = quint32(coder.decodeInt(StoredNames::AlarmKey::kRepeatMask)) & kEveryDay;
    alarm->alarmTime = coder.decodeDate(StoredNames::AlarmKey::kTime);
    alarm->soundFile = coder.decodeString(StoredNames::AlarmKey::kSoundFile);
    alarm->identifier = coder.decodeString(StoredNames::AlarmKey::kIdentifier);
    alarm->slogan = coder.decodeString(StoredNames::AlarmKey::kSlogan);
    alarm->unlocker = Unlocker::fromArchive(coder.decodeValue(StoredNames::AlarmKey::kUnlocker));
    alarm->snooze = coder.decodeBool(StoredNames::AlarmKey::kSnooze);
    alarm->active = coder.decodeBool(StoredNames::AlarmKey::kActive);
    alarm->stop = coder.decodeBool(StoredNames::AlarmKey::kStop);
    // Without these nobody could address it or know when it rings.
    if (alarm->identifier.isEmpty() || !alarm->alarmTime.isValid())
        return nullptr;
    coder.decodeValue(StoredNames::AlarmKey::kNotifications)
        .forEachEntry([&](const QString &key, const KeyedUnarchiver &entry) {
            bool ok = false;
            const LocalNotification n = LocalNotification::fromArchive(entry, &ok);
            if (ok)
                alarm->scheduledNotifications->insert(key, n);
        });
    return alarm;
}

quint32 Alarm::maskBitForQtDayOfWeek(int qtDayOfWeek)
{
    // Qt: 1 = Monday ... 7 = Sunday. Mask: Sunday is bit 0.
    return 1u << (qtDayOfWeek % 7);
}
