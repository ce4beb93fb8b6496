#include "platform/DBusNotificationScheduler.h"

#include "NotificationServiceInterface.h"
#include "platform/NotificationBus.h"

#include <QDebug>

namespace {
// The service answers from its own event loop at once; a longer silence means it hangs.
constexpr int kCallTimeoutMs = 5000;
} // namespace

DBusNotificationScheduler::DBusNotificationScheduler(const QDBusConnection &bus, QObject *parent)
    : LocalNotificationScheduler(parent),
      service_(std::make_unique<OrgTolvekNotificationServiceInterface>(NotificationBus::kServiceName,
                                                                      NotificationBus::kServicePath, bus)),
      watcher_(NotificationBus::kServiceName, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    service_->setTimeout(kCallTimeoutMs);
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (!newOwner.isEmpty())
                    setProblem({});
            });
}

DBusNotificationScheduler::~DBusNotificationScheduler() = default;

bool DBusNotificationScheduler::scheduleLocalNotification(const LocalNotification &n)
{
    if (!n.isValid())
        return false;
    const QDBusReply<bool> reply = service_->Schedule(NotificationBus::toWire(n));
    if (!reached(reply.error()))
        return fileOnly_.scheduleLocalNotification(n);
    return reply.isValid() && reply.value();
}

void DBusNotificationScheduler::cancelLocalNotification(const LocalNotification &n)
{
    if (!n.isValid())
        return;
    const QDBusReply<bool> reply = service_->Cancel(NotificationBus::toWire(n));
    if (!reached(reply.error()))
        fileOnly_.cancelLocalNotification(n);
}

void DBusNotificationScheduler::cancelAllLocalNotifications()
{
    const QDBusReply<void> reply = service_->CancelAll();
    if (!reached(reply.error()))
        fileOnly_.cancelAllLocalNotifications();
}

LocalNotificationList DBusNotificationScheduler::scheduledLocalNotifications() const
{
    const QDBusReply<QString> reply = service_->Pending();
    if (!reached(reply.error()))
        return fileOnly_.scheduledLocalNotifications();
    bool ok = false;
    const LocalNotificationList pending = NotificationBus::listFromWire(reply.value(), &ok);
    if (!ok)
        qWarning("tolvek: the notification service sent a pending list that is not one");
    return pending;
}

QString DBusNotificationScheduler::problem() const
{
    QMutexLocker lock(&mutex_);
    return problem_;
}

bool DBusNotificationScheduler::reached(const QDBusError &error) const
{
    if (!error.isValid()) {
        setProblem({});
        return true;
    }
    if (error.name() == NotificationBus::kInvalidNotificationError) {
        qWarning().noquote() << "tolvek: the notification service refused a notification:" << error.message();
        return true;
    }
    setProblem(QStringLiteral("The notification service cannot be reached (%1); alarms are kept and ring "
                              "once it runs again.")
                   .arg(error.message()));
    return false;
}

void DBusNotificationScheduler::setProblem(const QString &problem) const
{
    {
        QMutexLocker lock(&mutex_);
        if (problem_ == problem)
            return;
        problem_ = problem;
    }
    if (!problem.isEmpty())
        qWarning().noquote() << "tolvek:" << problem;
    Q_EMIT const_cast<DBusNotificationScheduler *>(this)->problemChanged(problem);
}
