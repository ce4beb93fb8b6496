#pragma once
#include "platform/LocalNotification.h"

#include <QDBusContext>
#include <QObject>
#include <optional>

class NotificationService;

// The service's face on the session bus (org.tolvek.NotificationService): turns
// wire texts into notifications and answers a text that is not one, or one
// outside NotificationLimits, with a D-Bus error instead of acting on it.
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
    // The notification in a call's argument, or nothing after answering the caller with an error.
    // Cancelling stores nothing, so only what is scheduled must keep within the limits.
    enum class Use { Schedule, Cancel };
    std::optional<LocalNotification> receive(const QString &text, Use use);
    std::nullopt_t refuse(const QString &problem);

    NotificationService &service_;
    bool wakesFromSuspend_;
};
