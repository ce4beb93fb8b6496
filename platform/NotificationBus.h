#pragma once
#include "platform/LocalNotification.h"
#include "platform/StoredNames.h"

#include <optional>

class QDBusContext;

// Names and wire format shared by the notification service and the app on the
// session bus. A notification travels as the compact JSON of its keyed archive.
namespace NotificationBus {
inline const QString kServiceName = StoredNames::kServiceBusName;
inline const QString kServicePath = StoredNames::kServiceBusPath;
inline const QString kAppName = StoredNames::kAppBusName;
inline const QString kAppPath = StoredNames::kAppBusPath;
inline const QString kWakesFromSuspendProperty = StoredNames::kServiceWakeProperty;
// Error name for a call whose notification text is not a notification.
inline const QString kInvalidNotificationError = StoredNames::kInvalidNotificationError;

QString toWire(const LocalNotification &n);
QString listToWire(const LocalNotificationList &list);
// False in *ok (and an invalid notification) unless `text` holds a notification with a valid fire date.
LocalNotification fromWire(const QString &text, bool *ok);
LocalNotificationList listFromWire(const QString &text, bool *ok);
// For bus objects: the notification in a call's argument, or nothing after
// answering the caller of `context` with kInvalidNotificationError.
std::optional<LocalNotification> fromCall(const QString &text, const QDBusContext &context);
} // namespace NotificationBus
