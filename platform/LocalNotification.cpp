#include "platform/LocalNotification.h"
#include "platform/StoredNames.h"

bool LocalNotification::operator==(const LocalNotification &other) const
{
    return fireDate.toMSecsSinceEpoch() == other.fireDate.toMSecsSinceEpoch()
           && fireDate.isValid() == other.fireDate.isValid() && timeZone == other.timeZone
           && repeatCalendar == other.repeatCalendar && repeatInterval == other.repeatInterval
           && alertAction == other.alertAction && alertBody == other.alertBody && soundName == other.soundName;
}

void LocalNotification::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeDate(StoredNames::NotificationKey::kFireDate, fireDate);
    coder.encodeString(StoredNames::NotificationKey::kTimeZone, timeZone);
    coder.encodeString(StoredNames::NotificationKey::kRepeatCalendar, repeatCalendar);
    coder.encodeInt(StoredNames::NotificationKey::kRepeatInterval, repeatInterval);
    coder.encodeString(StoredNames::NotificationKey::kAlertAction, alertAction);
    coder.encodeString(StoredNames::NotificationKey::kAlertBody, alertBody);
    coder.encodeString(StoredNames::NotificationKey::kSoundName, soundName);
}

LocalNotification LocalNotification::fromArchive(const QJsonValue &value, bool *ok)
{
    return fromArchive(KeyedUnarchiver(value), ok);
}

LocalNotification LocalNotification::fromArchive(const KeyedUnarchiver &coder, bool *ok)
{
    LocalNotification n;
    const bool isNotification = coder.className() == className();
    if (ok)
        *ok = isNotification;
    if (!isNotification)
        return n;
    n.fireDate = coder.decodeDate(StoredNames::NotificationKey::kFireDate);
    n.timeZone = coder.decodeString(StoredNames::NotificationKey::kTimeZone);
    n.repeatCalendar = coder.decodeString(StoredNames::NotificationKey::kRepeatCalendar);
    n.repeatInterval = int(coder.decodeInt(StoredNames::NotificationKey::kRepeatInterval));
    n.alertAction = coder.decodeString(StoredNames::NotificationKey::kAlertAction);
    n.alertBody = coder.decodeString(StoredNames::NotificationKey::kAlertBody);
    n.soundName = coder.decodeString(StoredNames::NotificationKey::kSoundName);
    return n;
}
