#include "alarms/RingTime.h"

#include "alarms/Alarm.h"

unsigned RingTime::daysFromWeekdayToWeekday(unsigned n, unsigned g)
{
    if (n == g)
        return 7;
    if (g > n) {
        for (unsigned k = 1; k <= 7; ++k)
            if ((g >> k) == n)
                return k;
        return 7;
    }
    for (unsigned k = 1; k <= 7; ++k)
        if ((g << k) == n)
            return 7 - k;
    return 0;
}

unsigned RingTime::weekdayBit(const QDate &date) { return Alarm::maskBitForQtDayOfWeek(date.dayOfWeek()); }

QDateTime RingTime::wallClockMoment(const QDate &date, const QTime &timeOfDay, const QTimeZone &zone)
{
    const QTime wall(timeOfDay.hour(), timeOfDay.minute());
    // The wall-clock reading taken as if it were UTC; a real moment is this minus an offset.
    const qint64 naiveMs = QDateTime(date, wall, QTimeZone::utc()).toMSecsSinceEpoch();
    constexpr qint64 dayMs = 24 * 3600 * 1000;
    const int offsetBefore = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(naiveMs - dayMs, QTimeZone::utc()));
    const int offsetAfter = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(naiveMs + dayMs, QTimeZone::utc()));
    const auto readsAsWall = [&](qint64 ms, int offset) {
        return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc())) == offset;
    };
    const qint64 withBefore = naiveMs - qint64(offsetBefore) * 1000;
    const qint64 withAfter = naiveMs - qint64(offsetAfter) * 1000;
    qint64 chosen = withBefore; // also the answer inside a skipped hour: the same distance past the jump
    const bool beforeValid = readsAsWall(withBefore, offsetBefore);
    const bool afterValid = readsAsWall(withAfter, offsetAfter);
    if (beforeValid && afterValid)
        chosen = std::min(withBefore, withAfter); // repeated hour: the first occurrence
    else if (afterValid)
        chosen = withAfter;
    return QDateTime::fromMSecsSinceEpoch(chosen, zone);
}

QDateTime RingTime::nextRingTime(const QTime &timeOfDay, unsigned maskBit, const QDateTime &now,
                                 const QTimeZone &zone)
{
    const QDateTime local = now.toTimeZone(zone);
    const QDate today = local.date();
    const QTime nowTime = local.time();
    const bool ahead = timeOfDay.hour() > nowTime.hour()
                       || (timeOfDay.hour() == nowTime.hour() && timeOfDay.minute() > nowTime.minute());
    const unsigned todayBit = weekdayBit(today);

    unsigned days = 0;
    if (maskBit == 0)
        days = ahead ? 0 : 1;
    else if (!(ahead && maskBit == todayBit))
        days = daysFromWeekdayToWeekday(todayBit, maskBit);

    QDateTime ring = wallClockMoment(today.addDays(days), timeOfDay, zone);
    // On the day the clocks go back, a wall-clock time can be "ahead" yet already past.
    if (ring <= now)
        ring = wallClockMoment(today.addDays(days + (maskBit == 0 ? 1 : 7)), timeOfDay, zone);
    return ring;
}
