#include "alarms/RingTime.h"
#include "TestSupport.h"

#include <QTest>

using TestSupport::at;

class TestRingTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // From every weekday to every weekday, the time of day passed: the next such date, a week for the same day.
    void everyWeekdayFromEveryWeekday()
    {
        const QDateTime sunday = at("UTC", 2026, 12, 6, 8, 0);
        for (int from = 0; from < 7; ++from)
            for (int to = 0; to < 7; ++to) {
                QDate expected = sunday.date().addDays(from + 1);
                while (expected.dayOfWeek() % 7 != to)
                    expected = expected.addDays(1);
                const QDateTime ring
                    = RingTime::nextRingTime(QTime(7, 30), 1u << to, sunday.addDays(from), QTimeZone::utc());
                QCOMPARE(ring, at("UTC", expected.year(), expected.month(), expected.day(), 7, 30));
            }
    }

    void nextRing_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<QDateTime>("expected");
        // Moments around repeated hours are given in UTC, where the two passes cannot be confused.
        const auto utcIn = [](const char *zone, int y, int mo, int d, int h, int mi) {
            return QDateTime::fromMSecsSinceEpoch(at("UTC", y, mo, d, h, mi).toMSecsSinceEpoch(), QTimeZone(zone));
        };
        // The plain cases from a Wednesday morning are run end to end in tst_tolvekctl.
        const char *utc = "UTC";
        QTest::newRow("saturday wraps the month")
            << at(utc, 2026, 12, 31, 23, 59) << QTime(0, 5) << 64u << at(utc, 2027, 1, 2, 0, 5);
        QTest::newRow("once at midnight wraps the year")
            << at(utc, 2026, 12, 31, 23, 59) << QTime(0, 0) << 0u << at(utc, 2027, 1, 1, 0, 0);

        // Berlin: clocks jump 02:00 -> 03:00 on 2027-03-28, back 03:00 -> 02:00 on 2027-10-31.
        const char *berlin = "Europe/Berlin";
        QTest::newRow("berlin: skipped 02:30 rings 03:30")
            << at(berlin, 2027, 3, 27, 22, 0) << QTime(2, 30) << 0u << utcIn(berlin, 2027, 3, 28, 1, 30);
        QTest::newRow("berlin: repeated 02:30 rings at its first occurrence")
            << at(berlin, 2027, 10, 30, 22, 0) << QTime(2, 30) << 0u << utcIn(berlin, 2027, 10, 31, 0, 30);

        // New York: 2027-03-14 02:00 -> 03:00, 2027-11-07 02:00 -> 01:00.
        const char *ny = "America/New_York";
        QTest::newRow("new york: sunday 06:00 on the spring change day")
            << at(ny, 2027, 3, 12, 9, 0) << QTime(6, 0) << 1u << at(ny, 2027, 3, 14, 6, 0);
        QTest::newRow("new york: sunday 06:00 on the autumn change day")
            << at(ny, 2027, 11, 5, 9, 0) << QTime(6, 0) << 1u << at(ny, 2027, 11, 7, 6, 0);
        // Repeated hours, set during the second pass (all three nights are Sundays): a time
        // whose first occurrence has passed but whose second is ahead rings that night.
        QTest::newRow("new york: 01:10 EST, 01:40 rings 01:40 EST that night")
            << utcIn(ny, 2027, 11, 7, 6, 10) << QTime(1, 40) << 0u << utcIn(ny, 2027, 11, 7, 6, 40);
        QTest::newRow("new york: 01:15 EST, sunday 01:45 rings tonight, not next week")
            << utcIn(ny, 2027, 11, 7, 6, 15) << QTime(1, 45) << 1u << utcIn(ny, 2027, 11, 7, 6, 45);
        QTest::newRow("new york: 01:50 EDT, 01:40 has passed: the next day")
            << utcIn(ny, 2027, 11, 7, 5, 50) << QTime(1, 40) << 0u << at(ny, 2027, 11, 8, 1, 40);
        QTest::newRow("new york: 01:15 EST, 01:10 has passed twice: the next day")
            << utcIn(ny, 2027, 11, 7, 6, 15) << QTime(1, 10) << 0u << at(ny, 2027, 11, 8, 1, 10);
        QTest::newRow("berlin: 02:15 first pass, 02:40 rings its first occurrence")
            << utcIn(berlin, 2027, 10, 31, 0, 15) << QTime(2, 40) << 0u << utcIn(berlin, 2027, 10, 31, 0, 40);
        // Lord Howe: clocks go back half an hour, 02:00 +11:00 -> 01:30 +10:30, on 2027-04-04.
        const char *lordHowe = "Australia/Lord_Howe";
        QTest::newRow("lord howe: 01:35 second pass, sunday 01:50 rings tonight")
            << utcIn(lordHowe, 2027, 4, 3, 15, 5) << QTime(1, 50) << 1u << utcIn(lordHowe, 2027, 4, 3, 15, 20);
        QTest::newRow("lord howe: before the change, 01:50 rings its first occurrence")
            << at(lordHowe, 2027, 4, 3, 22, 0) << QTime(1, 50) << 0u << utcIn(lordHowe, 2027, 4, 3, 14, 50);
    }
    void nextRing()
    {
        QFETCH(QDateTime, now);
        QFETCH(QTime, time);
        QFETCH(unsigned, mask);
        QFETCH(QDateTime, expected);
        const QDateTime ring = RingTime::nextRingTime(time, mask, now, now.timeZone());
        QCOMPARE(ring.toMSecsSinceEpoch(), expected.toMSecsSinceEpoch());
        QVERIFY(ring > now);
    }

    void wallClockKeptEveryDayOfAYear()
    {
        // Day after day through a whole year in both zones, 07:00 stays 07:00.
        for (const char *zoneId : {"Europe/Berlin", "America/New_York"}) {
            const QTimeZone zone(zoneId);
            QDateTime now = at(zoneId, 2027, 1, 1, 12, 0);
            for (int day = 0; day < 366; ++day) {
                const QDateTime ring = RingTime::nextRingTime(QTime(7, 0), 0, now, zone);
                QCOMPARE(ring.toTimeZone(zone).time(), QTime(7, 0));
                QCOMPARE(ring.toTimeZone(zone).date(), now.toTimeZone(zone).date().addDays(1));
                now = ring.addSecs(5 * 3600);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRingTime)
#include "tst_ringtime.moc"
