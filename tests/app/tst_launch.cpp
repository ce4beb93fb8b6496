#include "alarms/ZEBAlarmClockManager.h"
#include "app/LaunchArguments.h"
#include "app/ZEBAppDelegate.h"
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
    ZEBAlarmClockManager &manager = ZEBAlarmClockManager::sharedZEBAlarmClockManager();

    void launch()
    {
        ZEBAppDelegate delegate;
        QVERIFY(delegate.didFinishLaunchingWithOptions({}));
        QCOMPARE(delegate.soundFileAry().size(), 15);
        QCOMPARE(delegate.soundFileAry().at(4), QStringLiteral("Falling Stone.mp3"));
        QCOMPARE(delegate.soundDisplayNameAry().at(4), QStringLiteral("Meteorite"));
        QCOMPARE(delegate.soundFileAry().last(), QStringLiteral("RandomSound"));
        QCoreApplication::processEvents(); // the stray-notification clean-up
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    void firstRunInstallsOneWeekdayAlarm()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        launch();
        UserDefaults &defaults = UserDefaults::standard();
        QCOMPARE(defaults.stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
        QCOMPARE(defaults.stringForKey("DefaultSkinFileKey"), QStringLiteral("skin-1-big"));
        const ZEBAlarmClockList alarms = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms[0]->dateChoosingMask, 62u);
        QCOMPARE(alarms[0]->timeOfDay(), QTime(7, 0));
        QVERIFY(alarms[0]->active);
        QCOMPARE(alarms[0]->referenceNotificationsDic->keys(), (QStringList{"16", "2", "32", "4", "8"}));
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 5);

        // A second launch leaves everything as it was.
        const QByteArray before = readAll(ZEBAlarmClockManager::alarmFilePath());
        QVERIFY(!before.isEmpty());
        pinned.clock().advanceSecs(3600);
        launch();
        QCOMPARE(readAll(ZEBAlarmClockManager::alarmFilePath()), before);
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 5);
    }

    void emptyWeatherUnitCountsAsFirstRun()
    {
        TestSupport::StoreOnlyScheduler store;
        UserDefaults::standard().setString("DefaultWeatherUnit", QString());
        launch();
        QCOMPARE(UserDefaults::standard().stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
        QCOMPARE(manager.alarmClocksOnSystemSchedule().size(), 1);
    }

    void lostPreferencesNeverWipeAlarms()
    {
        TestSupport::StoreOnlyScheduler store;
        auto mine = std::make_shared<ZEBAlarmClock>();
        mine->setTimeOfDay(QTime(5, 45));
        mine->dateChoosingMask = 65;
        QVERIFY(manager.addAlarmClockWithMask(mine));
        UserDefaults::standard().remove(QString()); // the config folder was wiped
        launch();
        const ZEBAlarmClockList alarms = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms[0]->identifier, mine->identifier);
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 2);
        QCOMPARE(UserDefaults::standard().stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
    }

    void versionBookkeeping()
    {
        QVERIFY(!ZEBAppDelegate::isAppVersionUpdated()); // never stored: NO, but stored now
        QCOMPARE(UserDefaults::standard().stringForKey(ZEBAppDelegate::UpdateVersionKey), QStringLiteral(TOLVEK_VERSION));
        QVERIFY(!ZEBAppDelegate::isAppVersionUpdated());
        QVERIFY(!ZEBAppDelegate::isAppOnFirstLaunch());
        UserDefaults::standard().setString(ZEBAppDelegate::UpdateVersionKey, QStringLiteral("0.9"));
        QVERIFY(ZEBAppDelegate::isAppVersionUpdated());
        QVERIFY(!ZEBAppDelegate::isAppVersionUpdated());
        UserDefaults::standard().remove(ZEBAppDelegate::UpdateVersionKey);
        QVERIFY(ZEBAppDelegate::isAppOnFirstLaunch());
        QVERIFY(!ZEBAppDelegate::isAppOnFirstLaunch());
    }

    void remoteNotificationChannels()
    {
        QCOMPARE(ZEBAppDelegate::remoteNotificationChannels(false, "GMT+8"), QStringList{"GMT8"});
        QCOMPARE(ZEBAppDelegate::remoteNotificationChannels(true, "CST"), (QStringList{"celestial_empire", "CST"}));
        QCOMPARE(ZEBAppDelegate::remoteNotificationChannels(false, QString()), QStringList{});
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
