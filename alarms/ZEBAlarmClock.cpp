#include "alarms/ZEBAlarmClock.h"

#include "alarms/RandomizedString.h"
#include "alarms/RingTime.h"
#include "alarms/SoundCatalogue.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QJsonObject>

ZEBAlarmClock::ZEBAlarmClock()
{
    const QDateTime now = Clock::current().now();
    setTimeOfDay(QTime(7, 0), now.date());
    ringFileString = SoundCatalogue::fileNames().first();
    identifier = RandomizedString::randomizedString();
    wakeupSlogan = QCoreApplication::translate("ZEBAlarmClock", "Wakeup Slogan");
    unlocker = std::make_shared<ZEBAlarmClockUnlocker>();
    snooze = active = stop = true;
    referenceNotificationsDic = std::make_shared<NotificationDictionary>();
}

ZEBAlarmClock::ZEBAlarmClock(Blank) : referenceNotificationsDic(std::make_shared<NotificationDictionary>()) {}

void ZEBAlarmClock::setTimeOfDay(const QTime &time, const QDate &date)
{
    const Clock &clock = Clock::current();
    const QDate day = date.isValid() ? date : clock.now().date();
    const QTime wall(time.hour(), time.minute());
    // A fixed offset (the one in force at that moment) keeps 02:30 readable as
    // 02:30 even on the night the clocks jump from 02:00 to 03:00.
    const QDateTime moment = RingTime::wallClockMoment(day, wall, clock.timeZone());
    alarmTime = QDateTime(day, wall, QTimeZone(moment.offsetFromUtc()));
}

std::shared_ptr<ZEBAlarmClock> ZEBAlarmClock::copy() const
{
    // Same descriptor object and same dictionary object as the source.
    return std::make_shared<ZEBAlarmClock>(*this);
}

QString ZEBAlarmClock::description() const
{
    QStringList notifications;
    for (auto it = referenceNotificationsDic->cbegin(); it != referenceNotificationsDic->cend(); ++it)
        notifications << it.key() + QStringLiteral("=") + it->fireDate.toString(Qt::ISODate);
    return QStringLiteral("{\ndatemask:%1;\nalarmTime:%2;\nringFile:%3;\nidentifier:%4;\nunlocker:%5;\nsnooze:%6;\n"
                          "active=%7;\nstop:%8;\nrefrenceNotification:{%9}\n}")
        .arg(dateChoosingMask)
        .arg(alarmTime.toString(Qt::ISODate), ringFileString, identifier)
        .arg(unlocker ? unlocker->unlockerKind : 0)
        .arg(int(snooze))
        .arg(int(active))
        .arg(int(stop))
        .arg(notifications.join(QStringLiteral(", ")));
}

void ZEBAlarmClock::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(QStringLiteral("DateChoosingMask"), dateChoosingMask);
    coder.encodeDate(QStringLiteral("AlarmTime"), alarmTime);
    coder.encodeString(QStringLiteral("RingFileName"), ringFileString);
    coder.encodeString(QStringLiteral("Identifier"), identifier);
    coder.encodeString(QStringLiteral("WakeupSlogan"), wakeupSlogan);
    coder.encodeObject(QStringLiteral("Unlocker"), unlocker.get());
    coder.encodeBool(QStringLiteral("Snooze"), snooze);
    coder.encodeBool(QStringLiteral("Active"), active);
    coder.encodeBool(QStringLiteral("Stop"), stop);
    QJsonObject dictionary;
    for (auto it = referenceNotificationsDic->cbegin(); it != referenceNotificationsDic->cend(); ++it)
        dictionary.insert(it.key(), it->toJson());
    coder.encodeValue(QStringLiteral("ReferenceNotification"), dictionary);
}

std::shared_ptr<ZEBAlarmClock> ZEBAlarmClock::fromArchive(const QJsonValue &value)
{
    if (KeyedUnarchiver::classNameOf(value) != className())
        return nullptr;
    const KeyedUnarchiver coder(value.toObject());
    auto alarm = std::make_shared<ZEBAlarmClock>(Blank{});
    alarm->dateChoosingMask = quint32(coder.decodeInt(QStringLiteral("DateChoosingMask"))) & kEveryDay;
    alarm->alarmTime = coder.decodeDate(QStringLiteral("AlarmTime"));
    alarm->ringFileString = coder.decodeString(QStringLiteral("RingFileName"));
    alarm->identifier = coder.decodeString(QStringLiteral("Identifier"));
    alarm->wakeupSlogan = coder.decodeString(QStringLiteral("WakeupSlogan"));
    alarm->unlocker = ZEBAlarmClockUnlocker::fromArchive(coder.decodeValue(QStringLiteral("Unlocker")));
    alarm->snooze = coder.decodeBool(QStringLiteral("Snooze"));
    alarm->active = coder.decodeBool(QStringLiteral("Active"));
    alarm->stop = coder.decodeBool(QStringLiteral("Stop"));
    const QJsonObject dictionary = coder.decodeValue(QStringLiteral("ReferenceNotification")).toObject();
    for (auto it = dictionary.constBegin(); it != dictionary.constEnd(); ++it) {
        bool ok = false;
        const LocalNotification n = LocalNotification::fromArchive(it.value(), &ok);
        if (ok)
            alarm->referenceNotificationsDic->insert(it.key(), n);
    }
    return alarm;
}

quint32 ZEBAlarmClock::maskBitForQtDayOfWeek(int qtDayOfWeek)
{
    // Qt: 1 = Monday ... 7 = Sunday. Mask: Sunday is bit 0.
    return 1u << (qtDayOfWeek % 7);
}
