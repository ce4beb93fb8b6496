#pragma once
#include "platform/LocalNotification.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QSet>

// The visible trace of a fired alarm: a desktop notification
// (org.freedesktop.Notifications) with the alert body and the alert action,
// whose action raises the app. A repeat replaces the earlier bubble. Without a
// notification server the service logs once and carries on.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void showFired(const LocalNotification &n);
    void showMissed(const LocalNotification &n);

Q_SIGNALS:
    void raiseRequested();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    void notify(const QString &key, const QString &summary, const QString &body, const QString &actionLabel);

    QDBusConnection bus_;
    QHash<QString, uint> shownByKey_; // notification wire text → bubble id, so repeats replace it
    QSet<uint> ours_;
    bool reportedUnavailable_ = false;
};
