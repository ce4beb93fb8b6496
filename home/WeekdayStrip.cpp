#include "home/WeekdayStrip.h"

#include "ui/ClockTicker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QVariantMap>

QList<WeekdayStrip::Day> WeekdayStrip::days(quint32 mask)
{
    QList<Day> strip;
    for (int i = 0; i < 7; ++i)
        strip.append({ClockTicker::weekdayAbbreviation(i + 1), (mask & (1u << i)) != 0});
    return strip;
}

QVariantList WeekdayStrip::forView(quint32 mask)
{
    QVariantList list;
    for (const Day &day : days(mask))
        list.append(QVariantMap{{QStringLiteral("text"), day.text}, {QStringLiteral("lit"), day.lit}});
    return list;
}

QString WeekdayStrip::spoken(quint32 mask)
{
    if ((mask & 127u) == 0)
        return QCoreApplication::translate("WeekdayStrip", "Once");
    // Calendar weekday i + 1 is Qt's day (i + 6) % 7 + 1 (1 = Monday).
    QStringList names;
    for (int i = 0; i < 7; ++i)
        if (mask & (1u << i))
            names << QLocale().dayName((i + 6) % 7 + 1, QLocale::ShortFormat);
    return names.join(QLatin1Char(' '));
}
