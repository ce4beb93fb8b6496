#pragma once
#include "platform/KeyedArchive.h"
#include "platform/StoredNames.h"
#include "platform/LocalNotification.h"
#include "alarms/Unlocker.h"

#include <QDateTime>
#include <QMap>
#include <QMetaType>
#include <memory>

// The notifications scheduled for one alarm, keyed by the day's mask bit as
// decimal text ("1" Sunday ... "64" Saturday), or "0" for a one-time alarm.
using NotificationDictionary = QMap<QString, LocalNotification>;
using NotificationDictionaryPtr = std::shared_ptr<NotificationDictionary>;

// One alarm. Copies share the notification dictionary with their source, so
// notifications entered through a copy are seen through the original.
class Alarm : public KeyedCodable
{
public:
    // Weekday mask bits follow the calendar's weekday numbers with 1 = Sunday.
    static constexpr quint32 kSunday = 1, kMonday = 2, kTuesday = 4, kWednesday = 8, kThursday = 16, kFriday = 32,
                             kSaturday = 64, kWeekdays = 62, kWeekend = 65, kEveryDay = 127;

    Alarm(); // the defaults of a new alarm
    struct Blank
    { };
    // Every field empty, zero or NO: what decoding fills (cheaper than making up defaults it overwrites).
    explicit Alarm(Blank);

    quint32 repeatMask = 0; // 0: rings once
    QDateTime alarmTime;    // its hour and minute are the alarm's time of day
    QString soundFile;      // a catalogue sound file name or "RandomSound"
    QString identifier;     // 8 characters, never changed
    QString slogan;
    UnlockerPtr unlocker;
    bool snooze = false;
    bool active = false;
    bool stop = false;
    NotificationDictionaryPtr scheduledNotifications;

    std::shared_ptr<Alarm> copy() const;

    // The alarm's time of day (hours and minutes of alarmTime as written).
    QTime timeOfDay() const { return QTime(alarmTime.time().hour(), alarmTime.time().minute()); }
    // Sets alarmTime to `time` on `date` (today when invalid) in the clock's zone.
    // The wall-clock reading is kept even on a day whose clocks skip it.
    void setTimeOfDay(const QTime &time, const QDate &date = QDate());
    QString description() const;

    static QString className() { return StoredNames::kAlarmClass; }
    QString archiveClassName() const override { return className(); }
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // nullptr when the value is not an archived alarm or has no identifier or no
    // valid time. Other missing keys read as 0/empty/NO.
    static std::shared_ptr<Alarm> fromArchive(const KeyedUnarchiver &coder);
    static std::shared_ptr<Alarm> fromArchive(const QJsonValue &value);

    // Mask bit of a calendar weekday (Qt's dayOfWeek: 1 = Monday ... 7 = Sunday).
    static quint32 maskBitForQtDayOfWeek(int qtDayOfWeek);
    static QString notificationKeyForBit(quint32 bit) { return QString::number(bit); }
};

using AlarmPtr = std::shared_ptr<Alarm>;
using AlarmList = QList<AlarmPtr>;
Q_DECLARE_METATYPE(AlarmPtr)
