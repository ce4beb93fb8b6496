// The notification service as users meet it: a real tolvek-notifyd process on a
// private session bus, the app's client and bus endpoint, and a stand-in app
// binary the service starts when the app is not running. Last, with the app's
// own session bus on a second private bus: which scheduler the app installs,
// and what its status line says about how alarms reach the sleeper (in-process
// and a plain sentence when there is no service; the service's client and
// nothing to say while it runs and can wake the machine from suspend; a plain
// sentence when it cannot or is gone; the service started by the bus when it
// is installed). The service is run once with and once without CAP_WAKE_ALARM
// (setpriv drops it) where this process has it.
#include "NotifydHarness.h"
#include "app/AlarmBusEndpoint.h"
#include "app/ServiceStatus.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/KeyedArchive.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationStore.h"
#include "platform/Paths.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <csignal>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
LocalNotification notificationIn(qint64 msecs, const QString &body = QStringLiteral("Rise and shine"))
{
    LocalNotification n;
    // Whole seconds, as alarms are; the archive keeps milliseconds anyway.
    n.fireDate = QDateTime::currentDateTime().addMSecs(msecs);
    n.timeZone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = body;
    n.soundName = QStringLiteral("Airship.mp3");
    return n;
}

QString recordPath()
{
    return QDir::temp().filePath(QStringLiteral("tolvek-notifyd-test-app-%1").arg(QCoreApplication::applicationPid()));
}

// The command lines the stand-in app was started with.
QByteArray recorded()
{
    QFile record(recordPath());
    return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
}

// The app as the service meets it: its client scheduler installed as the
// process-wide one and its bus endpoint on the bus.
struct RunningApp
{
    explicit RunningApp(const QDBusConnection &bus) : scheduler(bus)
    {
        LocalNotificationScheduler::setShared(&scheduler);
        registered = endpoint.registerOn(bus);
    }
    ~RunningApp() { LocalNotificationScheduler::setShared(nullptr); }

    DBusNotificationScheduler scheduler;
    AlarmBusEndpoint endpoint;
    bool registered = false;
    QSignalSpy received{&scheduler, &LocalNotificationScheduler::notificationReceived};
    QSignalSpy missed{&scheduler, &LocalNotificationScheduler::notificationMissed};
    QSignalSpy raised{&endpoint, &AlarmBusEndpoint::raiseRequested};
};

// Records what reaches org.freedesktop.Notifications; stands in for the desktop's notification server.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList bodies;
    QList<QStringList> actions;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &body,
                const QStringList &actionList, const QVariantMap &, int)
    {
        bodies.append(body);
        actions.append(actionList);
        return 41;
    }
};

// Whether this process (and so the service it starts) may arm a timer that wakes the machine.
bool mayWakeTheMachine()
{
    const int fd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

const QStringList kWithoutWakeCapability{"setpriv", "--bounding-set", "-wake_alarm", "--inh-caps", "-wake_alarm"};

// The scheduler the app installs on its session bus, and the status following it.
struct InstalledApp
{
    NotificationSchedulerSetup setup;
    QObject owner;
    ServiceStatus status;
    InstalledApp()
    {
        setup = installNotificationScheduler(&owner);
        status.follow(setup);
    }
    ~InstalledApp() { LocalNotificationScheduler::setShared(nullptr); }
    bool usesTheService() const
    {
        return qobject_cast<DBusNotificationScheduler *>(&LocalNotificationScheduler::shared());
    }
};
} // namespace

