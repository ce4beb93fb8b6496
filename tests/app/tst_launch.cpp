#include "alarms/AlarmSchedule.h"
#include "app/LaunchArguments.h"
#include "app/AppCore.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>
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

    // The start-up repair: the alarm file is the truth, the pending list follows it.
    void launchArmsEveryActiveAlarmAndDropsStrays()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", "C"); // not a first run
        auto weekly = std::make_shared<Alarm>();
        weekly->setTimeOfDay(QTime(6, 30));
        weekly->repeatMask = Alarm::kWeekend;
        QVERIFY(manager.addRepeating(weekly));
        const LocalNotificationList armed = weekly->scheduledNotifications->values();
        // Killed between the two writes: its notifications never reached the pending
        // list, and one that no alarm has is there instead.
        LocalNotification stray = armed.first();
        stray.fireDate = stray.fireDate.addDays(3);
        NotificationStore::Contents contents;
        contents.pending = {stray};
        QVERIFY(NotificationStore::save(contents));
        // An alarm on with no notifications at all (left so by an older build).
        auto unarmed = std::make_shared<Alarm>();
        unarmed->setTimeOfDay(QTime(9, 15));
        QVERIFY(manager.writeAlarmFile({weekly, unarmed}));

        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: alarm .* was not pending; armed again"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: alarm .* was on without its notifications"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: removed a notification .* that no alarm has"));
        launch();
        const AlarmPtr rearmed = manager.alarmWithIdentifier(unarmed->identifier);
        QCOMPARE(rearmed->scheduledNotifications->value("0").fireDate, at("Europe/Berlin", 2026, 12, 9, 9, 15));
        LocalNotificationList expected = armed;
        expected.append(rearmed->scheduledNotifications->value("0"));
        LocalNotificationList pending = store.scheduler().scheduledLocalNotifications();
        const auto byMoment = [](const LocalNotification &a, const LocalNotification &b) { return a.fireDate < b.fireDate; };
        std::sort(expected.begin(), expected.end(), byMoment);
        std::sort(pending.begin(), pending.end(), byMoment);
        QCOMPARE(pending, expected);
    }

    void damagedPendingListIsRebuiltFromTheAlarms()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", "C");
        auto alarm = std::make_shared<Alarm>();
        alarm->setTimeOfDay(QTime(6, 30));
        alarm->repeatMask = Alarm::kWeekdays;
        QVERIFY(manager.addRepeating(alarm));
        QFile damaged(NotificationStore::path());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"archive\": \"tolvek-keyed-archive\", \"root\": [1, 2, 3]}");
        damaged.close();
        launch();
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), 5);
        QCOMPARE(QDir(Paths::documentsDirectory()).entryList({"notifications.damaged-*"}).size(), 1);
    }

    // Whatever already fired is left for the app to settle (it finds the alarm by
    // that notification); what fired long ago and was never settled is settled now.
    void firedNotificationsAreSettledNotRearmed()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", "C");
        const auto wednesday = [](int hour, int minute, quint32 mask, bool snooze) {
            auto alarm = std::make_shared<Alarm>();
            alarm->setTimeOfDay(QTime(hour, minute));
            alarm->repeatMask = mask;
            alarm->snooze = snooze;
            return alarm;
        };
        const AlarmPtr justFired = wednesday(8, 1, 8, false);
        const AlarmPtr ringing = wednesday(8, 0, 0, true);
        const AlarmPtr longAgo = wednesday(7, 40, 8, true);
        const AlarmPtr onceLongAgo = wednesday(7, 10, 0, false);
        for (const auto &alarm : {justFired, ringing, longAgo, onceLongAgo})
            QVERIFY(manager.activate(alarm));
        // The deliverer fired them all and last looked at the list at 08:04.
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 8, 5));
        NotificationStore::Contents contents;
        contents.lastCheck = at("Europe/Berlin", 2026, 12, 9, 8, 4);
        QVERIFY(NotificationStore::save(contents));
        launch();
        // Fired four minutes ago: left as it is, for the app to settle.
        QCOMPARE(manager.alarmWithIdentifier(justFired->identifier)->scheduledNotifications->value("8").fireDate,
                 at("Europe/Berlin", 2026, 12, 9, 8, 1));
        // Snoozing, five minutes in: it goes on ringing until it is won.
        const LocalNotification snoozing = manager.alarmWithIdentifier(ringing->identifier)->scheduledNotifications->value("0");
        QCOMPARE(snoozing.fireDate, at("Europe/Berlin", 2026, 12, 9, 8, 0));
        QCOMPARE(manager.alarmWithIdentifier(longAgo->identifier)->scheduledNotifications->value("8").fireDate,
                 at("Europe/Berlin", 2026, 12, 16, 7, 40));
        QVERIFY(!manager.alarmWithIdentifier(onceLongAgo->identifier)->active);
        const LocalNotificationList pending = store.scheduler().scheduledLocalNotifications();
        QCOMPARE(pending.size(), 2);
        QVERIFY(pending.contains(snoozing));
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
