#include "platform/NotificationBus.h"

#include <QDBusContext>
#include <QJsonArray>
#include <QJsonDocument>

QString NotificationBus::toWire(const LocalNotification &n)
{
    return QString::fromUtf8(QJsonDocument(n.toJson().toObject()).toJson(QJsonDocument::Compact));
}

QString NotificationBus::listToWire(const LocalNotificationList &list)
{
    QJsonArray array;
    for (const LocalNotification &n : list)
        array.append(n.toJson());
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

LocalNotification NotificationBus::fromWire(const QString &text, bool *ok)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    bool isNotification = false;
    LocalNotification n = LocalNotification::fromArchive(doc.object(), &isNotification);
    *ok = doc.isObject() && isNotification && n.isValid();
    return *ok ? n : LocalNotification{};
}

LocalNotificationList NotificationBus::listFromWire(const QString &text, bool *ok)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    LocalNotificationList list;
    *ok = doc.isArray();
    for (const QJsonValue &v : doc.array()) {
        bool isNotification = false;
        LocalNotification n = LocalNotification::fromArchive(v, &isNotification);
        if (isNotification && n.isValid())
            list.append(n);
        else
            *ok = false;
    }
    return list;
}

std::optional<LocalNotification> NotificationBus::fromCall(const QString &text, const QDBusContext &context)
{
    bool ok = false;
    const LocalNotification n = fromWire(text, &ok);
    if (ok)
        return n;
    if (context.calledFromDBus())
        context.sendErrorReply(kInvalidNotificationError, QStringLiteral("not a local notification with a fire date"));
    return std::nullopt;
}
