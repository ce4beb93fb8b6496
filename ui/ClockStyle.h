#pragma once
#include <QLocale>
#include <QString>
#include <QTime>

// How times are written for the user: with hours 01-12 and an AM/PM mark
// where the locale writes times that way, else with hours 00-23.
class ClockStyle
{
public:
    explicit ClockStyle(const QLocale &locale = QLocale::system());

    bool twelveHour() const { return twelveHour_; }
    // "06:45 AM" or "06:45".
    QString text(const QTime &time) const;
    QString amText() const;
    QString pmText() const;

    static bool localeUsesTwelveHours(const QLocale &locale);

private:
    bool twelveHour_;
};
