#include "services/notifyd/NotificationLimits.h"

#include "platform/StoredNames.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {
QString problemWithText(const QString &field, const QString &value)
{
    const qsizetype bytes = value.toUtf8().size();
    if (bytes <= NotificationLimits::kMaxTextBytes)
        return {};
    return QStringLiteral("%1 is %2 bytes long; at most %3 are accepted")
        .arg(field)
        .arg(bytes)
        .arg(NotificationLimits::kMaxTextBytes);
}
// A zone this machine's time zone database resolves, named the IANA way. The
// name is checked first: the database is a folder, and "../x" would read
// files outside it. QTimeZone::isTimeZoneIdAvailable() alone is too narrow:
// it leaves out links such as "Etc/UTC", the zone many systems report as
// their own and the app sends as its zone.
bool isKnownZone(const QString &id)
{
    static const QRegularExpression ianaName(
        QStringLiteral("^[A-Za-z][A-Za-z0-9_+:-]*(?:/[A-Za-z][A-Za-z0-9_+:-]*)*$"));
    return id.size() <= 64 && ianaName.match(id).hasMatch() && QTimeZone(id.toUtf8()).isValid();
}
} // namespace

QString NotificationLimits::problemWithWire(const QString &text)
{
    if (text.size() <= kMaxWireLength)
        return {};
    return QStringLiteral("the notification text is %1 characters long; at most %2 are accepted")
        .arg(text.size())
        .arg(kMaxWireLength);
}

QString NotificationLimits::problemWith(const LocalNotification &n, const QDateTime &now)
{
    namespace Key = StoredNames::NotificationKey;
    const std::pair<QString, QString> texts[] = {{Key::kTimeZone, n.timeZone},
                                                 {Key::kRepeatCalendar, n.repeatCalendar},
                                                 {Key::kAlertAction, n.alertAction},
                                                 {Key::kAlertBody, n.alertBody},
                                                 {Key::kSoundName, n.soundName}};
    for (const auto &[field, value] : texts) {
        if (QString problem = problemWithText(field, value); !problem.isEmpty())
            return problem;
    }
    if (n.fireDate < now.addYears(-kMaxYearsFromNow) || n.fireDate > now.addYears(kMaxYearsFromNow))
        return QStringLiteral("%1 %2 is more than %3 years away from now")
            .arg(Key::kFireDate, n.fireDate.toUTC().toString(Qt::ISODate))
            .arg(kMaxYearsFromNow);
    // Empty means an absolute moment.
    if (!n.timeZone.isEmpty() && !isKnownZone(n.timeZone))
        return QStringLiteral("%1 \"%2\" is not a known time zone").arg(Key::kTimeZone, n.timeZone);
    if (!n.repeatCalendar.isEmpty() && n.repeatCalendar != u"gregorian")
        return QStringLiteral("%1 \"%2\" is not supported; use \"gregorian\"")
            .arg(Key::kRepeatCalendar, n.repeatCalendar);
    // The intervals the app schedules: once, or every minute until cancelled (snooze).
    if (n.repeatInterval != LocalNotification::kRepeatNone && n.repeatInterval != LocalNotification::kRepeatSecond)
        return QStringLiteral("%1 %2 is not supported; use %3 (once) or %4 (every minute)")
            .arg(Key::kRepeatInterval)
            .arg(n.repeatInterval)
            .arg(LocalNotification::kRepeatNone)
            .arg(LocalNotification::kRepeatSecond);
    return {};
}
