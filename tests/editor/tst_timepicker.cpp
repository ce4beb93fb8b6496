// The time picker panel's rules and the clock style: 12 or 24 hours from the
// locale, the wheels' hours in both, one report per confirm (also during the
// slide-in), none when its host closes it, and the wheels keeping their time.
#include "editor/ClockStyle.h"
#include "editor/TimePicker.h"
#include "ui/ClockTicker.h"
#include "ui/WindowPresence.h"

#include <QSignalSpy>
#include <QTest>

class TestTimePicker : public QObject
{
    Q_OBJECT
    const ClockStyle twelve{QLocale(QLocale::English, QLocale::UnitedStates)};
    const ClockStyle twentyFour{QLocale(QLocale::German, QLocale::Germany)};

private Q_SLOTS:
    // The editor's times and the home screen's clock agree on the locale's style
    // (Korean writes AM/PM first).
    void clockStyleFollowsTheLocale()
    {
        using L = QLocale;
        for (const auto &[locale, twelveHour] : {std::pair{L(L::English, L::UnitedStates), true},
                                                 {L(L::English, L::UnitedKingdom), false},
                                                 {L(L::German, L::Germany), false},
                                                 {L::c(), false},
                                                 {L(L::Korean, L::SouthKorea), true},
                                                 {L(L::Arabic, L::Egypt), true},
                                                 {L(L::Chinese, L::China), false}}) {
            QCOMPARE(ClockStyle::localeUsesTwelveHours(locale), twelveHour);
            QCOMPARE(ClockStyle(locale).twelveHour(), twelveHour);
            QCOMPARE(ClockTicker::usesTwentyFourHours(locale), !twelveHour);
        }
    }

    // Morning, midnight, noon and evening.
    void timeTexts()
    {
        const struct
        {
            QTime time;
            const char *twelve, *twentyFour;
        } texts[] = {{QTime(6, 45), "06:45 AM", "06:45"},
                     {QTime(0, 5), "12:05 AM", "00:05"},
                     {QTime(12, 0), "12:00 PM", "12:00"},
                     {QTime(23, 59), "11:59 PM", "23:59"}};
        for (const auto &t : texts) {
            QCOMPARE(twelve.text(t.time), QLatin1String(t.twelve));
            QCOMPARE(twentyFour.text(t.time), QLatin1String(t.twentyFour));
        }
    }

    void twelveHourWheels()
    {
        TimePicker picker(twelve);
        QCOMPARE(picker.firstWheelHour(), 1);
        QCOMPARE(picker.lastWheelHour(), 12);
        picker.setTime(QTime(0, 30));
        QCOMPARE(picker.wheelHour(), 12);
        QVERIFY(!picker.isPm());
        picker.setPm(true);
        QCOMPARE(picker.time(), QTime(12, 30));
        picker.setWheelHour(7);
        QCOMPARE(picker.time(), QTime(19, 30));
        picker.setWheelHour(12);
        QCOMPARE(picker.time(), QTime(12, 30));
        picker.setPm(false);
        QCOMPARE(picker.time(), QTime(0, 30));
        picker.setWheelHour(0); // below the wheel: its first hour
        QCOMPARE(picker.wheelHour(), 1);
        picker.setMinute(75);
        QCOMPARE(picker.minute(), 59);
    }

    void twentyFourHourWheels()
    {
        TimePicker picker(twentyFour);
        QCOMPARE(picker.lastWheelHour(), 23);
        picker.setWheelHour(18);
        QVERIFY(picker.isPm());
        QCOMPARE(picker.time(), QTime(18, 0));
        QSignalSpy changed(&picker, &TimePicker::timeChanged);
        picker.setWheelHour(18);
        QCOMPARE(changed.count(), 0);
    }

    void oneReportPerConfirm()
    {
        TimePicker picker(twentyFour);
        picker.setTime(QTime(6, 45));
        QSignalSpy picked(&picker, &TimePicker::timePicked);
        picker.confirm(); // not shown: nothing to confirm
        QCOMPARE(picked.count(), 0);

        picker.present();
        QCOMPARE(picker.phase(), TimePicker::Phase::Shown);
        picker.setMinute(50);
        picker.confirm();
        picker.confirm();
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.first().first().toTime(), QTime(6, 50));
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);

        // Shown again, the wheels are where they were left.
        picker.present();
        QCOMPARE(picker.time(), QTime(6, 50));
        picker.setWheelHour(9);
        picker.close();
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);
        picker.present();
        QCOMPARE(picker.time(), QTime(9, 50));
    }

    void confirmedDuringItsSlideIn()
    {
        WindowPresence::setAnimatesTransitions(true);
        TimePicker picker(twentyFour);
        QSignalSpy picked(&picker, &TimePicker::timePicked);
        picker.present();
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingIn);
        QVERIFY(picker.isRaised());
        picker.present(); // already coming up
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingIn);
        picker.confirm();
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingOut);
        picker.confirm();
        picker.close();
        QCOMPARE(picked.count(), 1);
        picker.transitionFinished(); // the slide out has ended
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);
        QVERIFY(!picker.isRaised());
        picker.transitionFinished();
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);
        WindowPresence::setAnimatesTransitions(false);
    }
};

QTEST_MAIN(TestTimePicker)
#include "tst_timepicker.moc"
