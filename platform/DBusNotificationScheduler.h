#pragma once
#include "platform/InProcessNotificationScheduler.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QMutex>
#include <memory>

class OrgTolvekNotificationServiceInterface;
class QDBusError;

// The app's scheduler while the notification service (tolvek-notifyd) is
// installed: every operation goes to the service, which fires the notifications
// and hands them back through the app's bus endpoint. When the service cannot
// be reached, changes go straight to the shared pending file (the service reads
// it when it runs again) and problem() says why.
class DBusNotificationScheduler : public LocalNotificationScheduler
{
    Q_OBJECT
public:
    explicit DBusNotificationScheduler(const QDBusConnection &bus, QObject *parent = nullptr);
    ~DBusNotificationScheduler() override;

    bool scheduleLocalNotification(const LocalNotification &n) override;
    void cancelLocalNotification(const LocalNotification &n) override;
    void cancelAllLocalNotifications() override;
    LocalNotificationList scheduledLocalNotifications() const override;
    QString problem() const override;

Q_SIGNALS:
    void problemChanged(const QString &problem);

private:
    // True when the service answered (even with an error); otherwise notes why not.
    bool reached(const QDBusError &error) const;
    void setProblem(const QString &problem) const;

    std::unique_ptr<OrgTolvekNotificationServiceInterface> service_;
    InProcessNotificationScheduler fileOnly_{false};
    QDBusServiceWatcher watcher_;
    mutable QMutex mutex_; // calls may come from a worker thread (the stray-notification clean-up)
    mutable QString problem_;
};
