#include "ui/ClockStyle.h"

#include <QCoreApplication>
#include <QRegularExpression>

ClockStyle::ClockStyle(const QLocale &locale) : twelveHour_(localeUsesTwelveHours(locale)) { }

bool ClockStyle::localeUsesTwelveHours(const QLocale &locale)
{
    // The short time format names an AM/PM field ("a", "A", "ap", "AP") outside quoted literals.
    static const QRegularExpression quoted(QStringLiteral("'[^']*'"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(quoted);
    return format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
}

QString ClockStyle::text(const QTime &time) const
{
    if (!twelveHour_)
        return time.toString(QStringLiteral("HH:mm"));
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? amText() : pmText());
}

QString ClockStyle::amText() const { return QCoreApplication::translate("ClockStyle", "AM"); }
QString ClockStyle::pmText() const { return QCoreApplication::translate("ClockStyle", "PM"); }
