#include "services/notifyd/NotificationBusApi.h"

#include "platform/Clock.h"
#include "platform/NotificationBus.h"
#include "services/notifyd/NotificationLimits.h"
#include "services/notifyd/NotificationService.h"

NotificationBusApi::NotificationBusApi(NotificationService &service, bool wakesFromSuspend, QObject *parent)
    : QObject(parent),
      service_(service),
      wakesFromSuspend_(wakesFromSuspend)
{ }

bool NotificationBusApi::Schedule(const QString &notification)
{
    const auto n = receive(notification, Use::Schedule);
    return n && service_.schedule(*n);
}

bool NotificationBusApi::Cancel(const QString &notification)
{
    const auto n = receive(notification, Use::Cancel);
    return n && service_.cancel(*n);
}

void NotificationBusApi::CancelAll() { service_.cancelAll(); }

QString NotificationBusApi::Pending() { return NotificationBus::listToWire(service_.pending()); }

std::optional<LocalNotification> NotificationBusApi::receive(const QString &text, Use use)
{
    if (const QString problem = NotificationLimits::problemWithWire(text); !problem.isEmpty())
        return refuse(problem);
    const auto n = NotificationBus::fromCall(text, *this);
    if (!n || use == Use::Cancel)
        return n;
    if (const QString problem = NotificationLimits::problemWith(*n, Clock::current().now()); !problem.isEmpty())
        return refuse(problem);
    return n;
}

std::nullopt_t NotificationBusApi::refuse(const QString &problem)
{
    if (calledFromDBus())
        sendErrorReply(NotificationBus::kInvalidNotificationError, problem);
    return std::nullopt;
}
