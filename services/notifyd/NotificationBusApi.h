#pragma once
#include <QDBusContext>
#include <QObject>

class NotificationService;

// The service's face on the session bus (org.tolvek.NotificationService): turns
// wire texts into notifications and answers a text that is not one with a D-Bus
// error instead of acting on it.
class NotificationBusApi : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_PROPERTY(bool WakesFromSuspend READ wakesFromSuspend CONSTANT)
public:
    // `wakesFromSuspend`: whether the service's timer can wake the machine (see TimerFdWakeupSource).
    NotificationBusApi(NotificationService &service, bool wakesFromSuspend, QObject *parent = nullptr);

    bool wakesFromSuspend() const { return wakesFromSuspend_; }

public Q_SLOTS:
    bool Schedule(const QString &notification);
    bool Cancel(const QString &notification);
    void CancelAll();
    QString Pending();

private:
    NotificationService &service_;
    bool wakesFromSuspend_;
};
