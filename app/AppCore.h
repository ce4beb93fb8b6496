#pragma once
#include "alarms/Alarm.h"
#include "app/ServiceStatus.h"
#include "platform/StoredNames.h"
#include "platform/LocalNotification.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

struct LaunchOptions
{
    // The notification whose delivery started the app, if one did.
    std::optional<LocalNotification> localNotification;
    // Started from the launcher's "New alarm" action.
    bool newAlarm = false;
};

// The one object that lives for the whole run: launch sequence, first-run
// defaults, the sound catalogue, life-cycle reactions, and the ring state:
// deciding whether an alarm rings, presenting its unlock screen, remembering
// it across background and kill ("acstatus"), and settling it once won.
class AppCore : public QObject
{
    Q_OBJECT
public:
    static inline const QString HomeScreenDidLoad = StoredNames::Broadcast::kHomeScreenDidLoad;
    static inline const QString RingingAlarmStatusChanged = StoredNames::Broadcast::kRingingAlarmStatusChanged;
    static inline const QString UpdateVersionKey = StoredNames::kVersionKey;

    explicit AppCore(QObject *parent = nullptr);
    ~AppCore() override;
    static AppCore *instance();

    // False (the user told by an alert) when the first-run alarm could not be
    // stored or the alarms could not be checked against the pending notifications.
    bool launch(const LaunchOptions &options);

    // Life cycle (the application layer calls these through ApplicationLifecycle).
    void notificationReceived(const LocalNotification &notification);
    void notificationMissed(const LocalNotification &notification);
    void applicationWillEnterForeground();
    void applicationDidEnterBackground();
    void applicationWillTerminate();
    void applicationDidReceiveMemoryWarning();

    // Ring detection and dispatch.
    void checkForRingingAlarm();
    // The alarm the oldest waiting notification that matches one rings (the
    // last stored, when several share its moment); nullptr when none does.
    AlarmPtr ringingAlarm();
    void showUnlockScreenIfNeeded();
    // `notification`: the waiting one this screen answers (none when restored from the ring-status file).
    void showUnlockScreen(const AlarmPtr &alarm, bool animated,
                          const std::optional<LocalNotification> &notification = std::nullopt);
    void writeRingStatus();
    void settleRingingAlarm();
    // Makes the pending notifications agree with the alarms (ScheduleRepair);
    // false, with an alert, when they could not be checked. Runs at launch, and
    // soon after checkForRingingAlarm.
    bool repairSchedule();

    // Version bookkeeping under "UpdateVersionKey".
    static void storeCurrentAppVersionString();
    static bool isAppOnFirstLaunch();
    static bool isAppVersionUpdated();
    static int OSVersion();

    QStringList soundDisplayNames() const { return soundDisplayNames_; }
    QStringList soundFiles() const { return soundFiles_; }
    bool alarmRinging() const { return alarmRinging_; }
    // Notifications have arrived whose screens are not up yet.
    bool needsUnlockScreen() const { return !waiting_.isEmpty(); }
    bool checkingForUnlockScreen() const { return checkingForUnlockScreen_; }
    AlarmPtr presentedAlarm() const { return presentedAlarm_; }

    // How alarms reach the sleeper, for the home screen's status line.
    ServiceStatus &serviceStatus() { return serviceStatus_; }

    // The launcher's "New alarm" action (command line --new-alarm, or the
    // running app's NewAlarm call). The home screen opens its add action:
    // on load it calls takeNewAlarmRequest(), and it follows newAlarmRequested()
    // while it is up. Without a home screen the request only raises the app.
    void requestNewAlarm();
    // True once per request: whether a "New alarm" waits to be opened.
    bool takeNewAlarmRequest();

    // Starts a weather fetch; installed by the weather library when present.
    std::function<void()> fetchWeather;

Q_SIGNALS:
    // An unlock screen for `alarm` is in front (presentation completed).
    void unlockScreenPresented(const AlarmPtr &alarm, const QString &className);
    // No screen could be made for the class the alarm's unlocker names.
    void unlockScreenUnavailable(const QString &className);
    // A rung alarm was settled (weekly: rescheduled; one-time: switched off).
    void alarmSettled(const QString &identifier);
    // An alarm fell due while nothing could ring it; the app shows a notice.
    void alarmMissed(const AlarmPtr &alarm, const LocalNotification &notification);
    // The user asked for a new alarm (see requestNewAlarm()).
    void newAlarmRequested();

private:
    void initialize();
    void subscribe();
    void unsubscribe();
    void installFirstRunDefaults();
    QList<AlarmPtr> alarmsMatching(const LocalNotification &notification);

    QStringList soundDisplayNames_;
    QStringList soundFiles_;
    void wait(const LocalNotification &notification);
    std::optional<std::pair<LocalNotification, AlarmPtr>> nextWaiting();

    LocalNotificationList waiting_; // received, screen not shown yet, oldest first
    QPointer<QObject> screenUp_;    // the unlock screen shown last, until the presenter deletes it
    std::optional<LocalNotification> presentedNotification_;
    AlarmPtr presentedAlarm_;
    bool alarmRinging_ = false;
    bool checkingForUnlockScreen_ = false;
    bool cleanUpQueued_ = false;
    bool defaultsStored_ = true; // false when the first-run alarm could not be stored
    bool newAlarmWaiting_ = false;
    ServiceStatus serviceStatus_;
};
