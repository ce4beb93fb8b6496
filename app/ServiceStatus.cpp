#include "app/ServiceStatus.h"

#include "platform/DBusNotificationScheduler.h"
#include "platform/NotificationBus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

void ServiceStatus::follow(const NotificationSchedulerSetup &setup, const QDBusConnection &bus)
{
    setup_ = setup;
    problem_.clear();
    wakes_ = Wake::Unknown;
    watcher_.reset();
    bus_.reset();
    if (auto *client = qobject_cast<DBusNotificationScheduler *>(setup.scheduler)) {
        problem_ = client->problem();
        connect(client, &DBusNotificationScheduler::problemChanged, this, [this](const QString &problem) {
            problem_ = problem;
            Q_EMIT changed();
        });
        bus_ = std::make_unique<QDBusConnection>(bus);
        // A restarted service may run with other rights (installed anew, capability added): ask again.
        watcher_ = std::make_unique<QDBusServiceWatcher>(NotificationBus::kServiceName, bus,
                                                         QDBusServiceWatcher::WatchForRegistration);
        connect(watcher_.get(), &QDBusServiceWatcher::serviceRegistered, this, &ServiceStatus::askService);
        askService();
    }
    Q_EMIT changed();
}

QString ServiceStatus::statusLine() const
{
    if (!setup_.viaService)
        return setup_.state;
    if (!problem_.isEmpty())
        return problem_;
    if (wakes_ == Wake::No)
        return tr("Alarms ring only while this device is awake: the notification service cannot wake it "
                  "from suspend.");
    return {};
}

void ServiceStatus::askService()
{
    // Asynchronous: the app never waits on the service to show its window.
    QDBusMessage get
        = QDBusMessage::createMethodCall(NotificationBus::kServiceName, NotificationBus::kServicePath,
                                         QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({NotificationBus::kServiceName, NotificationBus::kWakesFromSuspendProperty});
    auto *call = new QDBusPendingCallWatcher(bus_->asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        // A service too old to answer says nothing either way.
        setWake(reply.isError() ? Wake::Unknown : reply.value().variant().toBool() ? Wake::Yes : Wake::No);
    });
}

void ServiceStatus::setWake(Wake wake)
{
    if (wakes_ == wake)
        return;
    wakes_ = wake;
    Q_EMIT changed();
}
