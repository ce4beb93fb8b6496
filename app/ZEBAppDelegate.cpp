#include "app/ZEBAppDelegate.h"

#include "alarms/SoundCatalogue.h"
#include "alarms/ZEBAlarmClockManager.h"
#include "app/RingStatusFile.h"
#include "app/ScreenPresenter.h"
#include "app/ScreenRegistry.h"
#include "app/clients/UsageAnalytics.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"

#include <QDebug>
#include <QLocale>
#include <QSysInfo>
#include <QTimer>

namespace {
ZEBAppDelegate *theDelegate = nullptr;
// Build-time identities of the analytics and backend accounts (forms only; nothing is sent).
const char kAnalyticsKey[] = "5f2c8e1a9b3d4c6e7f801a2b";
const char kBackendApplicationId[] = "TolvekAlarmBackendApplicationId000000000";
const char kBackendClientKey[] = "TolvekAlarmBackendClientKey0000000000000";
} // namespace

ZEBAppDelegate::ZEBAppDelegate(QObject *parent) : QObject(parent) { theDelegate = this; }

ZEBAppDelegate::~ZEBAppDelegate()
{
    unRegisterNotification();
    if (theDelegate == this)
        theDelegate = nullptr;
}

ZEBAppDelegate *ZEBAppDelegate::sharedDelegate() { return theDelegate; }

bool ZEBAppDelegate::didFinishLaunchingWithOptions(const LaunchOptions &options)
{
    alarmRinging_ = false;
    soundDisplayNameAry_ = SoundCatalogue::displayNames();
    soundFileAry_ = SoundCatalogue::fileNames();
    initOperation();
    umengReference();
    Parse::setApplicationId(QLatin1String(kBackendApplicationId), QLatin1String(kBackendClientKey));
    isCelestialEmpire_ = QLocale::system().name() == QLatin1String("zh_CN");

    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    connect(&scheduler, &LocalNotificationScheduler::didReceiveLocalNotification, this,
            &ZEBAppDelegate::didReceiveLocalNotification);
    connect(&scheduler, &LocalNotificationScheduler::didMissLocalNotification, this,
            &ZEBAppDelegate::didMissLocalNotification);
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    connect(&lifecycle, &ApplicationLifecycle::willEnterForeground, this,
            &ZEBAppDelegate::applicationWillEnterForeground);
    connect(&lifecycle, &ApplicationLifecycle::didEnterBackground, this,
            &ZEBAppDelegate::applicationDidEnterBackground);
    connect(&lifecycle, &ApplicationLifecycle::willTerminate, this, &ZEBAppDelegate::applicationWillTerminate);
    connect(&lifecycle, &ApplicationLifecycle::didReceiveMemoryWarning, this,
            &ZEBAppDelegate::applicationDidReceiveMemoryWarning);

    checkAlarmClock();
    if (fetchGPSCoordinate)
        fetchGPSCoordinate();
    if (options.localNotification && options.localNotification->isValid()) {
        ringingNotification_ = options.localNotification;
        needUnlocker_ = true;
    }
    return true;
}

void ZEBAppDelegate::initOperation()
{
    registerNotification();
    UserDefaults &defaults = UserDefaults::standard();
    defaults.synchronize();
    if (!defaults.stringForKey(QStringLiteral("DefaultWeatherUnit")).isEmpty())
        return;
    installFirstRunDefaults();
}

void ZEBAppDelegate::installFirstRunDefaults()
{
    UserDefaults &defaults = UserDefaults::standard();
    ZEBAlarmClockManager &manager = ZEBAlarmClockManager::sharedZEBAlarmClockManager();
    DataLock lock;
    // Preferences can go missing while alarms survive (a wiped config folder):
    // the user's alarms are never replaced by the default one.
    const bool alarmsExist = !manager.alarmClocksOnSystemSchedule().isEmpty();
    defaults.setString(QStringLiteral("DefaultWeatherUnit"), QStringLiteral("C"));
    defaults.setString(QStringLiteral("DefaultSkinFileKey"), QStringLiteral("skin-1-big"));
    defaults.synchronize();
    if (alarmsExist)
        return;
    manager.removeAllAlarmClockFromSystemSchedule();
    LocalNotificationScheduler::shared().cancelAllLocalNotifications();
    auto alarm = std::make_shared<ZEBAlarmClock>();
    alarm->setTimeOfDay(QTime(7, 0));
    alarm->dateChoosingMask = ZEBAlarmClock::kWeekdays;
    manager.addAlarmClockWithMask(alarm);
}

void ZEBAppDelegate::umengReference()
{
    MobClick::startWithAppkey(QLatin1String(kAnalyticsKey), 0, QString());
    MobClick::setAppVersion(QStringLiteral(TOLVEK_VERSION));
}

