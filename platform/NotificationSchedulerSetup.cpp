#include "platform/NotificationSchedulerSetup.h"

#include "platform/DBusNotificationScheduler.h"
#include "platform/InProcessNotificationScheduler.h"
#include "platform/NotificationBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDebug>

namespace {
NotificationSchedulerSetup inProcess(QObject *owner, const QString &why)
{
    NotificationSchedulerSetup setup;
    setup.scheduler = new InProcessNotificationScheduler(true, owner);
    setup.state = why + QStringLiteral(" Alarms ring only while the app is open.");
    return setup;
}
} // namespace

NotificationSchedulerSetup installNotificationScheduler(QObject *owner)
{
    NotificationSchedulerSetup setup;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface *busInterface = bus.isConnected() ? bus.interface() : nullptr;
    if (!busInterface) {
        setup = inProcess(owner, QStringLiteral("No session bus."));
    } else if (busInterface->isServiceRegistered(NotificationBus::kServiceName)) {
        setup.scheduler = new DBusNotificationScheduler(bus, owner);
        setup.viaService = true;
        setup.state = QStringLiteral("The notification service is running.");
    } else if (busInterface->activatableServiceNames().value().contains(NotificationBus::kServiceName)) {
        const QDBusReply<void> started = busInterface->startService(NotificationBus::kServiceName);
        setup.scheduler = new DBusNotificationScheduler(bus, owner);
        setup.viaService = true;
        setup.state
            = started.isValid()
                  ? QStringLiteral("The notification service was started.")
                  : QStringLiteral("The notification service could not be started: %1").arg(started.error().message());
    } else {
        setup = inProcess(owner, QStringLiteral("The notification service is not installed."));
    }
    LocalNotificationScheduler::setShared(setup.scheduler);
    qInfo().noquote() << "tolvek:" << setup.state;
    return setup;
}
