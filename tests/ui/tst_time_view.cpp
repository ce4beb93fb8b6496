#include "ui/ThermometerShape.h"
#include "ui/ClockTicker.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/Clock.h"

#include <QSignalSpy>
#include <QTest>

class TestTimeView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hourOnTheDial_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("is24h");
        QTest::addColumn<QString>("shown");
        QTest::newRow("13:05 on 12 h") << 13 << false << "01";
        QTest::newRow("noon on 12 h reads 12") << 12 << false << "12";
        QTest::newRow("midnight on 12 h reads 12") << 0 << false << "12";
        QTest::newRow("23:59 on 12 h") << 23 << false << "11";
        QTest::newRow("00:10 on 24 h") << 0 << true << "00";
        QTest::newRow("09:00 on 24 h") << 9 << true << "09";
    }
    void hourOnTheDial()
    {
        QFETCH(int, hour);
        QFETCH(bool, is24h);
        QFETCH(QString, shown);
        QCOMPARE(ClockTicker::twoDigits(ClockTicker::displayedHour(hour, is24h)), shown);
    }

    // The clock shows no seconds: between changes of the minute nothing is
    // announced, so nothing on screen is redrawn; the date turns at midnight.
    void announcesOnlyWhenTheMinuteChanges()
    {
        const QTimeZone zone("Europe/Berlin");
        FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(7, 59, 42, 500), zone), zone); // a Thursday
        Clock::setCurrent(&clock);
        ClockTicker view;
        QCOMPARE(view.hourText(), QStringLiteral("07"));
        QCOMPARE(view.minuteText(), QStringLiteral("59"));
        QCOMPARE(view.dateText(), QStringLiteral("05/03   THU"));
        QSignalSpy hour(&view, &ClockTicker::hourTextChanged), minute(&view, &ClockTicker::minuteTextChanged),
            date(&view, &ClockTicker::dateTextChanged);
        for (int i = 0; i < 5; ++i) { // up to 07:59:57.5
            clock.advanceSecs(3);
            view.tick();
        }
        QCOMPARE(hour.count() + minute.count() + date.count(), 0);
        clock.advanceSecs(3); // 08:00:00.5
        view.tick();
        QCOMPARE(view.hourText(), QStringLiteral("08"));
        QCOMPARE(view.minuteText(), QStringLiteral("00"));
        QCOMPARE(hour.count(), 1);
        QCOMPARE(minute.count(), 1);
        QCOMPARE(date.count(), 0);
        clock.setNow(QDateTime(QDate(2026, 3, 8), QTime(0, 0, 1), zone));
        view.tick();
        QCOMPARE(date.count(), 1);
        QCOMPARE(view.dateText(), QStringLiteral("08/03   SUN"));
        Clock::setCurrent(nullptr);
    }

    void nextTickJustAfterTheMinute_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("ms");
        QTest::newRow("07:59:42.500") << QTime(7, 59, 42, 500) << 17520;
        QTest::newRow("on the minute") << QTime(8, 0) << 60020;
        QTest::newRow("a millisecond before") << QTime(8, 0, 59, 999) << 21;
    }
    void nextTickJustAfterTheMinute()
    {
        QFETCH(QTime, now);
        QFETCH(int, ms);
        QCOMPARE(ClockTicker::msToNextTick(now), ms);
    }

    void weekdaysOutOfRangeHaveNoName()
    {
        QCOMPARE(ClockTicker::weekdayAbbreviation(7), QStringLiteral("SAT"));
        QCOMPARE(ClockTicker::weekdayAbbreviation(0), QString());
        QCOMPARE(ClockTicker::weekdayAbbreviation(8), QString());
    }

    void ticksOnlyWhileActive()
    {
        ClockTicker view;
        QVERIFY(view.isTicking());
        ApplicationLifecycle::shared().becomeActive();
        ApplicationLifecycle::shared().enterBackground();
        QVERIFY(!view.isTicking());
        ApplicationLifecycle::shared().becomeActive();
        QVERIFY(view.isTicking());
    }

    void thermometerOutline()
    {
        ThermometerShape view;
        view.setSize(QSizeF(20, 100));
        QCOMPARE(view.topCornerRadius(), 10.0);
        const QPainterPath path = ThermometerShape::thermometerPath(view.size(), view.topCornerRadius());
        QVERIFY(path.contains(QPointF(10, 1))); // top of the half circle
        QVERIFY(!path.contains(QPointF(1, 1))); // rounded away
        QVERIFY(path.contains(QPointF(1, 99))); // square bottom
    }
};

QTEST_MAIN(TestTimeView)
#include "tst_time_view.moc"
