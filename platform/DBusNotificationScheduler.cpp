#include "platform/DBusNotificationScheduler.h"

#include "platform/NotificationBus.h"

#include <QDBusConnectionInterface>
#include <QDebug>

namespace {
QString serviceGone()
{
    return QStringLiteral("The notification service is not running; alarms are kept and ring once it runs again.");
}
} // namespace

DBusNotificationScheduler::DBusNotificationScheduler(const QDBusConnection &bus, QObject *parent)
    : LocalNotificationScheduler(parent),
      bus_(bus),
      watcher_(NotificationBus::kServiceName, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                setProblem(newOwner.isEmpty() ? serviceGone() : QString());
            });
    QDBusConnectionInterface *busInterface = bus.interface();
    if (!busInterface || !busInterface->isServiceRegistered(NotificationBus::kServiceName).value())
        setProblem(serviceGone());
}

bool DBusNotificationScheduler::changeLocalNotifications(const LocalNotificationList &cancel,
                                                         const LocalNotificationList &schedule, QString *error)
{
    const bool scheduled = fileOnly_.changeLocalNotifications(cancel, schedule, error);
    if (scheduled && !schedule.isEmpty() && !problem().isEmpty()) {
        // Ask the bus to start the service without waiting: it needs the data lock the caller may hold.
        bus_.interface()->asyncCall(QStringLiteral("StartServiceByName"), NotificationBus::kServiceName, 0u);
    }
    return scheduled;
}

bool DBusNotificationScheduler::cancelAllLocalNotifications() { return fileOnly_.cancelAllLocalNotifications(); }

LocalNotificationList DBusNotificationScheduler::scheduledLocalNotifications() const
{
    return fileOnly_.scheduledLocalNotifications();
}

QString DBusNotificationScheduler::problem() const
{
    QMutexLocker lock(&mutex_);
    return problem_;
}

void DBusNotificationScheduler::setProblem(const QString &problem)
{
    {
        QMutexLocker lock(&mutex_);
        if (problem_ == problem)
            return;
        problem_ = problem;
    }
    if (!problem.isEmpty())
        qWarning().noquote() << "tolvek:" << problem;
    Q_EMIT problemChanged(problem);
}
