#include "alarms/AlarmSchedule.h"
#include "app/LaunchArguments.h"
#include "app/AppCore.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QJsonDocument>
#include <QTest>

using TestSupport::at;

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();

    void launch()
    {
        AppCore delegate;
        QVERIFY(delegate.launch({}));
        QCOMPARE(delegate.soundFiles().size(), 15);
        QCOMPARE(delegate.soundFiles().at(4), QStringLiteral("Falling Stone.mp3"));
        QCOMPARE(delegate.soundDisplayNames().at(4), QStringLiteral("Meteorite"));
        QCOMPARE(delegate.soundFiles().last(), QStringLiteral("RandomSound"));
        QCoreApplication::processEvents(); // the stray-notification clean-up
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    void firstRunInstallsOneWeekdayAlarm()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        launch();
        Preferences &defaults = Preferences::shared();
        QCOMPARE(defaults.stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
        QCOMPARE(defaults.stringForKey("DefaultSkinFileKey"), QStringLiteral("skin-1-big"));
        const AlarmList alarms = manager.reload();
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms[0]->repeatMask, 62u);
        QCOMPARE(alarms[0]->timeOfDay(), QTime(7, 0));
        QVERIFY(alarms[0]->active);
        QCOMPARE(alarms[0]->scheduledNotifications->keys(), (QStringList{"16", "2", "32", "4", "8"}));
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 5);

        // A second launch leaves everything as it was.
        const QByteArray before = readAll(AlarmSchedule::alarmFilePath());
        QVERIFY(!before.isEmpty());
        pinned.clock().advanceSecs(3600);
        launch();
        QCOMPARE(readAll(AlarmSchedule::alarmFilePath()), before);
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 5);
    }

    void emptyWeatherUnitCountsAsFirstRun()
    {
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", QString());
        launch();
        QCOMPARE(Preferences::shared().stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
        QCOMPARE(manager.reload().size(), 1);
    }

    void lostPreferencesNeverWipeAlarms()
    {
        TestSupport::StoreOnlyScheduler store;
        auto mine = std::make_shared<Alarm>();
        mine->setTimeOfDay(QTime(5, 45));
        mine->repeatMask = 65;
        QVERIFY(manager.addRepeating(mine));
        Preferences::shared().remove(QString()); // the config folder was wiped
        launch();
        const AlarmList alarms = manager.reload();
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms[0]->identifier, mine->identifier);
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 2);
        QCOMPARE(Preferences::shared().stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
    }

    void versionBookkeeping()
    {
        QVERIFY(!AppCore::isAppVersionUpdated()); // never stored: NO, but stored now
        QCOMPARE(Preferences::shared().stringForKey(AppCore::UpdateVersionKey), QStringLiteral(TOLVEK_VERSION));
        QVERIFY(!AppCore::isAppVersionUpdated());
        QVERIFY(!AppCore::isAppOnFirstLaunch());
        Preferences::shared().setString(AppCore::UpdateVersionKey, QStringLiteral("0.9"));
        QVERIFY(AppCore::isAppVersionUpdated());
        QVERIFY(!AppCore::isAppVersionUpdated());
        Preferences::shared().remove(AppCore::UpdateVersionKey);
        QVERIFY(AppCore::isAppOnFirstLaunch());
        QVERIFY(!AppCore::isAppOnFirstLaunch());
    }

    void launchArguments()
    {
        LocalNotification n;
        n.fireDate = at("Europe/Berlin", 2026, 12, 10, 7, 0);
        n.alertBody = QStringLiteral("wake");
        const QString json = QString::fromUtf8(QJsonDocument(n.toJson().toObject()).toJson(QJsonDocument::Compact));
        LaunchArguments parsed = LaunchArguments::parse({"tolvek-alarm", "--launch-notification", json, "--once"});
        QVERIFY(parsed.once);
        QVERIFY(parsed.error.isEmpty());
        QVERIFY(parsed.options.localNotification);
        QCOMPARE(*parsed.options.localNotification, n);
        parsed = LaunchArguments::parse({"tolvek-alarm", "--launch-notification", "{\"$class\": \"Other\"}"});
        QVERIFY(!parsed.options.localNotification);
        QVERIFY(!parsed.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
