// The launch sequence: first-run defaults, the start-up repair, the command
// line and the launcher's "New alarm" request.
#include "alarms/AlarmSchedule.h"
#include "app/LaunchArguments.h"
#include "app/AppCore.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using TestSupport::at;

namespace {
AlarmPtr alarmAt(int hour, int minute, quint32 mask, bool snooze = true)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->repeatMask = mask;
    alarm->snooze = snooze;
    return alarm;
}
} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();

    static bool launch()
    {
        AppCore core;
        const bool launched = core.launch({});
        QCoreApplication::processEvents(); // the stray-notification clean-up
        return launched;
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    // The first run (no weather unit stored) installs the weekday alarm, unless
    // the user's alarms are there (the config folder was wiped) or the alarm file
    // cannot be read. (The real binary's first and second start: tst_tolvekctl.)
    void firstRun_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<quint32>("mask"); // of the one alarm afterwards; 0: none
        QTest::addColumn<int>("pending");
        QTest::newRow("fresh") << "fresh" << Alarm::kWeekdays << 5;
        QTest::newRow("empty weather unit") << "empty unit" << Alarm::kWeekdays << 5;
        QTest::newRow("preferences lost, alarms kept") << "alarm" << Alarm::kWeekend << 2;
        QTest::newRow("alarm file unreadable") << "unreadable" << 0u << 0;
    }
    void firstRun()
    {
        QFETCH(QString, home);
        QFETCH(quint32, mask);
        QFETCH(int, pending);
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        if (home == QLatin1String("empty unit"))
            Preferences::shared().setString("DefaultWeatherUnit", QString());
        if (home == QLatin1String("alarm"))
            QVERIFY(manager.addRepeating(alarmAt(5, 45, Alarm::kWeekend)));
        if (home == QLatin1String("unreadable"))
            QVERIFY(QDir().mkpath(AlarmSchedule::alarmFilePath()));
        QCOMPARE(launch(), home != QLatin1String("unreadable")); // which says the alarms cannot be checked
        QCOMPARE(Preferences::shared().stringForKey("DefaultWeatherUnit"), QStringLiteral("C"));
        QCOMPARE(Preferences::shared().stringForKey("DefaultSkinFileKey"), QStringLiteral("skin-1-big"));
        const AlarmList alarms = manager.reload();
        QCOMPARE(alarms.size(), mask ? 1 : 0);
        if (mask)
            QCOMPARE(alarms[0]->repeatMask, mask);
        QCOMPARE(store.scheduler().scheduledLocalNotifications().size(), pending);
        QCOMPARE(QFileInfo(AlarmSchedule::alarmFilePath()).isDir(), home == QLatin1String("unreadable"));
    }

    // The start-up repair: the alarm file is the truth, the pending list follows it.
    void launchArmsEveryActiveAlarmAndDropsStrays()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", "C"); // not a first run
        const AlarmPtr weekly = alarmAt(6, 30, Alarm::kWeekend);
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
        const AlarmPtr unarmed = alarmAt(9, 15, 0);
        QVERIFY(manager.writeAlarmFile({weekly, unarmed}));

        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: alarm .* was not pending; armed again"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: alarm .* was on without its notifications"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("repaired: removed a notification .* that no alarm has"));
        QVERIFY(launch());
        const AlarmPtr rearmed = manager.alarmWithIdentifier(unarmed->identifier);
        QCOMPARE(rearmed->scheduledNotifications->value("0").fireDate, at("Europe/Berlin", 2026, 12, 9, 9, 15));
        LocalNotificationList expected = armed;
        expected.append(rearmed->scheduledNotifications->value("0"));
        LocalNotificationList pending = store.scheduler().scheduledLocalNotifications();
        const auto byMoment
            = [](const LocalNotification &a, const LocalNotification &b) { return a.fireDate < b.fireDate; };
        std::sort(expected.begin(), expected.end(), byMoment);
        std::sort(pending.begin(), pending.end(), byMoment);
        QCOMPARE(pending, expected);
    }

    // Whatever already fired is left for the app to settle (it finds the alarm by
    // that notification); what fired long ago and was never settled is settled now.
    void firedNotificationsAreSettledNotRearmed()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        Preferences::shared().setString("DefaultWeatherUnit", "C");
        const AlarmPtr justFired = alarmAt(8, 1, 8, false);
        const AlarmPtr ringing = alarmAt(8, 0, 0, true);
        const AlarmPtr longAgo = alarmAt(7, 40, 8, true);
        const AlarmPtr onceLongAgo = alarmAt(7, 10, 0, false);
        for (const auto &alarm : {justFired, ringing, longAgo, onceLongAgo})
            QVERIFY(manager.activate(alarm));
        // The deliverer fired them all and last looked at the list at 08:04.
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 8, 5));
        NotificationStore::Contents contents;
        contents.lastCheck = at("Europe/Berlin", 2026, 12, 9, 8, 4);
        QVERIFY(NotificationStore::save(contents));
        QVERIFY(launch());
        const auto stored = [&](const AlarmPtr &alarm, const char *key) {
            return manager.alarmWithIdentifier(alarm->identifier)->scheduledNotifications->value(key);
        };
        // Fired four minutes ago: left as it is, for the app to settle.
        QCOMPARE(stored(justFired, "8").fireDate, at("Europe/Berlin", 2026, 12, 9, 8, 1));
        // Snoozing, five minutes in: it goes on ringing until it is won.
        QCOMPARE(stored(ringing, "0").fireDate, at("Europe/Berlin", 2026, 12, 9, 8, 0));
        QCOMPARE(stored(longAgo, "8").fireDate, at("Europe/Berlin", 2026, 12, 16, 7, 40));
        QVERIFY(!manager.alarmWithIdentifier(onceLongAgo->identifier)->active);
        const LocalNotificationList pending = store.scheduler().scheduledLocalNotifications();
        QCOMPARE(pending.size(), 2);
        QVERIFY(pending.contains(stored(ringing, "0")));
    }

    // A notification on the command line that is not one is an error, not an
    // alarm (a real one: tst_alarm_road). A start for "New alarm" keeps the
    // request until the home screen takes it, once; a plain start asks for nothing.
    void commandLineAndNewAlarm()
    {
        const auto parse
            = [](const QStringList &args) { return LaunchArguments::parse(QStringList{"tolvek-alarm"} + args); };
        LaunchArguments parsed = parse({"--launch-notification", "{\"$class\": \"Other\"}"});
        QVERIFY(!parsed.options.localNotification && !parsed.error.isEmpty());
        QVERIFY(!parse({}).options.newAlarm);
        parsed = parse({"--once", "--new-alarm"});
        QVERIFY(parsed.once && parsed.options.newAlarm && parsed.error.isEmpty());
        {
            AppCore plain;
            QSignalSpy asked(&plain, &AppCore::newAlarmRequested);
            QVERIFY(plain.launch({}));
            QVERIFY(!plain.takeNewAlarmRequest() && asked.isEmpty());
        }
        AppCore core;
        QSignalSpy asked(&core, &AppCore::newAlarmRequested);
        QVERIFY(core.launch(parsed.options));
        QCOMPARE(asked.size(), 1);
        QVERIFY(core.takeNewAlarmRequest());
        QVERIFY(!core.takeNewAlarmRequest()); // opened once, not on every later visit
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