void ZEBAppDelegate::registerNotification()
{
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.addObserver(this, RingingAlarmClockStatusChanged, [this](const QVariant &) { resignCurrentRingingAlarm(); });
    center.addObserver(this, HomeViewControllerDidLoadView, [this](const QVariant &) { checkIfNeedshowUnlockScreen(); });
}

void ZEBAppDelegate::unRegisterNotification()
{
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.removeObserver(this, RingingAlarmClockStatusChanged);
    center.removeObserver(this, HomeViewControllerDidLoadView);
}

void ZEBAppDelegate::didReceiveLocalNotification(const LocalNotification &notification)
{
    // A snooze repeat of the alarm whose screen is already up changes nothing.
    if (alarmRinging_ && presentedNotification_ && presentedNotification_->fireDate == notification.fireDate)
        return;
    ringingNotification_ = notification;
    needUnlocker_ = true;
    // An alarm clock that is open in front must not wait for the next activation.
    if (ApplicationLifecycle::shared().state() == ApplicationLifecycle::State::Active)
        QTimer::singleShot(0, this, &ZEBAppDelegate::checkIfNeedshowUnlockScreen);
}

void ZEBAppDelegate::didMissLocalNotification(const LocalNotification &notification)
{
    const QList<ZEBAlarmClockPtr> alarms = alarmsMatching(notification);
    for (const ZEBAlarmClockPtr &alarm : alarms) {
        qWarning().noquote() << "tolvek: missed alarm" << alarm->identifier << "due at"
                             << notification.fireDate.toString(Qt::ISODate);
        // Its next occurrences still need scheduling, as after a ring.
        ZEBAlarmClockManager::sharedZEBAlarmClockManager().deleteAlarmClockAndRefreshAlarmClock(alarm);
        Q_EMIT alarmMissed(alarm, notification);
    }
}

void ZEBAppDelegate::applicationWillEnterForeground()
{
    checkAlarmClock();
    if (fetchGPSCoordinate)
        fetchGPSCoordinate();
}

void ZEBAppDelegate::applicationDidEnterBackground() { writeRingStatusToFile(); }

void ZEBAppDelegate::applicationWillTerminate() { writeRingStatusToFile(); }

void ZEBAppDelegate::applicationDidReceiveMemoryWarning() { writeRingStatusToFile(); }

void ZEBAppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token)
{
    const QString abbreviation = Clock::current().timeZone().abbreviation(Clock::current().now());
    PFInstallation::saveInBackground(token, remoteNotificationChannels(isCelestialEmpire_, abbreviation));
}

QStringList ZEBAppDelegate::remoteNotificationChannels(bool celestialEmpire, const QString &zoneAbbreviation)
{
    QStringList channels;
    if (celestialEmpire)
        channels << QStringLiteral("celestial_empire");
    QString zone = zoneAbbreviation;
    zone.remove(QLatin1Char('+'));
    if (!zone.isEmpty())
        channels << zone;
    return channels;
}

void ZEBAppDelegate::checkAlarmClock()
{
    // Runs on the main thread after the current event, under the data lock, so
    // it never cancels a notification that a schedule change made meanwhile.
    if (cleanUpQueued_)
        return;
    cleanUpQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        cleanUpQueued_ = false;
        cleanUpStrayNotifications();
    });
}

void ZEBAppDelegate::cleanUpStrayNotifications()
{
    DataLock lock;
    LocalNotificationList claimed;
    for (const ZEBAlarmClockPtr &alarm : ZEBAlarmClockManager::sharedZEBAlarmClockManager().alarmClocksOnSystemSchedule())
        for (const LocalNotification &n : std::as_const(*alarm->referenceNotificationsDic))
            claimed.append(n);
    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    if (claimed.isEmpty()) {
        scheduler.cancelAllLocalNotifications();
        return;
    }
    for (const LocalNotification &pending : scheduler.scheduledLocalNotifications())
        if (!claimed.contains(pending))
            scheduler.cancelLocalNotification(pending);
}

QList<ZEBAlarmClockPtr> ZEBAppDelegate::alarmsMatching(const LocalNotification &notification)
{
    QList<ZEBAlarmClockPtr> matches;
    for (const ZEBAlarmClockPtr &alarm : ZEBAlarmClockManager::sharedZEBAlarmClockManager().alarmClocksOnSystemSchedule()) {
        for (const LocalNotification &n : std::as_const(*alarm->referenceNotificationsDic)) {
            if (n.fireDate == notification.fireDate) {
                matches.append(alarm);
                break;
            }
        }
    }
    return matches;
}

