#include "alarms/RingTime.h"
#include "TestSupport.h"

#include <QTest>

using TestSupport::at;

class TestRingTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dayDistance_data()
    {
        QTest::addColumn<unsigned>("now");
        QTest::addColumn<unsigned>("target");
        QTest::addColumn<unsigned>("days");
        QTest::newRow("sunday to tuesday") << 1u << 4u << 2u;
        QTest::newRow("friday to monday") << 32u << 2u << 3u;
        QTest::newRow("wednesday to wednesday") << 8u << 8u << 7u;
        QTest::newRow("sunday to saturday") << 1u << 64u << 6u;
        QTest::newRow("saturday to sunday") << 64u << 1u << 1u;
        QTest::newRow("wednesday to thursday") << 8u << 16u << 1u;
        QTest::newRow("wednesday to monday") << 8u << 2u << 5u;
    }
    void dayDistance()
    {
        QFETCH(unsigned, now);
        QFETCH(unsigned, target);
        QFETCH(unsigned, days);
        QCOMPARE(RingTime::daysFromWeekdayToWeekday(now, target), days);
    }

    void dayDistanceCoversEveryPair()
    {
        // From any weekday to any other, walking forward day by day.
        for (int from = 0; from < 7; ++from)
            for (int to = 0; to < 7; ++to) {
                const unsigned expected = from == to ? 7 : unsigned((to - from + 7) % 7);
                QCOMPARE(RingTime::daysFromWeekdayToWeekday(1u << from, 1u << to), expected);
            }
    }

    void nextRing_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<QDateTime>("expected");
        // 2026-12-09 is a Wednesday.
        const char *utc = "UTC";
        QTest::newRow("once, passed today") << at(utc, 2026, 12, 9, 8, 0) << QTime(7, 30) << 0u << at(utc, 2026, 12, 10, 7, 30);
        QTest::newRow("once, ahead today") << at(utc, 2026, 12, 9, 7, 0) << QTime(7, 30) << 0u << at(utc, 2026, 12, 9, 7, 30);
        QTest::newRow("once, this minute is not ahead") << at(utc, 2026, 12, 9, 8, 0) << QTime(8, 0) << 0u << at(utc, 2026, 12, 10, 8, 0);
        QTest::newRow("monday from wednesday") << at(utc, 2026, 12, 9, 8, 0) << QTime(7, 30) << 2u << at(utc, 2026, 12, 14, 7, 30);
        QTest::newRow("wednesday passed: next week") << at(utc, 2026, 12, 9, 8, 0) << QTime(7, 30) << 8u << at(utc, 2026, 12, 16, 7, 30);
        QTest::newRow("wednesday ahead: today") << at(utc, 2026, 12, 9, 8, 0) << QTime(9, 0) << 8u << at(utc, 2026, 12, 9, 9, 0);
        QTest::newRow("saturday wraps the month") << at(utc, 2026, 12, 31, 23, 59) << QTime(0, 5) << 64u << at(utc, 2027, 1, 2, 0, 5);
        QTest::newRow("once at midnight wraps the year") << at(utc, 2026, 12, 31, 23, 59) << QTime(0, 0) << 0u << at(utc, 2027, 1, 1, 0, 0);

        // Berlin: clocks jump 02:00 -> 03:00 on 2027-03-28, back 03:00 -> 02:00 on 2027-10-31.
        const char *berlin = "Europe/Berlin";
        QTest::newRow("berlin: daily across spring change keeps 07:00")
            << at(berlin, 2027, 3, 27, 8, 0) << QTime(7, 0) << 0u << at(berlin, 2027, 3, 28, 7, 0);
        QTest::newRow("berlin: weekly across spring change keeps 07:00")
            << at(berlin, 2027, 3, 24, 8, 0) << QTime(7, 0) << 2u << at(berlin, 2027, 3, 29, 7, 0);
        QTest::newRow("berlin: skipped 02:30 rings 03:30")
            << at(berlin, 2027, 3, 27, 22, 0) << QTime(2, 30) << 0u
            << QDateTime::fromMSecsSinceEpoch(at("UTC", 2027, 3, 28, 1, 30).toMSecsSinceEpoch(), QTimeZone(berlin));
        QTest::newRow("berlin: repeated 02:30 rings at its first occurrence")
            << at(berlin, 2027, 10, 30, 22, 0) << QTime(2, 30) << 0u
            << QDateTime::fromMSecsSinceEpoch(at("UTC", 2027, 10, 31, 0, 30).toMSecsSinceEpoch(), QTimeZone(berlin));
        QTest::newRow("berlin: weekly across autumn change keeps 07:00")
            << at(berlin, 2027, 10, 27, 8, 0) << QTime(7, 0) << 2u << at(berlin, 2027, 11, 1, 7, 0);

        // New York: 2027-03-14 02:00 -> 03:00, 2027-11-07 02:00 -> 01:00.
        const char *ny = "America/New_York";
        QTest::newRow("new york: skipped 02:15 rings 03:15")
            << at(ny, 2027, 3, 13, 20, 0) << QTime(2, 15) << 0u
            << QDateTime::fromMSecsSinceEpoch(at("UTC", 2027, 3, 14, 7, 15).toMSecsSinceEpoch(), QTimeZone(ny));
        QTest::newRow("new york: repeated 01:30 rings at its first occurrence")
            << at(ny, 2027, 11, 6, 20, 0) << QTime(1, 30) << 0u
            << QDateTime::fromMSecsSinceEpoch(at("UTC", 2027, 11, 7, 5, 30).toMSecsSinceEpoch(), QTimeZone(ny));
        QTest::newRow("new york: sunday 06:00 on the spring change day")
            << at(ny, 2027, 3, 12, 9, 0) << QTime(6, 0) << 1u << at(ny, 2027, 3, 14, 6, 0);
        QTest::newRow("new york: sunday 06:00 on the autumn change day")
            << at(ny, 2027, 11, 5, 9, 0) << QTime(6, 0) << 1u << at(ny, 2027, 11, 7, 6, 0);
        // Repeated hours, set during the second pass (all three nights are Sundays): a time
        // whose first occurrence has passed but whose second is ahead rings that night.
        // Moments are given in UTC, where the two passes cannot be confused.
        const auto utcIn = [](const char *zone, int y, int mo, int d, int h, int mi) {
            return QDateTime::fromMSecsSinceEpoch(at("UTC", y, mo, d, h, mi).toMSecsSinceEpoch(), QTimeZone(zone));
        };
        QTest::newRow("new york: 01:10 EST, 01:40 rings 01:40 EST that night")
            << utcIn(ny, 2027, 11, 7, 6, 10) << QTime(1, 40) << 0u << utcIn(ny, 2027, 11, 7, 6, 40);
        QTest::newRow("new york: 01:15 EST, 01:45 rings 01:45 EST")
            << utcIn(ny, 2027, 11, 7, 6, 15) << QTime(1, 45) << 0u << utcIn(ny, 2027, 11, 7, 6, 45);
        QTest::newRow("new york: 01:15 EST, sunday 01:45 rings tonight, not next week")
            << utcIn(ny, 2027, 11, 7, 6, 15) << QTime(1, 45) << 1u << utcIn(ny, 2027, 11, 7, 6, 45);
        QTest::newRow("new york: 01:50 EDT, 01:40 has passed: the next day")
            << utcIn(ny, 2027, 11, 7, 5, 50) << QTime(1, 40) << 0u << at(ny, 2027, 11, 8, 1, 40);
        QTest::newRow("new york: 01:15 EST, 01:10 has passed twice: the next day")
            << utcIn(ny, 2027, 11, 7, 6, 15) << QTime(1, 10) << 0u << at(ny, 2027, 11, 8, 1, 10);
        QTest::newRow("berlin: 02:15 second pass, 02:40 rings 02:40 CET that night")
            << utcIn(berlin, 2027, 10, 31, 1, 15) << QTime(2, 40) << 0u << utcIn(berlin, 2027, 10, 31, 1, 40);
        QTest::newRow("berlin: 02:15 second pass, sunday 02:40 rings tonight, not next week")
            << utcIn(berlin, 2027, 10, 31, 1, 15) << QTime(2, 40) << 1u << utcIn(berlin, 2027, 10, 31, 1, 40);
        QTest::newRow("berlin: 02:15 first pass, 02:40 rings its first occurrence")
            << utcIn(berlin, 2027, 10, 31, 0, 15) << QTime(2, 40) << 0u << utcIn(berlin, 2027, 10, 31, 0, 40);
        // Lord Howe: clocks go back half an hour, 02:00 +11:00 -> 01:30 +10:30, on 2027-04-04.
        const char *lordHowe = "Australia/Lord_Howe";
        QTest::newRow("lord howe: 01:35 second pass, 01:50 rings 01:50 +10:30")
            << utcIn(lordHowe, 2027, 4, 3, 15, 5) << QTime(1, 50) << 0u << utcIn(lordHowe, 2027, 4, 3, 15, 20);
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
