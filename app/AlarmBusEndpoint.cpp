#include "app/AlarmBusEndpoint.h"

#include "AlarmAdaptor.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationBus.h"

#include <QDebug>

AlarmBusEndpoint::AlarmBusEndpoint(QObject *parent) : QObject(parent) { new AlarmAdaptor(this); }

bool AlarmBusEndpoint::registerOn(QDBusConnection bus)
{
    // The object first: the service calls it as soon as the name appears.
    if (!bus.isConnected() || !bus.registerObject(NotificationBus::kAppPath, this))
        return false;
    if (bus.registerService(NotificationBus::kAppName))
        return true;
    qWarning("tolvek: %s is already taken on the session bus; fired alarms go to the other copy",
             qPrintable(NotificationBus::kAppName));
    bus.unregisterObject(NotificationBus::kAppPath);
    return false;
}

void AlarmBusEndpoint::DeliverNotification(const QString &notification)
{
    if (const auto n = NotificationBus::fromCall(notification, *this))
        Q_EMIT LocalNotificationScheduler::shared().notificationReceived(*n);
}

void AlarmBusEndpoint::NotifyMissed(const QString &notification)
{
    if (const auto n = NotificationBus::fromCall(notification, *this))
        Q_EMIT LocalNotificationScheduler::shared().notificationMissed(*n);
}

void AlarmBusEndpoint::Raise() { Q_EMIT raiseRequested(); }

void AlarmBusEndpoint::NewAlarm() { Q_EMIT newAlarmRequested(); }
