// Which scheduler the app installs: in-process without the service, the
// service's client when the service is on the session bus or can be activated.
#include "NotifydHarness.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationSchedulerSetup.h"
#include "platform/Paths.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QTest>
#include <csignal>

class TestSchedulerSetup : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateBus> bus_;

private Q_SLOTS:
    void initTestCase()
    {
        QDir(Paths::documentsDirectory()).removeRecursively();
        bus_ = std::make_unique<PrivateBus>();
        QVERIFY(bus_->isValid());
        // The app uses the session bus: make the private bus this process's session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus_->address().toUtf8());
    }

    void cleanupTestCase()
    {
        const uint pid = bus_->connection().interface()->servicePid(NotificationBus::kServiceName);
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        LocalNotificationScheduler::setShared(nullptr);
        bus_.reset();
    }

    void inProcessWithoutTheService()
    {
        QObject owner;
        const NotificationSchedulerSetup setup = installNotificationScheduler(&owner);
        QVERIFY(!setup.viaService);
        QVERIFY(setup.state.contains(QStringLiteral("not installed")));
        QVERIFY(!qobject_cast<DBusNotificationScheduler *>(setup.scheduler));
        QCOMPARE(&LocalNotificationScheduler::shared(), setup.scheduler);
        LocalNotificationScheduler::setShared(nullptr);
    }

    void activatesAnInstalledService()
    {
        QVERIFY(bus_->installActivationFile(ServiceProcess::binary(), serviceEnvironment(*bus_)));
        QObject owner;
        const NotificationSchedulerSetup setup = installNotificationScheduler(&owner);
        QVERIFY(setup.viaService);
        QCOMPARE(setup.state, QStringLiteral("The notification service was started."));
        QVERIFY(bus_->hasOwner(NotificationBus::kServiceName));
        QVERIFY(qobject_cast<DBusNotificationScheduler *>(&LocalNotificationScheduler::shared()));

        LocalNotification n;
        n.fireDate = QDateTime::currentDateTime().addSecs(3600);
        QVERIFY(LocalNotificationScheduler::shared().scheduleLocalNotification(n));
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications(), LocalNotificationList{n});
        LocalNotificationScheduler::setShared(nullptr);
    }

    void usesTheRunningService()
    {
        QVERIFY(bus_->hasOwner(NotificationBus::kServiceName));
        QObject owner;
        const NotificationSchedulerSetup setup = installNotificationScheduler(&owner);
        QVERIFY(setup.viaService);
        QCOMPARE(setup.state, QStringLiteral("The notification service is running."));
        QCOMPARE(setup.scheduler->scheduledLocalNotifications().size(), 1);
        LocalNotificationScheduler::setShared(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSchedulerSetup)
#include "tst_scheduler_setup.moc"
