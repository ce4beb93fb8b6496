#include "platform/LocalNotification.h"

bool LocalNotification::operator==(const LocalNotification &other) const
{
    return fireDate.toMSecsSinceEpoch() == other.fireDate.toMSecsSinceEpoch()
           && fireDate.isValid() == other.fireDate.isValid() && timeZone == other.timeZone
           && repeatCalendar == other.repeatCalendar && repeatInterval == other.repeatInterval
           && alertAction == other.alertAction && alertBody == other.alertBody && soundName == other.soundName;
}

void LocalNotification::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeDate(QStringLiteral("fireDate"), fireDate);
    coder.encodeString(QStringLiteral("timeZone"), timeZone);
    coder.encodeString(QStringLiteral("repeatCalendar"), repeatCalendar);
    coder.encodeInt(QStringLiteral("repeatInterval"), repeatInterval);
    coder.encodeString(QStringLiteral("alertAction"), alertAction);
    coder.encodeString(QStringLiteral("alertBody"), alertBody);
    coder.encodeString(QStringLiteral("soundName"), soundName);
}

LocalNotification LocalNotification::fromArchive(const QJsonValue &value, bool *ok)
{
    LocalNotification n;
    const bool isNotification = KeyedUnarchiver::classNameOf(value) == className();
    if (ok)
        *ok = isNotification;
    if (!isNotification)
        return n;
    const KeyedUnarchiver coder(value.toObject());
    n.fireDate = coder.decodeDate(QStringLiteral("fireDate"));
    n.timeZone = coder.decodeString(QStringLiteral("timeZone"));
    n.repeatCalendar = coder.decodeString(QStringLiteral("repeatCalendar"));
    n.repeatInterval = int(coder.decodeInt(QStringLiteral("repeatInterval")));
    n.alertAction = coder.decodeString(QStringLiteral("alertAction"));
    n.alertBody = coder.decodeString(QStringLiteral("alertBody"));
    n.soundName = coder.decodeString(QStringLiteral("soundName"));
    return n;
}
