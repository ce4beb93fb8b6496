#pragma once
#include "platform/LocalNotification.h"

// The pending notifications on disk ("notifications" in the documents
// directory), shared by the app's in-process scheduler, the command-line tool
// and the notification service. Callers hold a DataLock around a
// read-modify-write.
//
// File root: {"pending": [notification...], "lastCheck": date or null}
namespace NotificationStore {
QString path();
struct Contents
{
    LocalNotificationList pending;
    QDateTime lastCheck;    // last moment the deliverer looked at the list (for missed alarms)
    QString movedAsidePath; // set by load() when the file was damaged or wrong-shaped and kept aside there
    QString readError;      // set by load() when the file exists but cannot be read: it must not be replaced
};
Contents load();
// False (with the reason in `error`) when the write failed, the previous file then intact, or when
// `contents` came from a file that could not be read.
bool save(const Contents &contents, QString *error = nullptr);

// Operations shared by every scheduler. `schedule` refuses (false) past the 64 limit.
bool schedule(Contents &contents, const LocalNotification &n);
// Removes the first pending notification equal to `n`; false when none is.
bool cancel(Contents &contents, const LocalNotification &n);
} // namespace NotificationStore
