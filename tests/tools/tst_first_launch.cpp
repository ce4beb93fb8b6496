#include "ToolHome.h"

#include <QJsonObject>
#include <QSettings>
#include <QTest>

// The app's first start on a fresh home, seen through the files it leaves and
// through `tolvekctl`; a second start must change nothing.
class TestFirstLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartWritesTheDefaultsOnce()
    {
        ToolHome home;
        // Both starts begin at the same Wednesday morning, so any rescheduling would show.
        home.setFakeTime(QStringLiteral("2025-01-08 08:00:00"));
        const ToolHome::Result first = home.app({QStringLiteral("--once")});
        QVERIFY2(first.exitCode == 0, qPrintable(first.describe()));

        {
            QSettings preferences(home.preferencesFile(), QSettings::IniFormat);
            QCOMPARE(preferences.value(QStringLiteral("DefaultWeatherUnit")).toString(), QStringLiteral("C"));
            QCOMPARE(preferences.value(QStringLiteral("DefaultSkinFileKey")).toString(), QStringLiteral("skin-1-big"));
        }

        const ToolHome::Result list = home.ctl({QStringLiteral("list"), QStringLiteral("--json")});
        QVERIFY2(list.exitCode == 0, qPrintable(list.describe()));
        const QJsonArray alarms = list.jsonArray();
        QCOMPARE(alarms.size(), 1);
        const QJsonObject alarm = alarms.first().toObject();
        QCOMPARE(alarm.value("time").toString(), QStringLiteral("07:00"));
        QCOMPARE(alarm.value("mask").toInt(), 62);
        QCOMPARE(alarm.value("active").toBool(), true);
        QStringList keys;
        for (const QJsonValue &n : alarm.value("notifications").toArray())
            keys << n.toObject().value("key").toString();
        QCOMPARE(keys, (QStringList{"2", "4", "8", "16", "32"}));
        const ToolHome::Result pending = home.ctl({QStringLiteral("pending"), QStringLiteral("--json")});
        QCOMPARE(pending.jsonArray().size(), 5);

        const ToolHome::Result second = home.app({QStringLiteral("--once")});
        QVERIFY2(second.exitCode == 0, qPrintable(second.describe()));
        QCOMPARE(home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).out, list.out);
        QCOMPARE(home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).out, pending.out);
    }

    void missingPreferencesKeepTheAlarms()
    {
        ToolHome home;
        home.setFakeTime(QStringLiteral("2025-01-08 08:00:00"));
        const ToolHome::Result added = home.ctl({QStringLiteral("add"), QStringLiteral("--time"), QStringLiteral("05:45"),
                                                 QStringLiteral("--days"), QStringLiteral("sat")});
        QVERIFY2(added.exitCode == 0, qPrintable(added.describe()));
        const QString before = home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).out;

        // No preferences yet: a first run, but the user's alarm stays as it is.
        const ToolHome::Result start = home.app({QStringLiteral("--once")});
        QVERIFY2(start.exitCode == 0, qPrintable(start.describe()));
        QSettings preferences(home.preferencesFile(), QSettings::IniFormat);
        QCOMPARE(preferences.value(QStringLiteral("DefaultWeatherUnit")).toString(), QStringLiteral("C"));
        QCOMPARE(home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).out, before);
    }
};

QTEST_GUILESS_MAIN(TestFirstLaunch)
#include "tst_first_launch.moc"
