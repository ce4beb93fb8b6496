#pragma once
#include <QString>

// Every name that reaches a file or another process, byte for byte as the
// first release wrote it. Renaming a class never changes these: stored alarms,
// pending notifications, preferences and the peers on the bus rely on them.
// Nothing else in the code spells these strings.
namespace StoredNames {

// Files in the data folder.
inline const QString kAlarmFile = QStringLiteral("accache");
inline const QString kRingStatusFile = QStringLiteral("acstatus");
inline const QString kPendingFile = QStringLiteral("notifications");
inline const QString kDataLockFile = QStringLiteral(".data.lock");

// Class tags ("$class") of archived objects.
inline const QString kAlarmClass = QStringLiteral("ZEBAlarmClock");
inline const QString kUnlockerClass = QStringLiteral("ZEBAlarmClockUnlocker");
inline const QString kNotificationClass = QStringLiteral("LocalNotification");

// Keys of an archived alarm.
namespace AlarmKey {
inline const QString kRepeatMask = QStringLiteral("DateChoosingMask");
inline const QString kTime = QStringLiteral("AlarmTime");
inline const QString kSoundFile = QStringLiteral("RingFileName");
inline const QString kIdentifier = QStringLiteral("Identifier");
inline const QString kSlogan = QStringLiteral("WakeupSlogan");
inline const QString kUnlocker = QStringLiteral("Unlocker");
inline const QString kSnooze = QStringLiteral("Snooze");
inline const QString kActive = QStringLiteral("Active");
inline const QString kStop = QStringLiteral("Stop");
inline const QString kNotifications = QStringLiteral("ReferenceNotification");
} // namespace AlarmKey

// Keys of an archived unlocker.
namespace UnlockerKey {
inline const QString kKind = QStringLiteral("UnlockerKind");
inline const QString kIllustration = QStringLiteral("UnlockerIllustrateKey");
inline const QString kSmallIllustration = QStringLiteral("UnlockerIllustrateSmallKey");
inline const QString kScreenName = QStringLiteral("UnlockerRefrenceVCClassKey");
inline const QString kTitle = QStringLiteral("UnlockerTitleKey");
inline const QString kSoundFile = QStringLiteral("UnlockerSoundFileNameKey");
inline const QString kSubtitle = QStringLiteral("UnlockerSubtitleKey");
inline const QString kLevel = QStringLiteral("UnlockerGameLevelKey");
} // namespace UnlockerKey

// Keys of an archived notification.
namespace NotificationKey {
inline const QString kFireDate = QStringLiteral("fireDate");
inline const QString kTimeZone = QStringLiteral("timeZone");
inline const QString kRepeatCalendar = QStringLiteral("repeatCalendar");
inline const QString kRepeatInterval = QStringLiteral("repeatInterval");
inline const QString kAlertAction = QStringLiteral("alertAction");
inline const QString kAlertBody = QStringLiteral("alertBody");
inline const QString kSoundName = QStringLiteral("soundName");
} // namespace NotificationKey

// The ring-status file: {"rStatus": true, "rAlarmClock": <alarm>}.
inline const QString kRingStatusKey = QStringLiteral("rStatus");
inline const QString kRingingAlarmKey = QStringLiteral("rAlarmClock");

// The screen that plays each unlocker kind (0 tap ... 4 smile), as every
// stored alarm names it.
inline const QString kTapScreen = QStringLiteral("ZEBAlarmClockUnlockerTapViewController");
inline const QString kSumScreen = QStringLiteral("ZEBAlarmClockUnlockerCalculateViewController");
inline const QString kShakeScreen = QStringLiteral("ZEBAlarmClockUnlockerShakeToLauchViewController");
inline const QString kBlowScreen = QStringLiteral("ZEBAlarmClockUnlockerBlowUFOViewController");
inline const QString kSmileScreen = QStringLiteral("ZEBAlarmClockUnlockerSmileViewController");

// Preference keys.
inline const QString kWeatherUnitKey = QStringLiteral("DefaultWeatherUnit");
inline const QString kSkinKey = QStringLiteral("DefaultSkinFileKey");
inline const QString kVersionKey = QStringLiteral("UpdateVersionKey");
inline const QString kRingingNoticeDoNotShowKey = QStringLiteral("tAlarmRingingNoticeDoNotShow");
inline const QString kWeatherServiceKey = QStringLiteral("WeatherServiceBaseURL");
inline const QString kWindowSizeKey = QStringLiteral("WindowSize"); // the desktop window's last size, in points

// Broadcasts on the app-wide notification centre.
namespace Broadcast {
inline const QString kHomeScreenDidLoad = QStringLiteral("ZEBHomeViewControllerDidLoadViewNotification");
inline const QString kRingingAlarmStatusChanged = QStringLiteral("ZEBRingingAlarmClockStatusChangedNotification");
inline const QString kAlarmStatusChanged = QStringLiteral("ZEBAlarmClockStatusChangedNotification");
inline const QString kAlarmSaved = QStringLiteral("AlarmClockAddToSystemScheduleSuccessfullyNotification");
inline const QString kWeatherFetchBegin = QStringLiteral("ZEBWeatherFetchBeginNotification");
inline const QString kWeatherFetchComplete = QStringLiteral("ZEBWeatherFetchCompleteNotification");
// Ours alone (no earlier release posted it): a fetch that had a location ended without a record.
inline const QString kWeatherFetchFailed = QStringLiteral("TolvekWeatherFetchFailedNotification");
inline const QString kSkinChanged = QStringLiteral("ZEBSkinManagerDidChangedSkinNotification");
inline const QString kAlertDidDismiss = QStringLiteral("SIAlertViewDidDismissNotification");
inline const QString kDidBecomeActive = QStringLiteral("UIApplicationDidBecomeActiveNotification");
inline const QString kWillResignActive = QStringLiteral("UIApplicationWillResignActiveNotification");
inline const QString kDidEnterBackground = QStringLiteral("UIApplicationDidEnterBackgroundNotification");
inline const QString kWillEnterForeground = QStringLiteral("UIApplicationWillEnterForegroundNotification");
inline const QString kWillTerminate = QStringLiteral("UIApplicationWillTerminateNotification");
inline const QString kDidReceiveMemoryWarning = QStringLiteral("UIApplicationDidReceiveMemoryWarningNotification");
} // namespace Broadcast

// Session bus names of the notification service and of the running app.
inline const QString kServiceBusName = QStringLiteral("org.tolvek.NotificationService");
inline const QString kServiceBusPath = QStringLiteral("/org/tolvek/NotificationService");
inline const QString kAppBusName = QStringLiteral("org.tolvek.Alarm");
inline const QString kAppBusPath = QStringLiteral("/org/tolvek/Alarm");
// The desktop entry (org.tolvek.Alarm.desktop) and AppStream id the window belongs to.
inline const QString kDesktopEntryId = QStringLiteral("org.tolvek.Alarm");
// The service's property: whether its timer wakes the machine from suspend.
inline const QString kServiceWakeProperty = QStringLiteral("WakesFromSuspend");
inline const QString kInvalidNotificationError = QStringLiteral("org.tolvek.Error.InvalidNotification");

} // namespace StoredNames
