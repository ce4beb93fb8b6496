#pragma once
#include "platform/NotificationSchedulerSetup.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <memory>

// What the home screen's status line says about how alarms reach the sleeper:
// nothing while the notification service runs and can wake the machine from
// suspend; otherwise one plain sentence (no service: alarms ring only while
// the app is open; service gone; service cannot wake the machine).
class ServiceStatus : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString statusLine READ statusLine NOTIFY changed)
    Q_PROPERTY(bool wakesFromSuspend READ wakesFromSuspend NOTIFY changed)
public:
    using QObject::QObject;

    // Follows the scheduler the app installed; with the service, asks it (on
    // `bus`) whether it wakes the machine, again each time it comes back.
    void follow(const NotificationSchedulerSetup &setup, const QDBusConnection &bus = QDBusConnection::sessionBus());

    QString statusLine() const;
    // True only when the running service said it can wake the machine.
    bool wakesFromSuspend() const { return wakes_ == Wake::Yes; }

Q_SIGNALS:
    void changed();

private:
    enum class Wake { Unknown, Yes, No };
    void askService();
    void setWake(Wake wake);

    NotificationSchedulerSetup setup_;
    QString problem_;
    Wake wakes_ = Wake::Unknown;
    std::unique_ptr<QDBusConnection> bus_;
    std::unique_ptr<QDBusServiceWatcher> watcher_;
};
