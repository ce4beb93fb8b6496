// The notification service as users meet it: a real tolvek-notifyd process on a
// private session bus, the app's client and bus endpoint, and a stand-in app
// binary the service starts when the app is not running.
#include "NotifydHarness.h"
#include "app/AlarmBusEndpoint.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/KeyedArchive.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationStore.h"
#include "platform/Paths.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <csignal>
#include <limits>

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

QString recordPath() { return QDir::temp().filePath(QStringLiteral("tolvek-notifyd-test-app-%1").arg(QCoreApplication::applicationPid())); }

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
} // namespace

class TestNotifydBus : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateBus> bus_;
    std::unique_ptr<ServiceProcess> service_;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = serviceEnvironment(*bus_);
        env.insert(QStringLiteral("TOLVEK_ALARM_BINARY"), QStringLiteral(TOLVEK_TEST_APP_BINARY));
        env.insert(QStringLiteral("TOLVEK_TEST_APP_RECORD"), recordPath());
        return env;
    }
    bool startService()
    {
        service_ = std::make_unique<ServiceProcess>(*bus_, environment());
        return service_->start();
    }
    QDBusMessage callService(const QString &method, const QVariantList &args)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(NotificationBus::kServiceName, NotificationBus::kServicePath,
                                                           NotificationBus::kServiceName, method);
        call.setArguments(args);
        return bus_->connection().call(call);
    }

