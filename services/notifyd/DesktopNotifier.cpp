#include "services/notifyd/DesktopNotifier.h"

#include "platform/NotificationBus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>

namespace {
const QString kServer = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kRaiseAction = QStringLiteral("rock-and-roll");
const QString kDefaultActionLabel = QStringLiteral("Rock & Roll");
constexpr uchar kUrgencyCritical = 2;
} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection &bus, QObject *parent) : QObject(parent), bus_(bus)
{
    bus_.connect(kServer, kPath, kServer, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    bus_.connect(kServer, kPath, kServer, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
}

void DesktopNotifier::showFired(const LocalNotification &n)
{
    notify(NotificationBus::toWire(n), QStringLiteral("Tolvek Alarm"), n.alertBody,
           n.alertAction.isEmpty() ? kDefaultActionLabel : n.alertAction);
}

void DesktopNotifier::showMissed(const LocalNotification &n)
{
    const QString when = n.fireDate.toLocalTime().toString(QStringLiteral("ddd d MMM HH:mm"));
    notify(NotificationBus::toWire(n), QStringLiteral("Missed alarm (%1)").arg(when), n.alertBody,
           n.alertAction.isEmpty() ? kDefaultActionLabel : n.alertAction);
}

void DesktopNotifier::notify(const QString &key, const QString &summary, const QString &body,
                             const QString &actionLabel)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kServer, kPath, kServer, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical)},
                            {QStringLiteral("desktop-entry"), QStringLiteral("tolvek-alarm")}};
    // "default" is what a click on the bubble sends; the named action is the button.
    const QStringList actions{QStringLiteral("default"), actionLabel, kRaiseAction, actionLabel};
    call << QStringLiteral("Tolvek Alarm") << shownByKey_.value(key) << QStringLiteral("tolvek-alarm") << summary
         << body << actions << hints << 0;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, key] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            if (!reportedUnavailable_)
                qInfo().noquote() << "tolvek-notifyd: no desktop notifications:" << reply.error().message();
            reportedUnavailable_ = true;
            return;
        }
        shownByKey_.insert(key, reply.value());
        ours_.insert(reply.value());
    });
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (ours_.contains(id) && (action == kRaiseAction || action == QLatin1String("default")))
        Q_EMIT raiseRequested();
}

void DesktopNotifier::onClosed(uint id, uint)
{
    ours_.remove(id);
    for (auto it = shownByKey_.begin(); it != shownByKey_.end();) {
        if (it.value() == id)
            it = shownByKey_.erase(it);
        else
            ++it;
    }
}
