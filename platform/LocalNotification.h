#pragma once
#include "platform/KeyedArchive.h"
#include "platform/StoredNames.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

// A local notification: what fires, when, and how it presents itself. A
// notification has no identity of its own: two are the same when every field
// is, so one decoded from an alarm file still finds its pending counterpart.
class LocalNotification : public KeyedCodable
{
public:
    static constexpr int kRepeatNone = 0;
    static constexpr int kRepeatSecond = 128; // repeats every minute until cancelled (snooze)
    static constexpr int kMaxPending = 64;

    QDateTime fireDate;     // the moment it fires
    QString timeZone;       // zone id the fire date's wall-clock time belongs to ("" = absolute)
    QString repeatCalendar; // calendar for repeats; "gregorian"
    int repeatInterval = kRepeatNone;
    QString alertAction;
    QString alertBody;
    QString soundName;

    bool isValid() const { return fireDate.isValid(); }
    bool repeats() const { return repeatInterval != kRepeatNone; }
    bool operator==(const LocalNotification &other) const;
    bool operator!=(const LocalNotification &other) const { return !(*this == other); }

    static QString className() { return StoredNames::kNotificationClass; }
    QString archiveClassName() const override { return className(); }
    void encodeWithCoder(KeyedArchiver &coder) const override;
    static LocalNotification fromArchive(const KeyedUnarchiver &coder, bool *ok = nullptr);
    static LocalNotification fromArchive(const QJsonValue &value, bool *ok = nullptr);

    QJsonValue toJson() const { return KeyedArchiver::archivedObject(this); }
};

Q_DECLARE_METATYPE(LocalNotification)
using LocalNotificationList = QList<LocalNotification>;
