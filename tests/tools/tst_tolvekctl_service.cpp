#include "NotifydHarness.h"
#include "ToolHome.h"
#include "platform/NotificationBus.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QJsonObject>
#include <QTest>

// `tolvekctl` while the notification service runs: the service takes up what
// the tool changes, and the tool lists what the service holds.
class TestTolvekCtlService : public QObject
{
    Q_OBJECT

private:
    static LocalNotificationList servicePending(const PrivateBus &bus)
    {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            NotificationBus::kServiceName, NotificationBus::kServicePath, NotificationBus::kServiceName,
            QStringLiteral("Pending"));
        const QDBusReply<QString> reply = bus.connection().call(call);
        bool ok = false;
        const LocalNotificationList pending = NotificationBus::listFromWire(reply.value(), &ok);
        return ok ? pending : LocalNotificationList{};
    }

private Q_SLOTS:
    void changesReachTheRunningService()
    {
        PrivateBus bus;
        QVERIFY(bus.isValid());
        ToolHome home;
        QProcessEnvironment env = serviceEnvironment(bus);
        const QProcessEnvironment homeEnv = home.environment();
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TZ"})
            env.insert(QLatin1String(name), homeEnv.value(QLatin1String(name)));
        ServiceProcess service(bus, env);
        QVERIFY(service.start());
        home.setSessionBus(bus.address());

        const ToolHome::Result added = home.ctl({"add", "--time", "07:30", "--days", "mon,tue"});
        QVERIFY2(added.exitCode == 0, qPrintable(added.describe()));
        QVERIFY2(added.err.isEmpty(), qPrintable(added.describe()));
        QTRY_COMPARE(servicePending(bus).size(), 2);

        // The service's list is the tool's: the same moments, no copies.
        QList<QDateTime> fromService;
        for (const LocalNotification &n : servicePending(bus))
            fromService << n.fireDate;
        std::sort(fromService.begin(), fromService.end());
        QList<QDateTime> fromTool;
        for (const QJsonValue &n : home.ctl({"pending", "--json"}).jsonArray())
            fromTool << QDateTime::fromString(n.toObject().value("fireDate").toString(), Qt::ISODate);
        QCOMPARE(fromTool, fromService);

        const ToolHome::Result off = home.ctl({"off", added.out.trimmed()});
        QVERIFY2(off.exitCode == 0 && off.err.isEmpty(), qPrintable(off.describe()));
        QTRY_COMPARE(servicePending(bus).size(), 0);
        QVERIFY2(service.process().state() == QProcess::Running, "the service keeps running");
    }
};

QTEST_GUILESS_MAIN(TestTolvekCtlService)
#include "tst_tolvekctl_service.moc"
