#pragma once
#include "platform/KeyedArchive.h"
#include "platform/LocalNotification.h"
#include "unlockers/ZEBAlarmClockUnlocker.h"

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
class ZEBAlarmClock : public KeyedCodable
{
public:
    // Weekday mask bits follow the calendar's weekday numbers with 1 = Sunday.
    static constexpr quint32 kSunday = 1, kMonday = 2, kTuesday = 4, kWednesday = 8, kThursday = 16, kFriday = 32,
                             kSaturday = 64, kWeekdays = 62, kWeekend = 65, kEveryDay = 127;

    ZEBAlarmClock(); // the defaults of a new alarm
    struct Blank {};
    // Every field empty, zero or NO: what decoding fills (cheaper than making up defaults it overwrites).
    explicit ZEBAlarmClock(Blank);

    quint32 dateChoosingMask = 0; // 0: rings once
    QDateTime alarmTime;          // its hour and minute are the alarm's time of day
    QString ringFileString;       // a catalogue sound file name or "RandomSound"
    QString identifier;           // 8 characters, never changed
    QString wakeupSlogan;
    ZEBAlarmClockUnlockerPtr unlocker;
    bool snooze = false;
    bool active = false;
    bool stop = false;
    NotificationDictionaryPtr referenceNotificationsDic;

    std::shared_ptr<ZEBAlarmClock> copy() const;

    // The alarm's time of day (hours and minutes of alarmTime as written).
    QTime timeOfDay() const { return QTime(alarmTime.time().hour(), alarmTime.time().minute()); }
    // Sets alarmTime to `time` on `date` (today when invalid) in the clock's zone.
    // The wall-clock reading is kept even on a day whose clocks skip it.
    void setTimeOfDay(const QTime &time, const QDate &date = QDate());
    QString description() const;

    static QString className() { return QStringLiteral("ZEBAlarmClock"); }
    QString archiveClassName() const override { return className(); }
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // nullptr when `value` is not an archived alarm. Missing keys read as 0/empty/NO.
    static std::shared_ptr<ZEBAlarmClock> fromArchive(const QJsonValue &value);

    // Mask bit of a calendar weekday (Qt's dayOfWeek: 1 = Monday ... 7 = Sunday).
    static quint32 maskBitForQtDayOfWeek(int qtDayOfWeek);
    static QString notificationKeyForBit(quint32 bit) { return QString::number(bit); }
};

using ZEBAlarmClockPtr = std::shared_ptr<ZEBAlarmClock>;
using ZEBAlarmClockList = QList<ZEBAlarmClockPtr>;
Q_DECLARE_METATYPE(ZEBAlarmClockPtr)
