#pragma once
#include "platform/LocalNotification.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QObject>
#include <memory>

class OrgTolvekAlarmInterface;

// Hands fired notifications to the app: to the running app over the bus (then
// raises its window), or by starting the app with the notification as its
// launch notification. Missed notifications wait until the app is on the bus.
class AppConnector : public QObject
{
    Q_OBJECT
public:
    AppConnector(const QDBusConnection &bus, const QString &appBinary, QObject *parent = nullptr);
    ~AppConnector() override;

    void deliver(const LocalNotification &n);
    void reportMissed(const LocalNotification &n);
    // Brings the app to the front, starting it when it is not running.
    void raise();

    // The app binary to start: `configured` when given, else tolvek-alarm next to
    // `serviceBinaryDir`, else tolvek-alarm on PATH; "" when there is none.
    static QString findAppBinary(const QString &configured, const QString &serviceBinaryDir);

private:
    bool launchUnderWay() const;
    void launch(const QStringList &arguments);
    void sendDelivery(const LocalNotification &n);
    void sendMissed(const LocalNotification &n);
    void onAppRegistered();

    QDBusConnection bus_;
    QString appBinary_;
    std::unique_ptr<OrgTolvekAlarmInterface> app_;
    QDBusServiceWatcher watcher_;
    bool appOnBus_ = false;
    LocalNotificationList waitingDelivered_; // fired while a started app was still coming up
    LocalNotificationList waitingMissed_;
    qint64 launchedPid_ = 0;
    QElapsedTimer launchedAt_;
};
