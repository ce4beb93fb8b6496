#include "home/HomeScreen.h"
#include "home/NextRing.h"
#include "home/TemperatureText.h"
#include "home/VolumeArc.h"
#include "home/WeekdayStrip.h"
#include "ui/Pictures.h"

#include <QTest>
#include <cmath>

// The home screen's rules with figures worked out by hand.
class TestHomeRules : public QObject
{
    Q_OBJECT
    static QString litDays(quint32 mask)
    {
        QString lit;
        for (const WeekdayStrip::Day &day : WeekdayStrip::days(mask))
            lit += day.lit ? day.text.left(2) + QLatin1Char(' ') : QString();
        return lit.trimmed();
    }

private Q_SLOTS:
    void blurFollowsTheScrollOffset_data()
    {
        QTest::addColumn<qreal>("offset");
        QTest::addColumn<qreal>("alpha");
        QTest::newRow("pulled down") << -40.0 << 0.0;
        QTest::newRow("top") << 0.0 << 0.0;
        QTest::newRow("half") << 100.0 << 0.5;
        QTest::newRow("full") << 200.0 << 1.0;
        QTest::newRow("beyond") << 900.0 << 1.0;
    }
    void blurFollowsTheScrollOffset()
    {
        QFETCH(qreal, offset);
        QFETCH(qreal, alpha);
        QCOMPARE(HomeScreen::blurAlphaForOffset(offset), alpha);
    }

    void weekdayStrip_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("weekdays") << 62u << "MO TU WE TH FR"
                                  << "Mon Tue Wed Thu Fri";
        QTest::newRow("weekend") << 65u << "SU SA"
                                 << "Sun Sat";
        QTest::newRow("every day") << 127u << "SU MO TU WE TH FR SA"
                                   << "Sun Mon Tue Wed Thu Fri Sat";
        QTest::newRow("once") << 0u << ""
                              << "Once";
        QTest::newRow("high bits ignored") << (62u | 128u | 1024u) << "MO TU WE TH FR"
                                           << "Mon Tue Wed Thu Fri";
    }
    void weekdayStrip()
    {
        QFETCH(quint32, mask);
        QFETCH(QString, lit);
        QFETCH(QString, spoken);
        QCOMPARE(WeekdayStrip::days(mask).size(), 7); // all seven always shown
        QCOMPARE(WeekdayStrip::days(mask).first().text, QStringLiteral("SUN"));
        QCOMPARE(litDays(mask), lit);
        QCOMPARE(WeekdayStrip::spoken(mask), spoken);
    }

    void temperatureInThePreferredUnit_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("recordUnit");
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("shown");
        QTest::newRow("20 C as F") << "20"
                                   << "C"
                                   << "F"
                                   << "68";
        QTest::newRow("21 C as F, 69.8 cut") << "21"
                                             << "C"
                                             << "F"
                                             << "69";
        QTest::newRow("70 F as C, 21.1 cut") << "70"
                                             << "F"
                                             << "C"
                                             << "21";
        QTest::newRow("-5 C as F") << "-5"
                                   << "C"
                                   << "F"
                                   << "23";
        QTest::newRow("-20 C as F") << "-20"
                                    << "C"
                                    << "F"
                                    << "-4";
        QTest::newRow("same unit") << "21"
                                   << "C"
                                   << "C"
                                   << "21";
        QTest::newRow("unknown preference is F") << "20"
                                                 << "C"
                                                 << "X"
                                                 << "68";
        QTest::newRow("missing") << QString() << "C"
                                 << "C"
                                 << "--";
        QTest::newRow("words") << "warm"
                               << "C"
                               << "F"
                               << "--";
        QTest::newRow("absurdly hot") << "9999"
                                      << "C"
                                      << "C"
                                      << "--";
        QTest::newRow("absurdly cold") << "-500"
                                       << "F"
                                       << "C"
                                       << "--";
        QTest::newRow("not a number") << "nan"
                                      << "C"
                                      << "F"
                                      << "--";
    }
    void temperatureInThePreferredUnit()
    {
        QFETCH(QString, reading);
        QFETCH(QString, recordUnit);
        QFETCH(QString, preferred);
        QFETCH(QString, shown);
        QCOMPARE(TemperatureText::shown(reading, recordUnit, preferred), shown);
    }

    // Every condition code has a picture the app draws; what is not a known
    // code shows clouds.
    void conditionIcons()
    {
        for (int code = 0; code <= 47; ++code) {
            const QString icon = TemperatureText::iconForConditionCode(QString::number(code));
            QVERIFY2(!Pictures::path(icon).isEmpty(), qPrintable(QString::number(code) + QLatin1Char(' ') + icon));
        }
        QCOMPARE(TemperatureText::iconForConditionCode(QStringLiteral("31")), QStringLiteral("weather-night"));
        QCOMPARE(TemperatureText::iconForConditionCode(QStringLiteral(" 36")), QStringLiteral("weather-sunny"));
        for (const char *unknown : {"3200", "-3", "", "48", "sunny"})
            QCOMPARE(TemperatureText::iconForConditionCode(QLatin1String(unknown)), QStringLiteral("weather-cloudy"));
    }

    // Radius 102.5, both ends 15 points below the centre: 101.4 to either side.
    void volumeRing()
    {
        const QPointF centre(120, 120);
        const QList<std::pair<double, QPointF>> knobs{{0, {18.603, 135}}, {0.5, {120, 222.5}}, {1, {221.397, 135}}};
        for (const auto &[volume, expected] : knobs)
            QVERIFY2((VolumeArc::knobPoint(centre, volume) - expected).manhattanLength() < 2e-3,
                     qPrintable(QString::number(volume)));
        QVERIFY(!VolumeArc::knobOn(0) && !VolumeArc::knobOn(0.05f) && VolumeArc::knobOn(0.0625f));
        // Volume 0 still shows a sliver of level; up to a tenth the level runs
        // right up to the knob, beyond it stops 5 degrees before.
        const double sliver = VolumeArc::knobAngle(0) - VolumeArc::levelEndAngle(0);
        QVERIFY(sliver > 0 && sliver < 0.01);
        QVERIFY(std::abs(VolumeArc::levelEndAngle(0.05) - VolumeArc::knobAngle(0.05)) < 1e-9);
        QVERIFY(std::abs(VolumeArc::levelEndAngle(0.5) - (M_PI / 2 + 5 * M_PI / 180)) < 1e-9);
        // A drag released at the far left sets 0, at the far right 1, in the middle 0.5.
        QVERIFY(std::abs(VolumeArc::volumeForX(0, 120)) < 1e-9);
        QVERIFY(std::abs(VolumeArc::volumeForX(500, 120) - 1) < 1e-9);
        QVERIFY(std::abs(VolumeArc::volumeForX(120, 120) - 0.5) < 1e-9);
    }

    void timeLeftToTheNextRing_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("7 h 25 min") << qint64(7 * 3600 + 25 * 60) << "in 7 h 25 min";
        QTest::newRow("rounded up") << qint64(7 * 3600 + 24 * 60 + 50) << "in 7 h 25 min";
        QTest::newRow("minutes") << qint64(25 * 60) << "in 25 min";
        QTest::newRow("days") << qint64(2 * 86400 + 3 * 3600) << "in 2 d 3 h";
        QTest::newRow("now") << qint64(20) << "in less than a minute";
    }
    void timeLeftToTheNextRing()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(NextRing::timeLeftText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(TestHomeRules)
#include "tst_home_rules.moc"
