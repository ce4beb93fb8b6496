// Which scheduler the app installs, and what its status line says about how
// alarms reach the sleeper, with a real notification service on a private
// session bus: in-process and a plain sentence when there is no service;
// the service's client and nothing to say while it runs and can wake the
// machine from suspend; a plain sentence when it cannot or is gone; the
// service started by the bus when it is installed. The service is run once
// with and once without CAP_WAKE_ALARM (setpriv drops it) where this process has it.
#include "NotifydHarness.h"
#include "app/ServiceStatus.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationBus.h"
#include "platform/Paths.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
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
} // namespace

class TestServiceStatus : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateBus> bus_;
    std::unique_ptr<ServiceProcess> service_;

    bool startService(const QStringList &wrapper = {})
    {
        service_ = std::make_unique<ServiceProcess>(*bus_, serviceEnvironment(*bus_));
        return service_->start(wrapper);
    }

    // The scheduler the app installs, and the status following it.
    struct App
    {
        NotificationSchedulerSetup setup;
        QObject owner;
        ServiceStatus status;
        App()
        {
            setup = installNotificationScheduler(&owner);
            status.follow(setup);
        }
        ~App() { LocalNotificationScheduler::setShared(nullptr); }
        bool usesTheService() const
        {
            return qobject_cast<DBusNotificationScheduler *>(&LocalNotificationScheduler::shared());
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        QDir(Paths::documentsDirectory()).removeRecursively();
        bus_ = std::make_unique<PrivateBus>();
        QVERIFY(bus_->isValid());
        // The app's own connection (QDBusConnection::sessionBus()) goes to the private bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus_->address().toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
    }
    void cleanup() { service_.reset(); }
    void cleanupTestCase()
    {
        // The service the bus started is not this test's child.
        const uint pid = bus_->connection().interface()->servicePid(NotificationBus::kServiceName);
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        bus_.reset();
    }

    void withoutTheServiceAlarmsRingOnlyWhileTheAppIsOpen()
    {
        App app;
        QVERIFY(!app.setup.viaService);
        QVERIFY(!app.usesTheService());
        QCOMPARE(&LocalNotificationScheduler::shared(), app.setup.scheduler);
        QVERIFY2(app.status.statusLine().contains("not installed"), qPrintable(app.status.statusLine()));
        QVERIFY(app.status.statusLine().contains("only while the app is open"));
        QVERIFY(!app.status.wakesFromSuspend());
    }

    void theServiceSaysWhetherItWakesTheMachine()
    {
        const bool mayWake = mayWakeTheMachine();
        qInfo("this test process %s CAP_WAKE_ALARM", mayWake ? "has" : "lacks");
        QVERIFY(startService());
        App app;
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
        QVERIFY(startService(mayWake ? kWithoutWakeCapability : QStringList()));
        QTRY_VERIFY2(app.status.statusLine().contains("cannot wake it from suspend"),
                     qPrintable(app.status.statusLine()));
        QVERIFY(!app.status.wakesFromSuspend());
        QVERIFY(changed.size() >= 2);
    }

    // Installed but not running: the app has the bus start it, and schedules through it.
    void activatesAnInstalledService()
    {
        QVERIFY(bus_->installActivationFile(ServiceProcess::binary(), serviceEnvironment(*bus_)));
        QVERIFY(!bus_->hasOwner(NotificationBus::kServiceName));
        App app;
        QVERIFY(app.setup.viaService && app.usesTheService());
        QCOMPARE(app.setup.state, QStringLiteral("The notification service was started."));
        QVERIFY(bus_->hasOwner(NotificationBus::kServiceName));
        LocalNotification n;
        n.fireDate = QDateTime::currentDateTime().addSecs(3600);
        QVERIFY(LocalNotificationScheduler::shared().scheduleLocalNotification(n));
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications(), LocalNotificationList{n});
    }
};

QTEST_GUILESS_MAIN(TestServiceStatus)
#include "tst_service_status.moc"