class TestNotifydBus : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateBus> bus_;
    std::unique_ptr<PrivateBus> appSessionBus_; // QDBusConnection::sessionBus(), for the whole run
    std::unique_ptr<ServiceProcess> service_;

    QProcessEnvironment environment(const PrivateBus &bus) const
    {
        QProcessEnvironment env = serviceEnvironment(bus);
        env.insert(QStringLiteral("TOLVEK_ALARM_BINARY"), QStringLiteral(TOLVEK_TEST_APP_BINARY));
        env.insert(QStringLiteral("TOLVEK_TEST_APP_RECORD"), recordPath());
        return env;
    }
    // On the test's own bus, or on `bus`.
    bool startService(const PrivateBus *bus = nullptr, const QStringList &wrapper = {})
    {
        bus = bus ? bus : bus_.get();
        service_ = std::make_unique<ServiceProcess>(*bus, environment(*bus));
        return service_->start(wrapper);
    }
    QDBusMessage callService(const QString &method, const QVariantList &args)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(NotificationBus::kServiceName, NotificationBus::kServicePath,
                                                           NotificationBus::kServiceName, method);
        call.setArguments(args);
        return bus_->connection().call(call);
    }

private Q_SLOTS:
    void initTestCase()
    {
        appSessionBus_ = std::make_unique<PrivateBus>();
        QVERIFY(appSessionBus_->isValid());
        qputenv("DBUS_SESSION_BUS_ADDRESS", appSessionBus_->address().toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
    }
    void cleanupTestCase()
    {
        // The service the bus started is not this test's child.
        const uint pid = appSessionBus_->connection().interface()->servicePid(NotificationBus::kServiceName);
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        appSessionBus_.reset();
    }
    void init()
    {
        QDir(Paths::documentsDirectory()).removeRecursively();
        QFile::remove(recordPath());
        bus_ = std::make_unique<PrivateBus>();
        QVERIFY(bus_->isValid());
    }
    void cleanup()
    {
        service_.reset();
        bus_.reset();
        QFile::remove(recordPath());
    }

    // On time to the running app: what it scheduled on the bus, and what the
    // command-line tool wrote to the list file, which the service picks up. Each
    // also goes to the desktop's notification server, and raises the window; so
    // does the user's press on the bubble's "Rock & Roll".
    void deliversToTheRunningAppAndTheDesktop()
    {
        NotificationServer server;
        QDBusConnection desktop = bus_->newConnection(QStringLiteral("desktop"));
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(startService());
        RunningApp app(bus_->connection());
        QVERIFY(app.registered);
        const LocalNotification n = notificationIn(2000);
        QVERIFY(app.scheduler.scheduleLocalNotification(n));
        InProcessNotificationScheduler tool(false); // the command-line tool works on the file
        const LocalNotification fromTool = notificationIn(2500, QStringLiteral("from the tool"));
        QVERIFY(tool.scheduleLocalNotification(fromTool));
        QVERIFY(app.received.wait(6000));
        QVERIFY(QDateTime::currentDateTime() >= n.fireDate);
        QTRY_COMPARE_WITH_TIMEOUT(app.received.size(), 2, 6000);
        QCOMPARE(app.received.at(0).first().value<LocalNotification>(), n);
        QCOMPARE(app.received.at(1).first().value<LocalNotification>(), fromTool);
        QTRY_COMPARE(app.raised.size(), 2);
        QVERIFY(app.scheduler.scheduledLocalNotifications().isEmpty());
        QVERIFY(app.scheduler.problem().isEmpty());

        QTRY_COMPARE(server.bodies, (QStringList{"Rise and shine", "from the tool"}));
        const int index = server.actions.first().indexOf(QStringLiteral("Rock & Roll"));
        QVERIFY(index > 0);
        QDBusMessage invoked = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                          QStringLiteral("org.freedesktop.Notifications"),
                                                          QStringLiteral("ActionInvoked"));
        invoked << uint(41) << server.actions.first().value(index - 1);
        QVERIFY(desktop.send(invoked));
        QTRY_COMPARE(app.raised.size(), 3);
        QDBusConnection::disconnectFromBus(desktop.name());
    }

    // With no app running, what falls due (late, too, by less than ten minutes,
    // after the service was down) starts the app with the notification; what was
    // missed long ago starts nothing and waits until the app is there.
    void withoutTheAppDueOnesStartItMissedOnesWait()
    {
        const LocalNotification late = notificationIn(-2 * 60 * 1000, QStringLiteral("two minutes late"));
        const LocalNotification tooLate = notificationIn(-20 * 60 * 1000, QStringLiteral("twenty minutes late"));
        const LocalNotification coming = notificationIn(3600 * 1000, QStringLiteral("still to come"));
        NotificationStore::Contents contents;
        contents.pending = {late, tooLate, coming};
        contents.lastCheck = QDateTime::currentDateTime().addSecs(-3600); // the service was down for an hour
        QVERIFY(NotificationStore::save(contents));
        QVERIFY(startService());
        QTRY_VERIFY_WITH_TIMEOUT(recorded().endsWith("--\n"), 6000);
        const QStringList arguments = QString::fromUtf8(recorded()).split(QLatin1Char('\n'));
        QCOMPARE(arguments.value(0), QStringLiteral("--launch-notification"));
        bool ok = false;
        QCOMPARE(NotificationBus::fromWire(arguments.value(1), &ok), late);
        QVERIFY(ok);

        RunningApp app(bus_->connection());
        QVERIFY(app.registered);
        QVERIFY(app.missed.wait(5000));
        QCOMPARE(app.missed.first().first().value<LocalNotification>(), tooLate);
        QCOMPARE(app.scheduler.scheduledLocalNotifications(), LocalNotificationList{coming});
        QCOMPARE(recorded().count("--\n"), 1); // the app was started once, for the late one
    }

    void cancelCancelAllAndTheLimitAcrossProcesses()
    {
        QVERIFY(startService());
        DBusNotificationScheduler app(bus_->connection());
        DBusNotificationScheduler other(bus_->newConnection(QStringLiteral("other")));
        InProcessNotificationScheduler tool(false); // the command-line tool works on the file

        LocalNotificationList scheduled;
        for (int i = 0; i < LocalNotification::kMaxPending; ++i) {
            scheduled.append(notificationIn((3600 + i) * 1000));
            QVERIFY(app.scheduleLocalNotification(scheduled.last()));
        }
        QVERIFY(!other.scheduleLocalNotification(notificationIn(7200 * 1000)));
        QCOMPARE(other.scheduledLocalNotifications(), scheduled);
        QCOMPARE(tool.scheduledLocalNotifications(), scheduled);

        // Cancelled by a copy that went through an archive, as alarms keep them.
        const LocalNotification decoded = LocalNotification::fromArchive(scheduled.at(10).toJson());
        other.cancelLocalNotification(decoded);
        scheduled.removeAt(10);
        QCOMPARE(app.scheduledLocalNotifications(), scheduled);
        QVERIFY(app.scheduleLocalNotification(notificationIn(7200 * 1000)));

        app.cancelAllLocalNotifications();
        QVERIFY(other.scheduledLocalNotifications().isEmpty());
        QVERIFY(tool.scheduledLocalNotifications().isEmpty());
    }

    // Killed at random moments of a burst of changes: the list on disk is never
    // damaged and keeps what was scheduled before; while the service is gone the
    // client works on the file and says why, and says nothing once it is back.
    void killedServiceKeepsItsPendingList()
    {
        const quint32 seed = QRandomGenerator::system()->generate();
        qInfo("kill moments seeded with %u", seed);
        QRandomGenerator random(seed);
        DBusNotificationScheduler scheduler(bus_->connection());
        const LocalNotificationList scheduled{notificationIn(3600 * 1000, QStringLiteral("a")),
                                              notificationIn(7200 * 1000, QStringLiteral("b"))};
        QVERIFY(startService());
        for (const LocalNotification &n : scheduled)
            QVERIFY(scheduler.scheduleLocalNotification(n));
        for (int round = 0; round < 8; ++round) {
            if (round > 0)
                QVERIFY(startService());
            QTRY_VERIFY(scheduler.problem().isEmpty());
            // A second connection sends a burst without waiting for answers.
            QDBusConnection sender = bus_->newConnection(QStringLiteral("burst"));
            for (int i = 0; i < 40; ++i) {
                QDBusMessage call
                    = QDBusMessage::createMethodCall(NotificationBus::kServiceName, NotificationBus::kServicePath,
                                                     NotificationBus::kServiceName, i % 3 == 2 ? "Cancel" : "Schedule");
                call << NotificationBus::toWire(notificationIn((3600 + i) * 1000));
                sender.asyncCall(call);
            }
            QTest::qWait(int(random.bounded(1, 40)));
            service_->killHard();
            QDBusConnection::disconnectFromBus(sender.name());
            QVERIFY(bus_->waitForOwner(NotificationBus::kServiceName, false));
            const KeyedArchive::ReadResult read = KeyedArchive::readFile(NotificationStore::path());
            QVERIFY2(read.status != KeyedArchive::ReadStatus::Damaged, qPrintable(QString::number(round)));
            const LocalNotificationList kept = scheduler.scheduledLocalNotifications();
            QVERIFY(kept.size() <= LocalNotification::kMaxPending);
            for (const LocalNotification &n : scheduled)
                QVERIFY(kept.contains(n));
            QTRY_VERIFY(!scheduler.problem().isEmpty());
        }
    }

    // Calls the service cannot use, or whose notification it could not keep or
    // fire, get a bus error that says why; it goes on serving and stores nothing.
    // Everything the app sends is kept as sent.
    void callsAreCheckedBeforeAnythingIsKept_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("reason"); // part of the error message; null: accepted
        using N = LocalNotification;
        const auto wire = [](auto change) {
            N n = notificationIn(3600 * 1000);
            change(n);
            return QVariantList{NotificationBus::toWire(n)};
        };
        const auto text = [](const char *json) { return QVariantList{QString::fromUtf8(json)}; };
        const QDateTime now = QDateTime::currentDateTime();
        const struct
        {
            const char *name, *method;
            QVariantList arguments;
            const char *reason;
        } rows[] = {
            {"not json", "Schedule", text("tomorrow at seven"), ""},
            {"array", "Cancel", text("[]"), ""},
            {"other class", "Schedule", text(R"({"$class":"Alarm","fireDate":{"$date":"2030-01-01T07:00:00.000Z"}})"),
             ""},
            {"bad date", "Schedule", text(R"({"$class":"LocalNotification","fireDate":{"$date":"soon"}})"), ""},
            // Refused before it is read as JSON (20 MB bodies: bench_notifyd, as they take seconds on the bus).
            {"256 KB body", "Schedule", wire([](N &n) { n.alertBody = QString(256 << 10, 'z'); }),
             "characters long; at most"},
            {"body one byte over", "Schedule", wire([](N &n) { n.alertBody = QString(4097, 'z'); }),
             "alertBody is 4097 bytes long"},
            // 1366 three-byte characters: 4098 bytes in 1366 characters.
            {"body over in bytes", "Schedule", wire([](N &n) { n.alertBody = QString(1366, QChar(0x263C)); }),
             "alertBody is 4098 bytes long"},
            {"long action", "Schedule", wire([](N &n) { n.alertAction = QString(5000, 'a'); }), "alertAction"},
            {"long sound", "Schedule", wire([](N &n) { n.soundName = QString(5000, 's'); }), "soundName"},
            {"101 years ahead", "Schedule", wire([&](N &n) { n.fireDate = now.addYears(101); }), "years away"},
            {"101 years ago", "Schedule", wire([&](N &n) { n.fireDate = now.addYears(-101); }), "years away"},
            {"path for a zone", "Schedule", wire([](N &n) { n.timeZone = "../../../etc/passwd"; }),
             "not a known time zone"},
            {"other calendar", "Schedule", wire([](N &n) { n.repeatCalendar = "hebrew"; }), "repeatCalendar"},
            {"interval -2^31", "Schedule", wire([](N &n) { n.repeatInterval = std::numeric_limits<int>::min(); }),
             "repeatInterval -2147483648 is not supported"},
            {"accepted: the longest fields", "Schedule", wire([](N &n) {
                 n.alertBody = QString(4096, 'z');
                 n.alertAction = QString(1365, QChar(0x263C)); // 4095 bytes
                 n.soundName = QString(4096, 's');
             }),
             nullptr},
            {"accepted: snooze", "Schedule", wire([](N &n) { n.repeatInterval = N::kRepeatSecond; }), nullptr},
            {"accepted: no zone", "Schedule", wire([](N &n) { n.timeZone = n.repeatCalendar = QString(); }), nullptr},
            {"accepted: UTC", "Schedule", wire([](N &n) { n.timeZone = "UTC"; }), nullptr},
            {"accepted: Lord Howe", "Schedule", wire([](N &n) { n.timeZone = "Australia/Lord_Howe"; }), nullptr},
            {"accepted: 99 years ahead", "Schedule", wire([&](N &n) { n.fireDate = now.addYears(99); }), nullptr}};
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.method) << r.arguments << QString(r.reason);
    }
    void callsAreCheckedBeforeAnythingIsKept()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, reason);
        QVERIFY(startService());
        const QDBusMessage reply = callService(method, arguments);
        const QDBusMessage pending = callService(QStringLiteral("Pending"), {});
        QCOMPARE(pending.type(), QDBusMessage::ReplyMessage);
        if (reason.isNull()) {
            QVERIFY2(reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool(),
                     qPrintable(reply.errorMessage()));
            bool ok = false, sentOk = false;
            const LocalNotification sent = NotificationBus::fromWire(arguments.value(0).toString(), &sentOk);
            QCOMPARE(NotificationBus::listFromWire(pending.arguments().value(0).toString(), &ok),
                     LocalNotificationList{sent});
            QVERIFY(ok && sentOk);
            return;
        }
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), NotificationBus::kInvalidNotificationError);
        QVERIFY2(reply.errorMessage().contains(reason), qPrintable(reply.errorMessage().left(200)));
        QCOMPARE(pending.arguments().value(0).toString(), QStringLiteral("[]"));
        QVERIFY(!QFile::exists(NotificationStore::path()) || QFileInfo(NotificationStore::path()).size() < 1024);
    }

    void cancelFindsAPendingNotificationOutsideTheLimits()
    {
        // The app and the command-line tool write the list themselves; an alarm
        // slogan has no length limit there, and its notification must still go.
        NotificationStore::Contents contents;
        const LocalNotification wordy = notificationIn(3600 * 1000, QString(6000, QLatin1Char('w')));
        contents.pending = {wordy};
        QVERIFY(NotificationStore::save(contents));
        QVERIFY(startService());
        const QDBusMessage reply = callService(QStringLiteral("Cancel"), {NotificationBus::toWire(wordy)});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(reply.arguments().value(0).toBool(), true);
        QVERIFY(NotificationStore::load().pending.isEmpty());
    }

    void appEndpointRefusesMalformedNotifications()
    {
        AlarmBusEndpoint endpoint;
        QVERIFY(endpoint.registerOn(bus_->connection()));
        QDBusConnection caller = bus_->newConnection(QStringLiteral("caller"));
        QDBusMessage call
            = QDBusMessage::createMethodCall(NotificationBus::kAppName, NotificationBus::kAppPath,
                                             NotificationBus::kAppName, QStringLiteral("DeliverNotification"));
        call << QStringLiteral("{\"$class\": 7}");
        // Asynchronously: the endpoint answers from this very thread.
        QDBusPendingCall reply = caller.asyncCall(call);
        QTRY_VERIFY(reply.isFinished());
        QCOMPARE(reply.error().name(), NotificationBus::kInvalidNotificationError);
        // A second copy of the app cannot take the name.
        AlarmBusEndpoint second;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("already taken"));
        QVERIFY(!second.registerOn(caller));
    }

    void damagedListIsKeptAsideWithALogLine()
    {
        {
            QFile file(NotificationStore::path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x00\x01 not an archive", 17));
        }
        QVERIFY(startService());
        const QDBusMessage pending = callService(QStringLiteral("Pending"), {});
        QCOMPARE(pending.arguments().value(0).toString(), QStringLiteral("[]"));
        QTRY_VERIFY((service_->readOutput(), service_->output().contains("damaged; kept it as")));
        const QDir documents(QFileInfo(NotificationStore::path()).absolutePath());
        const QStringList aside = documents.entryList({QStringLiteral("notifications.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(documents.filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("\x00\x01 not an archive", 17));
    }

    void twoServicesNeverRunAtOnce()
    {
        QVERIFY(startService());
        ServiceProcess second(*bus_, environment(*bus_));
        second.process().start(ServiceProcess::binary(), {});
        QVERIFY(second.process().waitForFinished(10000));
        QCOMPARE(second.process().exitCode(), 2);
        second.readOutput();
        QVERIFY(second.output().contains("another notification service already runs"));
        QCOMPARE(callService(QStringLiteral("Pending"), {}).type(), QDBusMessage::ReplyMessage);
    }

    void withoutTheServiceAlarmsRingOnlyWhileTheAppIsOpen()
    {
        InstalledApp app;
        QVERIFY(!app.setup.viaService && !app.usesTheService());
        QCOMPARE(&LocalNotificationScheduler::shared(), app.setup.scheduler);
        QCOMPARE(app.status.statusLine(),
                 QStringLiteral("The notification service is not installed. Alarms ring only while the app is open."));
        QVERIFY(!app.status.wakesFromSuspend());
    }

    void theServiceSaysWhetherItWakesTheMachine()
    {
        const bool mayWake = mayWakeTheMachine();
        qInfo("this test process %s CAP_WAKE_ALARM", mayWake ? "has" : "lacks");
        QVERIFY(startService(appSessionBus_.get()));
        InstalledApp app;
        QVERIFY(app.setup.viaService && app.usesTheService());
        QCOMPARE(app.setup.state, QStringLiteral("The notification service is running."));
        QTRY_COMPARE(app.status.wakesFromSuspend(), mayWake);
        if (mayWake)
            QCOMPARE(app.status.statusLine(), QString());
        else
            QTRY_VERIFY(app.status.statusLine().contains("cannot wake it from suspend"));

        // The service goes away: the line says so; it comes back without the
        // capability: the app asks again and says it cannot wake the machine.
        QSignalSpy changed(&app.status, &ServiceStatus::changed);
        service_.reset();
        QTRY_VERIFY(app.status.statusLine().contains("not running"));
        QVERIFY(startService(appSessionBus_.get(), mayWake ? kWithoutWakeCapability : QStringList()));
        QTRY_VERIFY2(app.status.statusLine().contains("cannot wake it from suspend"),
                     qPrintable(app.status.statusLine()));
        QVERIFY(!app.status.wakesFromSuspend());
        QVERIFY(changed.size() >= 2);
    }

    // Installed but not running: the app has the bus start it, and schedules through it.
    void activatesAnInstalledService()
    {
        QVERIFY(appSessionBus_->installActivationFile(ServiceProcess::binary(), serviceEnvironment(*appSessionBus_)));
        QVERIFY(!appSessionBus_->hasOwner(NotificationBus::kServiceName));
        InstalledApp app;
        QVERIFY(app.setup.viaService && app.usesTheService());
        QCOMPARE(app.setup.state, QStringLiteral("The notification service was started."));
        QVERIFY(appSessionBus_->hasOwner(NotificationBus::kServiceName));
        const LocalNotification n = notificationIn(3600 * 1000);
        QVERIFY(LocalNotificationScheduler::shared().scheduleLocalNotification(n));
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications(), LocalNotificationList{n});
    }
};

QTEST_GUILESS_MAIN(TestNotifydBus)
#include "tst_notifyd_bus.moc"
