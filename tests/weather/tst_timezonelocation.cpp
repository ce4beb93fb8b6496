// The approximate place from the time zone, read from the real time-zone database.
#include <QTemporaryDir>
#include <QTest>

#include "weather/TimeZoneLocation.h"

class TimeZoneLocationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Coordinates as the database writes them (ISO 6709), and zones looked up in the real database.
    void places_data()
    {
        QTest::addColumn<bool>("isZone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("place"); // "LAT LON" to four decimals, "" for none
        QTest::newRow("minutes") << false << "+3114+12128"
                                 << "31.2333 121.4667";
        QTest::newRow("seconds, south-west") << false << "-332700-0704000"
                                             << "-33.4500 -70.6667";
        QTest::newRow("seconds on one side") << false << "+311400+12128"
                                             << "";
        QTest::newRow("no sign") << false << "3114+12128"
                                 << "";
        QTest::newRow("beyond the pole") << false << "+9500+00000"
                                         << "";
        QTest::newRow("empty") << false << ""
                               << "";
        QTest::newRow("zone") << true << "Asia/Shanghai"
                              << "31.2333 121.4667";
        QTest::newRow("linked zone") << true << "Asia/Chongqing"
                                     << "31.2333 121.4667";
        QTest::newRow("renamed zone") << true << "Europe/Kiev"
                                      << "50.4333 30.5167";
        QTest::newRow("southern zone") << true << "America/Santiago"
                                       << "-33.4500 -70.6667";
        QTest::newRow("zone without a city") << true << "UTC"
                                             << "";
        QTest::newRow("unknown zone") << true << "Mars/Olympus"
                                      << "";
        QTest::newRow("no zone") << true << ""
                                 << "";
    }
    void places()
    {
        QFETCH(bool, isZone);
        QFETCH(QString, text);
        QFETCH(QString, place);
        const auto coordinate
            = isZone ? TimeZoneLocation().coordinateOfZone(text.toUtf8()) : TimeZoneLocation::parseIso6709(text);
        QCOMPARE(coordinate ? QString::asprintf("%.4f %.4f", coordinate->latitude(), coordinate->longitude()) : "",
                 place);
    }

    // A link that leads back to itself, and no database at all.
    void brokenDatabasesFindNothing()
    {
        QTemporaryDir dir;
        QFile zi(dir.filePath("tzdata.zi"));
        QVERIFY(zi.open(QIODevice::WriteOnly));
        zi.write("L A/One A/Two\nL A/Two A/One\n");
        zi.close();
        QVERIFY(!TimeZoneLocation(dir.path()).coordinateOfZone("A/One").has_value());
        QVERIFY(!TimeZoneLocation("/nonexistent").coordinateOfZone("Asia/Shanghai").has_value());
    }
};

QTEST_GUILESS_MAIN(TimeZoneLocationTest)
#include "tst_timezonelocation.moc"
