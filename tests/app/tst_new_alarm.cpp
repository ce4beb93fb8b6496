// The launcher's "New alarm": the command line asks for it, the core keeps the
// request until the home screen takes it (once), and says so to a screen that
// is already up; the running app's bus endpoint asks the same way.
#include "app/AlarmBusEndpoint.h"
#include "app/AppCore.h"
#include "app/LaunchArguments.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

class TestNewAlarm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    void commandLine()
    {
        const auto parse = [](QStringList args) { return LaunchArguments::parse(QStringList{"tolvek-alarm"} + args); };
        QVERIFY(parse({"--new-alarm"}).options.newAlarm);
        QVERIFY(parse({"--once", "--new-alarm"}).options.newAlarm);
        QVERIFY(!parse({}).options.newAlarm);
        QVERIFY(!parse({"--new-alarms"}).options.newAlarm);
        QVERIFY(parse({"--new-alarm"}).error.isEmpty());
    }

    void aStartForANewAlarmWaitsForTheHomeScreen()
    {
        AppCore core;
        QSignalSpy asked(&core, &AppCore::newAlarmRequested);
        LaunchOptions options;
        options.newAlarm = true;
        QVERIFY(core.launch(options));
        QCOMPARE(asked.size(), 1);
        QVERIFY(core.takeNewAlarmRequest());
        QVERIFY(!core.takeNewAlarmRequest()); // opened once, not on every later visit
    }

    void aPlainStartAsksForNothing()
    {
        AppCore core;
        QSignalSpy asked(&core, &AppCore::newAlarmRequested);
        QVERIFY(core.launch({}));
        QCOMPARE(asked.size(), 0);
        QVERIFY(!core.takeNewAlarmRequest());
    }

    void theRunningAppIsAskedOnTheBus()
    {
        AlarmBusEndpoint endpoint;
        QSignalSpy asked(&endpoint, &AlarmBusEndpoint::newAlarmRequested);
        QSignalSpy raised(&endpoint, &AlarmBusEndpoint::raiseRequested);
        QVERIFY(QMetaObject::invokeMethod(&endpoint, "NewAlarm"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(raised.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestNewAlarm)
#include "tst_new_alarm.moc"
