#pragma once
#include "platform/InProcessNotificationScheduler.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QMutex>

// The app's scheduler while the notification service (tolvek-notifyd) runs:
// the service fires the notifications and hands them back through the app's
// bus endpoint. Changes go to the shared pending file under the caller's data
// lock (never through a call to the service, which needs that same lock to
// take a change); the service watches the file and takes them up at once.
// problem() says when the service is gone; a new notification then asks the
// bus to start it again.
class DBusNotificationScheduler : public LocalNotificationScheduler
{
    Q_OBJECT
public:
    explicit DBusNotificationScheduler(const QDBusConnection &bus, QObject *parent = nullptr);

    bool changeLocalNotifications(const LocalNotificationList &cancel, const LocalNotificationList &schedule,
                                  QString *error = nullptr) override;
    bool cancelAllLocalNotifications() override;
    LocalNotificationList scheduledLocalNotifications() const override;
    QString problem() const override;

Q_SIGNALS:
    void problemChanged(const QString &problem);

private:
    void setProblem(const QString &problem);

    InProcessNotificationScheduler fileOnly_{false};
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    mutable QMutex mutex_; // problem() may be asked from any thread
    QString problem_;
};
