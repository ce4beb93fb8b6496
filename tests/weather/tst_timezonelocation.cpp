// The approximate place from the time zone, read from the real time-zone database.
#include <QTemporaryDir>
#include <QTest>

#include "weather/TimeZoneLocation.h"

class TimeZoneLocationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void iso6709_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("minutes") << "+3114+12128" << true << 31 + 14 / 60.0 << 121 + 28 / 60.0;
        QTest::newRow("seconds, south-west") << "-332700-0704000" << true << -(33 + 27 / 60.0) << -(70 + 40 / 60.0);
        QTest::newRow("seconds on one side") << "+311400+12128" << false << 0.0 << 0.0;
        QTest::newRow("no sign") << "3114+12128" << false << 0.0 << 0.0;
        QTest::newRow("beyond the pole") << "+9500+00000" << false << 0.0 << 0.0;
        QTest::newRow("empty") << "" << false << 0.0 << 0.0;
    }
    void iso6709()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const auto coordinate = TimeZoneLocation::parseIso6709(text);
        QCOMPARE(coordinate.has_value(), valid);
        if (valid) {
            QVERIFY(qAbs(coordinate->latitude() - latitude) < 1e-9);
            QVERIFY(qAbs(coordinate->longitude() - longitude) < 1e-9);
        }
    }

    void zones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("zone1970") << QByteArray("Asia/Shanghai") << true << 31.2333 << 121.4667;
        QTest::newRow("link") << QByteArray("Asia/Chongqing") << true << 31.2333 << 121.4667;
        QTest::newRow("renamed") << QByteArray("Europe/Kiev") << true << 50.4333 << 30.5167;
        QTest::newRow("southern") << QByteArray("America/Santiago") << true << -33.45 << -70.6667;
        QTest::newRow("no city") << QByteArray("UTC") << false << 0.0 << 0.0;
        QTest::newRow("unknown") << QByteArray("Mars/Olympus") << false << 0.0 << 0.0;
        QTest::newRow("empty") << QByteArray() << false << 0.0 << 0.0;
    }
    void zones()
    {
        QFETCH(QByteArray, zone);
        QFETCH(bool, found);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const auto coordinate = TimeZoneLocation().coordinateOfZone(zone);
        QCOMPARE(coordinate.has_value(), found);
        if (found) {
            QVERIFY2(qAbs(coordinate->latitude() - latitude) < 0.01, qPrintable(coordinate->toString()));
            QVERIFY2(qAbs(coordinate->longitude() - longitude) < 0.01, qPrintable(coordinate->toString()));
        }
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
