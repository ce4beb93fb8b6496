#pragma once
#include "alarms/ZEBAlarmClock.h"
#include "platform/LocalNotification.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

struct LaunchOptions
{
    // The notification whose delivery started the app, if one did.
    std::optional<LocalNotification> localNotification;
};

// The one object that lives for the whole run: launch sequence, first-run
// defaults, the sound catalogue, life-cycle reactions, and the ring state:
// deciding whether an alarm rings, presenting its unlock screen, remembering
// it across background and kill ("acstatus"), and settling it once won.
class ZEBAppDelegate : public QObject
{
    Q_OBJECT
public:
    static inline const QString HomeViewControllerDidLoadView = QStringLiteral("ZEBHomeViewControllerDidLoadViewNotification");
    static inline const QString RingingAlarmClockStatusChanged
        = QStringLiteral("ZEBRingingAlarmClockStatusChangedNotification");
    static inline const QString UpdateVersionKey = QStringLiteral("UpdateVersionKey");

    explicit ZEBAppDelegate(QObject *parent = nullptr);
    ~ZEBAppDelegate() override;
    static ZEBAppDelegate *sharedDelegate();

    bool didFinishLaunchingWithOptions(const LaunchOptions &options);

    // Life cycle (the application layer calls these through ApplicationLifecycle).
    void didReceiveLocalNotification(const LocalNotification &notification);
    void didMissLocalNotification(const LocalNotification &notification);
    void applicationWillEnterForeground();
    void applicationDidEnterBackground();
    void applicationWillTerminate();
    void applicationDidReceiveMemoryWarning();
    void didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token);

    // Ring detection and dispatch.
    void checkAlarmClock();
    ZEBAlarmClockPtr ringingAlarmclock();
    void checkIfNeedshowUnlockScreen();
    void showUnlockScreenWithAlarmClock(const ZEBAlarmClockPtr &alarm, bool animated);
    void writeRingStatusToFile();
    void resignCurrentRingingAlarm();
    // The stray-notification clean-up itself (checkAlarmClock runs it soon after).
    void cleanUpStrayNotifications();

    // Version bookkeeping under "UpdateVersionKey".
    static void storeCurrentAppVersionString();
    static bool isAppOnFirstLaunch();
    static bool isAppVersionUpdated();
    static int OSVersion();
    // "celestial_empire" for zh_CN, then the zone abbreviation without "+".
    static QStringList remoteNotificationChannels(bool celestialEmpire, const QString &zoneAbbreviation);

    QStringList soundDisplayNameAry() const { return soundDisplayNameAry_; }
    QStringList soundFileAry() const { return soundFileAry_; }
    bool alarmRinging() const { return alarmRinging_; }
    bool needUnlocker() const { return needUnlocker_; }
    bool checkingIfNeedUnlocker() const { return checkingIfNeedUnlocker_; }
    bool isCelestialEmpire() const { return isCelestialEmpire_; }
    std::optional<LocalNotification> ringingNotification() const { return ringingNotification_; }
    ZEBAlarmClockPtr presentedAlarm() const { return presentedAlarm_; }

    // Starts a weather fetch; installed by the weather library when present.
    std::function<void()> fetchGPSCoordinate;

Q_SIGNALS:
    // An unlock screen for `alarm` is in front (presentation completed).
    void unlockScreenPresented(const ZEBAlarmClockPtr &alarm, const QString &className);
    // No screen could be made for the class the alarm's unlocker names.
    void unlockScreenUnavailable(const QString &className);
    // A rung alarm was settled (weekly: rescheduled; one-time: switched off).
    void alarmSettled(const QString &identifier);
    // An alarm fell due while nothing could ring it; the app shows a notice.
    void alarmMissed(const ZEBAlarmClockPtr &alarm, const LocalNotification &notification);

private:
    void initOperation();
    void registerNotification();
    void unRegisterNotification();
    void umengReference();
    void installFirstRunDefaults();
    QList<ZEBAlarmClockPtr> alarmsMatching(const LocalNotification &notification);

    QStringList soundDisplayNameAry_;
    QStringList soundFileAry_;
    std::optional<LocalNotification> ringingNotification_;
    std::optional<LocalNotification> presentedNotification_;
    ZEBAlarmClockPtr presentedAlarm_;
    bool alarmRinging_ = false;
    bool needUnlocker_ = false;
    bool checkingIfNeedUnlocker_ = false;
    bool isCelestialEmpire_ = false;
    bool cleanUpQueued_ = false;
};
