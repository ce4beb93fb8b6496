#pragma once
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

// The running app on the session bus (org.tolvek.Alarm at /org/tolvek/Alarm),
// where the notification service hands over fired and missed notifications.
// Both reach the app as the installed scheduler's signals, exactly as if the
// scheduler had fired them itself.
class AlarmBusEndpoint : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    explicit AlarmBusEndpoint(QObject *parent = nullptr);

    // False when another copy of the app already holds the name (or there is no bus).
    bool registerOn(QDBusConnection bus = QDBusConnection::sessionBus());

public Q_SLOTS:
    void DeliverNotification(const QString &notification);
    void NotifyMissed(const QString &notification);
    void Raise();
    void NewAlarm();

Q_SIGNALS:
    // Bring the window to the front and make it active.
    void raiseRequested();
    void newAlarmRequested();
};
