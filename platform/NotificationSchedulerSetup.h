#pragma once
#include <QString>

class QObject;
class LocalNotificationScheduler;

// Which scheduler the app uses, and what its status line should say.
struct NotificationSchedulerSetup
{
    LocalNotificationScheduler *scheduler = nullptr;
    bool viaService = false; // false: notifications fire only while this process runs
    QString state;           // one line for the log and the app's status line
};

// Installs the process-wide local-notification scheduler (owned by `owner`):
// the notification service's client when the service is on the session bus or
// can be started by it (it is then started), else the in-process scheduler.
NotificationSchedulerSetup installNotificationScheduler(QObject *owner);
