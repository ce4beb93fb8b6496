#pragma once
#include "platform/LocalNotification.h"

#include <optional>

class QDBusContext;

// Names and wire format shared by the notification service and the app on the
// session bus. A notification travels as the compact JSON of its keyed archive.
namespace NotificationBus {
inline const QString kServiceName = QStringLiteral("org.tolvek.NotificationService");
inline const QString kServicePath = QStringLiteral("/org/tolvek/NotificationService");
inline const QString kAppName = QStringLiteral("org.tolvek.Alarm");
inline const QString kAppPath = QStringLiteral("/org/tolvek/Alarm");
// Error name for a call whose notification text is not a notification.
inline const QString kInvalidNotificationError = QStringLiteral("org.tolvek.Error.InvalidNotification");

QString toWire(const LocalNotification &n);
QString listToWire(const LocalNotificationList &list);
// False in *ok (and an invalid notification) unless `text` holds a notification with a valid fire date.
LocalNotification fromWire(const QString &text, bool *ok);
LocalNotificationList listFromWire(const QString &text, bool *ok);
// For bus objects: the notification in a call's argument, or nothing after
// answering the caller of `context` with kInvalidNotificationError.
std::optional<LocalNotification> fromCall(const QString &text, const QDBusContext &context);
} // namespace NotificationBus