ZEBAlarmClockPtr ZEBAppDelegate::ringingAlarmclock()
{
    if (!ringingNotification_)
        return nullptr;
    const QList<ZEBAlarmClockPtr> matches = alarmsMatching(*ringingNotification_);
    return matches.isEmpty() ? nullptr : matches.last();
}

void ZEBAppDelegate::checkIfNeedshowUnlockScreen()
{
    if (checkingIfNeedUnlocker_)
        return;
    if (needUnlocker_) {
        if (ZEBAlarmClockPtr alarm = ringingAlarmclock()) {
            checkingIfNeedUnlocker_ = true;
            showUnlockScreenWithAlarmClock(alarm, true);
        }
        return;
    }
    if (ZEBAlarmClockPtr alarm = RingStatusFile::read()) {
        checkingIfNeedUnlocker_ = true;
        showUnlockScreenWithAlarmClock(alarm, true);
    }
}

void ZEBAppDelegate::showUnlockScreenWithAlarmClock(const ZEBAlarmClockPtr &alarm, bool animated)
{
    if (alarmRinging_) {
        // Its screen is already up; this decision is done.
        checkingIfNeedUnlocker_ = false;
        return;
    }
    // A missing or unknown unlocker rings with the tap game, so the alarm can always be stopped.
    if (!alarm->unlocker || !ScreenRegistry::shared().contains(alarm->unlocker->refrenceVCClassName))
        alarm->unlocker = std::make_shared<ZEBAlarmClockUnlocker>(ZEBAlarmClockUnlocker::Tap);
    const QString className = alarm->unlocker->refrenceVCClassName;
    ScreenPresenter *presenter = ScreenPresenter::shared();
    QObject *screen = presenter ? ScreenRegistry::shared().create(className, alarm, false) : nullptr;
    if (!screen) {
        qWarning().noquote() << "tolvek: no screen for class" << className;
        checkingIfNeedUnlocker_ = false;
        Q_EMIT unlockScreenUnavailable(className);
        return;
    }
    alarmRinging_ = true;
    presentedAlarm_ = alarm;
    presentedNotification_ = needUnlocker_ ? ringingNotification_ : std::nullopt;
    // Written at once: a crash or kill while ringing still brings this screen back.
    RingStatusFile::write(alarm);
    presenter->presentModal(screen, animated, [this, alarm, className] {
        checkingIfNeedUnlocker_ = false;
        needUnlocker_ = false;
        Q_EMIT unlockScreenPresented(alarm, className);
    });
}

void ZEBAppDelegate::writeRingStatusToFile()
{
    if (!alarmRinging_ || !presentedAlarm_)
        return;
    RingStatusFile::write(presentedAlarm_);
}

void ZEBAppDelegate::resignCurrentRingingAlarm()
{
    if (!alarmRinging_)
        return;
    ZEBAlarmClockManager &manager = ZEBAlarmClockManager::sharedZEBAlarmClockManager();
    QList<ZEBAlarmClockPtr> settled;
    if (presentedNotification_)
        settled = alarmsMatching(*presentedNotification_);
    // Restored from the ring-status file (no notification held): settle that alarm by identity.
    if (settled.isEmpty() && presentedAlarm_) {
        manager.alarmClocksOnSystemSchedule();
        if (ZEBAlarmClockPtr stored = manager.ringingAlarmClockWithIdentifier(presentedAlarm_->identifier))
            settled.append(stored);
    }
    for (const ZEBAlarmClockPtr &alarm : std::as_const(settled)) {
        manager.deleteAlarmClockAndRefreshAlarmClock(alarm);
        Q_EMIT alarmSettled(alarm->identifier);
    }
    alarmRinging_ = false;
    presentedAlarm_.reset();
    presentedNotification_.reset();
    // Another alarm fired while this one rang: show it next.
    if (needUnlocker_)
        QTimer::singleShot(0, this, &ZEBAppDelegate::checkIfNeedshowUnlockScreen);
}

void ZEBAppDelegate::storeCurrentAppVersionString()
{
    UserDefaults::standard().setString(UpdateVersionKey, QStringLiteral(TOLVEK_VERSION));
    UserDefaults::standard().synchronize();
}

bool ZEBAppDelegate::isAppOnFirstLaunch()
{
    if (!UserDefaults::standard().stringForKey(UpdateVersionKey).isEmpty())
        return false;
    storeCurrentAppVersionString();
    return true;
}

bool ZEBAppDelegate::isAppVersionUpdated()
{
    const QString stored = UserDefaults::standard().stringForKey(UpdateVersionKey);
    if (stored == QLatin1String(TOLVEK_VERSION))
        return false;
    storeCurrentAppVersionString();
    return !stored.isEmpty();
}

int ZEBAppDelegate::OSVersion()
{
    static const int version = QSysInfo::productVersion().section(QLatin1Char('.'), 0, 0).toInt();
    return version;
}
