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

namespace {
// The moments `timeOfDay` happens on `date` in `zone`, earliest first: one as a
// rule, two in a repeated hour, and in a skipped hour the one the same
// distance past the jump.
QList<QDateTime> occurrences(const QDate &date, const QTime &timeOfDay, const QTimeZone &zone)
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
    const bool beforeValid = readsAsWall(withBefore, offsetBefore);
    const bool afterValid = readsAsWall(withAfter, offsetAfter);
    QList<qint64> moments;
    if (beforeValid && afterValid && withBefore != withAfter)
        moments = {std::min(withBefore, withAfter), std::max(withBefore, withAfter)}; // repeated hour
    else if (afterValid && !beforeValid)
        moments = {withAfter};
    else
        moments = {withBefore}; // also the answer inside a skipped hour
    QList<QDateTime> result;
    for (qint64 ms : moments)
        result.append(QDateTime::fromMSecsSinceEpoch(ms, zone));
    return result;
}
} // namespace

QDateTime RingTime::wallClockMoment(const QDate &date, const QTime &timeOfDay, const QTimeZone &zone)
{
    return occurrences(date, timeOfDay, zone).first();
}

QDateTime RingTime::nextRingTime(const QTime &timeOfDay, unsigned maskBit, const QDateTime &now, const QTimeZone &zone)
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

    // In a repeated hour a wall-clock time still ahead may have passed once
    // already: then its second occurrence that night is the ring.
    for (const QDateTime &ring : occurrences(today.addDays(days), timeOfDay, zone))
        if (ring > now)
            return ring;
    return wallClockMoment(today.addDays(days + (maskBit == 0 ? 1 : 7)), timeOfDay, zone);
}
