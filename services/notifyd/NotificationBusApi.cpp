#include "services/notifyd/NotificationBusApi.h"

#include "platform/NotificationBus.h"
#include "services/notifyd/NotificationService.h"

NotificationBusApi::NotificationBusApi(NotificationService &service, bool wakesFromSuspend, QObject *parent)
    : QObject(parent), service_(service), wakesFromSuspend_(wakesFromSuspend)
{
}

bool NotificationBusApi::Schedule(const QString &notification)
{
    const auto n = NotificationBus::fromCall(notification, *this);
    return n && service_.schedule(*n);
}

bool NotificationBusApi::Cancel(const QString &notification)
{
    const auto n = NotificationBus::fromCall(notification, *this);
    return n && service_.cancel(*n);
}

void NotificationBusApi::CancelAll() { service_.cancelAll(); }

QString NotificationBusApi::Pending() { return NotificationBus::listToWire(service_.pending()); }