private Q_SLOTS:
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

    void deliversToTheRunningApp()
    {
        QVERIFY(startService());
        RunningApp app(bus_->connection());
        QVERIFY(app.registered);

        const LocalNotification n = notificationIn(2000);
        QVERIFY(app.scheduler.scheduleLocalNotification(n));
        QCOMPARE(app.scheduler.scheduledLocalNotifications(), LocalNotificationList{n});
        QVERIFY(app.received.wait(6000));
        QVERIFY(QDateTime::currentDateTime() >= n.fireDate);
        QCOMPARE(app.received.first().first().value<LocalNotification>(), n);
        QTRY_COMPARE(app.raised.size(), 1);
        QVERIFY(app.scheduler.scheduledLocalNotifications().isEmpty());
        QVERIFY(app.scheduler.problem().isEmpty());
    }

    void startsTheAppWithTheNotificationWhenNoneRuns()
    {
        QVERIFY(startService());
        DBusNotificationScheduler scheduler(bus_->connection());
        const LocalNotification n = notificationIn(2000, QStringLiteral("Time to fly"));
        QVERIFY(scheduler.scheduleLocalNotification(n));
        const auto recorded = [] {
            QFile record(recordPath());
            return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(recorded().endsWith("--\n"), 6000);
        const QStringList arguments = QString::fromUtf8(recorded()).split(QLatin1Char('\n'));
        QCOMPARE(arguments.value(0), QStringLiteral("--launch-notification"));
        bool ok = false;
        QCOMPARE(NotificationBus::fromWire(arguments.value(1), &ok), n);
        QVERIFY(ok);
    }

    void startsOnDemandThroughBusActivation()
    {
        QVERIFY(bus_->installActivationFile(ServiceProcess::binary(), environment()));
        QVERIFY(!bus_->hasOwner(NotificationBus::kServiceName));
        DBusNotificationScheduler scheduler(bus_->connection());
        const LocalNotification n = notificationIn(3600 * 1000);
        QVERIFY(scheduler.scheduleLocalNotification(n));
        QTRY_VERIFY_WITH_TIMEOUT(bus_->hasOwner(NotificationBus::kServiceName), 10000);
        QCOMPARE(scheduler.scheduledLocalNotifications(), LocalNotificationList{n});
        // Stop the activated service; its pid is the name's owner.
        const uint pid = bus_->connection().interface()->servicePid(NotificationBus::kServiceName);
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGTERM);
        QVERIFY(bus_->waitForOwner(NotificationBus::kServiceName, false));
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

    void picksUpWhatTheCommandLineToolSchedules()
    {
        QVERIFY(startService());
        RunningApp app(bus_->connection());
        QVERIFY(app.registered);

        InProcessNotificationScheduler tool(false);
        const LocalNotification n = notificationIn(1500);
        QVERIFY(tool.scheduleLocalNotification(n));
        QVERIFY(app.received.wait(6000));
        QCOMPARE(app.received.first().first().value<LocalNotification>(), n);
    }

    void killedServiceKeepsItsPendingList()
    {
        QVERIFY(startService());
        DBusNotificationScheduler scheduler(bus_->connection());
        const LocalNotificationList scheduled{notificationIn(3600 * 1000, QStringLiteral("a")),
                                              notificationIn(7200 * 1000, QStringLiteral("b")),
                                              notificationIn(9000 * 1000, QStringLiteral("c"))};
        for (const LocalNotification &n : scheduled)
            QVERIFY(scheduler.scheduleLocalNotification(n));
        service_->killHard();
        QVERIFY(bus_->waitForOwner(NotificationBus::kServiceName, false));

        // While it is gone the client keeps working on the file and says why.
        QCOMPARE(scheduler.scheduledLocalNotifications(), scheduled);
        QTRY_VERIFY(!scheduler.problem().isEmpty());

        QVERIFY(startService());
        QCOMPARE(scheduler.scheduledLocalNotifications(), scheduled);
        QTRY_VERIFY(scheduler.problem().isEmpty());
    }

    void killingDuringWritesNeverDamagesTheList()
    {
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 8; ++round) {
            QVERIFY(startService());
            // A second connection sends a burst without waiting for answers.
            QDBusConnection sender = bus_->newConnection(QStringLiteral("burst"));
            for (int i = 0; i < 40; ++i) {
                QDBusMessage call = QDBusMessage::createMethodCall(NotificationBus::kServiceName,
                                                                   NotificationBus::kServicePath,
                                                                   NotificationBus::kServiceName,
                                                                   i % 3 == 2 ? QStringLiteral("Cancel")
                                                                              : QStringLiteral("Schedule"));
                call << NotificationBus::toWire(notificationIn((3600 + i) * 1000));
                sender.asyncCall(call);
            }
            QTest::qWait(int(random->bounded(1, 40)));
            service_->killHard();
            QDBusConnection::disconnectFromBus(sender.name());
            const KeyedArchive::ReadResult read = KeyedArchive::readFile(NotificationStore::path());
            QVERIFY2(read.status != KeyedArchive::ReadStatus::Damaged, qPrintable(QString::number(round)));
            QVERIFY(NotificationStore::load().pending.size() <= LocalNotification::kMaxPending);
            QVERIFY(bus_->waitForOwner(NotificationBus::kServiceName, false));
        }
    }

    void lateNotificationsRingOrAreReportedMissed()
    {
        const LocalNotification late = notificationIn(-2 * 60 * 1000, QStringLiteral("two minutes late"));
        const LocalNotification tooLate = notificationIn(-20 * 60 * 1000, QStringLiteral("twenty minutes late"));
        const LocalNotification coming = notificationIn(3600 * 1000, QStringLiteral("still to come"));
        NotificationStore::Contents contents;
        contents.pending = {late, tooLate, coming};
        contents.lastCheck = QDateTime::currentDateTime().addSecs(-3600); // the service was down for an hour
        QVERIFY(NotificationStore::save(contents));

        RunningApp app(bus_->connection());
        QVERIFY(app.registered);
        QVERIFY(startService());
        QTRY_COMPARE(app.received.size(), 1);
        QTRY_COMPARE(app.missed.size(), 1);
        QCOMPARE(app.received.first().first().value<LocalNotification>(), late);
        QCOMPARE(app.missed.first().first().value<LocalNotification>(), tooLate);
        QCOMPARE(app.scheduler.scheduledLocalNotifications(), LocalNotificationList{coming});
    }

    void missedNotificationsWaitForTheApp()
    {
        NotificationStore::Contents contents;
        contents.pending = {notificationIn(-30 * 60 * 1000, QStringLiteral("slept through it"))};
        QVERIFY(NotificationStore::save(contents));
        QVERIFY(startService());
        QTRY_VERIFY(NotificationStore::load().pending.isEmpty());
        QVERIFY(!QFile::exists(recordPath())); // a missed alarm does not start the app

        RunningApp app(bus_->connection());
        QVERIFY(app.registered);
        QVERIFY(app.missed.wait(5000));
        QCOMPARE(app.missed.first().first().value<LocalNotification>().alertBody, QStringLiteral("slept through it"));
    }

    void malformedCallsGetBusErrors_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("error");
        const QString invalid = NotificationBus::kInvalidNotificationError;
        QTest::newRow("not json") << "Schedule" << QVariantList{QStringLiteral("tomorrow at seven")} << invalid;
        QTest::newRow("empty") << "Schedule" << QVariantList{QString()} << invalid;
        QTest::newRow("array") << "Cancel" << QVariantList{QStringLiteral("[]")} << invalid;
        QTest::newRow("other class") << "Schedule"
                                     << QVariantList{QStringLiteral(R"({"$class":"Alarm","fireDate":{"$date":"2030-01-01T07:00:00.000Z"}})")}
                                     << invalid;
        QTest::newRow("no fire date") << "Schedule"
                                      << QVariantList{QStringLiteral(R"({"$class":"LocalNotification","alertBody":"x"})")}
                                      << invalid;
        QTest::newRow("bad date") << "Schedule"
                                  << QVariantList{QStringLiteral(R"({"$class":"LocalNotification","fireDate":{"$date":"soon"}})")}
                                  << invalid;
        QTest::newRow("wrong argument type") << "Schedule" << QVariantList{42}
                                             << "org.freedesktop.DBus.Error.UnknownMethod";
        QTest::newRow("missing argument") << "Cancel" << QVariantList{} << "org.freedesktop.DBus.Error.UnknownMethod";
        QTest::newRow("unknown method") << "Explode" << QVariantList{} << "org.freedesktop.DBus.Error.UnknownMethod";
    }

    void malformedCallsGetBusErrors()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, error);
        QVERIFY(startService());
        const QDBusMessage reply = callService(method, arguments);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), error);
        // Still serving, nothing stored.
        const QDBusMessage pending = callService(QStringLiteral("Pending"), {});
        QCOMPARE(pending.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(pending.arguments().value(0).toString(), QStringLiteral("[]"));
    }

    void scheduleRefusesWhatCannotBeKeptOrFired_data()
    {
        QTest::addColumn<LocalNotification>("notification");
        QTest::addColumn<QString>("reason"); // part of the error message
        const LocalNotification good = notificationIn(3600 * 1000);
        const QDateTime now = QDateTime::currentDateTime();
        const auto with = [&](auto change) {
            LocalNotification n = good;
            change(n);
            return n;
        };
        // Refused before it is read as JSON (20 MB bodies: bench_notifyd, as they take seconds on the bus).
        QTest::newRow("256 KB body") << with([](LocalNotification &n) { n.alertBody = QString(256 << 10, QLatin1Char('z')); })
                                     << "characters long; at most";
        QTest::newRow("body one byte over") << with([](LocalNotification &n) { n.alertBody = QString(4097, QLatin1Char('z')); })
                                            << "alertBody is 4097 bytes long";
        // 1366 three-byte characters: 4098 bytes in 1366 characters.
        QTest::newRow("body over in bytes") << with([](LocalNotification &n) { n.alertBody = QString(1366, QChar(0x263C)); })
                                            << "alertBody is 4098 bytes long";
        QTest::newRow("long action") << with([](LocalNotification &n) { n.alertAction = QString(5000, QLatin1Char('a')); })
                                     << "alertAction";
        QTest::newRow("long sound") << with([](LocalNotification &n) { n.soundName = QString(5000, QLatin1Char('s')); })
                                    << "soundName";
        QTest::newRow("year 1") << with([](LocalNotification &n) { n.fireDate = QDateTime(QDate(1, 1, 1), QTime(7, 0)); })
                                << "years away";
        QTest::newRow("year 9999") << with([](LocalNotification &n) { n.fireDate = QDateTime(QDate(9999, 12, 31), QTime(7, 0)); })
                                   << "years away";
        QTest::newRow("101 years ahead") << with([&](LocalNotification &n) { n.fireDate = now.addYears(101); })
                                         << "years away";
        QTest::newRow("101 years ago") << with([&](LocalNotification &n) { n.fireDate = now.addYears(-101); })
                                       << "years away";
        QTest::newRow("path for a zone") << with([](LocalNotification &n) { n.timeZone = QStringLiteral("../../../etc/passwd"); })
                                         << "not a known time zone";
        QTest::newRow("made-up zone") << with([](LocalNotification &n) { n.timeZone = QStringLiteral("Nowhere/Atlantis"); })
                                      << "not a known time zone";
        QTest::newRow("other calendar") << with([](LocalNotification &n) { n.repeatCalendar = QStringLiteral("hebrew"); })
                                        << "repeatCalendar";
        QTest::newRow("interval -2^31") << with([](LocalNotification &n) { n.repeatInterval = std::numeric_limits<int>::min(); })
                                        << "repeatInterval -2147483648 is not supported";
        QTest::newRow("interval every day") << with([](LocalNotification &n) { n.repeatInterval = 16; })
                                            << "repeatInterval 16 is not supported";
    }

    void scheduleRefusesWhatCannotBeKeptOrFired()
    {
        QFETCH(LocalNotification, notification);
        QFETCH(QString, reason);
        QVERIFY(startService());
        const QDBusMessage reply = callService(QStringLiteral("Schedule"), {NotificationBus::toWire(notification)});
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), NotificationBus::kInvalidNotificationError);
        QVERIFY2(reply.errorMessage().contains(reason), qPrintable(reply.errorMessage().left(200)));
        QCOMPARE(callService(QStringLiteral("Pending"), {}).arguments().value(0).toString(), QStringLiteral("[]"));
        QVERIFY(!QFile::exists(NotificationStore::path()) || QFileInfo(NotificationStore::path()).size() < 1024);
    }

    void scheduleAcceptsEverythingTheAppSends()
    {
        QVERIFY(startService());
        const QDateTime now = QDateTime::currentDateTime();
        LocalNotificationList accepted;
        LocalNotification longest = notificationIn(3600 * 1000, QString(4096, QLatin1Char('z')));
        longest.alertAction = QString(1365, QChar(0x263C)); // 4095 bytes
        longest.soundName = QString(4096, QLatin1Char('s'));
        accepted.append(longest);
        LocalNotification snooze = notificationIn(7200 * 1000);
        snooze.repeatInterval = LocalNotification::kRepeatSecond;
        accepted.append(snooze);
        LocalNotification absolute = notificationIn(9000 * 1000);
        absolute.timeZone.clear();
        absolute.repeatCalendar.clear();
        accepted.append(absolute);
        for (const char *zone : {"UTC", "Australia/Lord_Howe", "America/New_York"}) {
            LocalNotification zoned = notificationIn(10000 * 1000);
            zoned.timeZone = QString::fromLatin1(zone);
            accepted.append(zoned);
        }
        LocalNotification farAhead = notificationIn(0);
        farAhead.fireDate = now.addYears(99);
        accepted.append(farAhead);
        for (const LocalNotification &n : accepted) {
            const QDBusMessage reply = callService(QStringLiteral("Schedule"), {NotificationBus::toWire(n)});
            QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
            QCOMPARE(reply.arguments().value(0).toBool(), true);
        }
        bool ok = false;
        QCOMPARE(NotificationBus::listFromWire(callService(QStringLiteral("Pending"), {}).arguments().value(0).toString(), &ok),
                 accepted);
        QVERIFY(ok);
    }

    void oversizedCallsNeverFillTheList()
    {
        QVERIFY(startService());
        const QString huge = NotificationBus::toWire(notificationIn(3600 * 1000, QString(256 << 10, QLatin1Char('z'))));
        for (int i = 0; i < LocalNotification::kMaxPending; ++i) {
            const QDBusMessage reply = callService(i % 2 ? QStringLiteral("Cancel") : QStringLiteral("Schedule"), {huge});
            QCOMPARE(reply.errorName(), NotificationBus::kInvalidNotificationError);
        }
        // Room for every alarm afterwards.
        const LocalNotification n = notificationIn(3600 * 1000);
        const QDBusMessage reply = callService(QStringLiteral("Schedule"), {NotificationBus::toWire(n)});
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        QCOMPARE(NotificationStore::load().pending, LocalNotificationList{n});
        QVERIFY(QFileInfo(NotificationStore::path()).size() < 4096);
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
        QDBusMessage call = QDBusMessage::createMethodCall(NotificationBus::kAppName, NotificationBus::kAppPath,
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
        ServiceProcess second(*bus_, environment());
        second.process().start(ServiceProcess::binary(), {});
        QVERIFY(second.process().waitForFinished(10000));
        QCOMPARE(second.process().exitCode(), 2);
        second.readOutput();
        QVERIFY(second.output().contains("another notification service already runs"));
        QCOMPARE(callService(QStringLiteral("Pending"), {}).type(), QDBusMessage::ReplyMessage);
    }

    void desktopNotificationRaisesTheApp()
    {
        NotificationServer server;
        QDBusConnection desktop = bus_->newConnection(QStringLiteral("desktop"));
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
        AlarmBusEndpoint endpoint;
        QVERIFY(endpoint.registerOn(bus_->connection()));
        QSignalSpy raised(&endpoint, &AlarmBusEndpoint::raiseRequested);
        QVERIFY(startService());

        DBusNotificationScheduler scheduler(bus_->connection());
        QVERIFY(scheduler.scheduleLocalNotification(notificationIn(500, QStringLiteral("Up, astronaut!"))));
        QTRY_COMPARE_WITH_TIMEOUT(server.bodies, QStringList{QStringLiteral("Up, astronaut!")}, 5000);
        QVERIFY(server.actions.first().contains(QStringLiteral("Rock & Roll")));
        QTRY_COMPARE(raised.size(), 1); // delivery raises the window

        // The user presses "Rock & Roll" on the bubble.
        const int index = server.actions.first().indexOf(QStringLiteral("Rock & Roll"));
        QDBusMessage invoked = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                          QStringLiteral("org.freedesktop.Notifications"),
                                                          QStringLiteral("ActionInvoked"));
        invoked << uint(41) << server.actions.first().value(index - 1);
        QVERIFY(desktop.send(invoked));
        QTRY_COMPARE(raised.size(), 2);
        QDBusConnection::disconnectFromBus(desktop.name());
    }
};

QTEST_GUILESS_MAIN(TestNotifydBus)
#include "tst_notifyd_bus.moc"
