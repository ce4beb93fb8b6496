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
    void digits_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("is24h");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("13:05 on 12 h") << QTime(13, 5) << false << "01" << "05";
        QTest::newRow("noon on 12 h reads 12") << QTime(12, 30) << false << "12" << "30";
        QTest::newRow("midnight on 12 h reads 12") << QTime(0, 10) << false << "12" << "10";
        QTest::newRow("23:59 on 12 h") << QTime(23, 59) << false << "11" << "59";
        QTest::newRow("00:10 on 24 h") << QTime(0, 10) << true << "00" << "10";
        QTest::newRow("09:00 on 24 h") << QTime(9, 0) << true << "09" << "00";
    }
    void digits()
    {
        QFETCH(QTime, time);
        QFETCH(bool, is24h);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QCOMPARE(ClockTicker::twoDigits(ClockTicker::displayedHour(time.hour(), is24h)), hour);
        QCOMPARE(ClockTicker::twoDigits(time.minute()), minute);
    }

    void tickShowsTheClocksNow()
    {
        const QTimeZone zone("Europe/Berlin");
        FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(0, 10), zone), zone); // a Thursday
        Clock::setCurrent(&clock);
        ClockTicker view;
        const QString hour = view.is24h() ? QStringLiteral("00") : QStringLiteral("12");
        QCOMPARE(view.hourText(), hour);
        QCOMPARE(view.minuteText(), QStringLiteral("10"));
        QCOMPARE(view.dateText(), QStringLiteral("05/03   THU"));
        clock.setNow(QDateTime(QDate(2026, 3, 8), QTime(23, 59), zone)); // Sunday
        view.tick();
        QCOMPARE(view.minuteText(), QStringLiteral("59"));
        QCOMPARE(view.dateText(), QStringLiteral("08/03   SUN"));
        Clock::setCurrent(nullptr);
    }

    // The clock shows no seconds: between changes of the minute nothing is
    // announced, so nothing on screen is redrawn.
    void announcesOnlyWhenTheMinuteChanges()
    {
        const QTimeZone zone("Europe/Berlin");
        FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(7, 59, 42, 500), zone), zone);
        Clock::setCurrent(&clock);
        ClockTicker view;
        QSignalSpy hour(&view, &ClockTicker::hourTextChanged), minute(&view, &ClockTicker::minuteTextChanged),
            date(&view, &ClockTicker::dateTextChanged);
        for (int i = 0; i < 5; ++i) { // up to 07:59:57.5
            clock.advanceSecs(3);
            view.tick();
        }
        QCOMPARE(hour.count() + minute.count() + date.count(), 0);
        clock.advanceSecs(3); // 08:00:00.5
        view.tick();
        QCOMPARE(view.minuteText(), QStringLiteral("00"));
        QCOMPARE(hour.count(), 1);
        QCOMPARE(minute.count(), 1);
        QCOMPARE(date.count(), 0);
        clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(0, 0, 1), zone));
        view.tick();
        QCOMPARE(date.count(), 1);
        QCOMPARE(view.dateText(), QStringLiteral("06/03   FRI"));
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

    void dateLineAndWeekdays()
    {
        QCOMPARE(ClockTicker::dateLine(5, 3, 5), QStringLiteral("05/03   THU"));
        QCOMPARE(ClockTicker::weekdayAbbreviation(1), QStringLiteral("SUN"));
        QCOMPARE(ClockTicker::weekdayAbbreviation(7), QStringLiteral("SAT"));
        QCOMPARE(ClockTicker::weekdayAbbreviation(0), QString());
        QCOMPARE(ClockTicker::weekdayAbbreviation(8), QString());
    }

    void twentyFourHourTest()
    {
        QVERIFY(ClockTicker::usesTwentyFourHours(QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(!ClockTicker::usesTwentyFourHours(QLocale(QLocale::English, QLocale::UnitedStates)));
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
        QVERIFY(path.contains(QPointF(10, 1)));  // top of the half circle
        QVERIFY(!path.contains(QPointF(1, 1)));  // rounded away
        QVERIFY(path.contains(QPointF(1, 99)));  // square bottom
        view.setTopCornerRadius(4);
        QCOMPARE(view.topCornerRadius(), 4.0);
    }
};

QTEST_MAIN(TestTimeView)
#include "tst_time_view.moc"
