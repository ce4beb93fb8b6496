#include "app/AppCore.h"
#include "platform/StoredNames.h"

#include "alarms/SoundCatalogue.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/ScheduleRepair.h"
#include "app/RingStatusFile.h"
#include "app/ScreenPresenter.h"
#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/LocalNotificationScheduler.h"
#include "platform/Broadcaster.h"
#include "platform/Preferences.h"

#include <QDebug>
#include <QLocale>
#include <QSysInfo>
#include <QTimer>
#include <utility>

namespace {
AppCore *theDelegate = nullptr;
} // namespace

AppCore::AppCore(QObject *parent) : QObject(parent) { theDelegate = this; }

AppCore::~AppCore()
{
    unsubscribe();
    if (theDelegate == this)
        theDelegate = nullptr;
}

AppCore *AppCore::instance() { return theDelegate; }

bool AppCore::launch(const LaunchOptions &options)
{
    alarmRinging_ = false;
    defaultsStored_ = true;
    soundDisplayNames_ = SoundCatalogue::displayNames();
    soundFiles_ = SoundCatalogue::fileNames();
    initialize();

    LocalNotificationScheduler &scheduler = LocalNotificationScheduler::shared();
    connect(&scheduler, &LocalNotificationScheduler::notificationReceived, this, &AppCore::notificationReceived);
    connect(&scheduler, &LocalNotificationScheduler::notificationMissed, this, &AppCore::notificationMissed);
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    connect(&lifecycle, &ApplicationLifecycle::willEnterForeground, this, &AppCore::applicationWillEnterForeground);
    connect(&lifecycle, &ApplicationLifecycle::didEnterBackground, this, &AppCore::applicationDidEnterBackground);
    connect(&lifecycle, &ApplicationLifecycle::willTerminate, this, &AppCore::applicationWillTerminate);
    connect(&lifecycle, &ApplicationLifecycle::didReceiveMemoryWarning, this,
            &AppCore::applicationDidReceiveMemoryWarning);

    // Whatever a killed process or a full disk left half done is mended before anything rings.
    const bool repaired = repairSchedule();
    if (fetchWeather)
        fetchWeather();
    if (options.localNotification && options.localNotification->isValid()) {
        wait(*options.localNotification);
    }
    if (options.newAlarm)
        requestNewAlarm();
    return repaired && defaultsStored_;
}

void AppCore::requestNewAlarm()
{
    newAlarmWaiting_ = true;
    Q_EMIT newAlarmRequested();
}

bool AppCore::takeNewAlarmRequest() { return std::exchange(newAlarmWaiting_, false); }

void AppCore::initialize()
{
    subscribe();
    Preferences &defaults = Preferences::shared();
    defaults.synchronize();
    if (!defaults.stringForKey(StoredNames::kWeatherUnitKey).isEmpty())
        return;
    installFirstRunDefaults();
}

void AppCore::installFirstRunDefaults()
{
    Preferences &defaults = Preferences::shared();
    AlarmSchedule &manager = AlarmSchedule::shared();
    DataLock lock;
    // Preferences can go missing while alarms survive (a wiped config folder):
    // the user's alarms are never replaced by the default one.
    const bool alarmsExist = !manager.reload().isEmpty();
    defaults.setString(StoredNames::kWeatherUnitKey, QStringLiteral("C"));
    defaults.setString(StoredNames::kSkinKey, QStringLiteral("skin-1-big"));
    defaults.synchronize();
    // An alarm file that cannot be read is the user's, not an empty one: the
    // repair that follows says why.
    if (alarmsExist || !manager.fileProblem().isEmpty() || !lock.acquired())
        return;
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(7, 0));
    alarm->repeatMask = Alarm::kWeekdays;
    defaultsStored_ = manager.unscheduleAll() && manager.addRepeating(alarm);
}

void AppCore::subscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.addObserver(this, RingingAlarmStatusChanged, [this](const QVariant &) { settleRingingAlarm(); });
    center.addObserver(this, HomeScreenDidLoad, [this](const QVariant &) { showUnlockScreenIfNeeded(); });
}

void AppCore::unsubscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.removeObserver(this, RingingAlarmStatusChanged);
    center.removeObserver(this, HomeScreenDidLoad);
}

void AppCore::notificationReceived(const LocalNotification &notification)
{
    // A snooze repeat of the alarm whose screen is already up changes nothing.
    if (alarmRinging_ && presentedNotification_ && presentedNotification_->fireDate == notification.fireDate)
        return;
    wait(notification);
    // An alarm clock that is open in front must not wait for the next activation.
    if (ApplicationLifecycle::shared().state() == ApplicationLifecycle::State::Active)
        QTimer::singleShot(0, this, &AppCore::showUnlockScreenIfNeeded);
}

void AppCore::notificationMissed(const LocalNotification &notification)
{
    const QList<AlarmPtr> alarms = alarmsMatching(notification);
    for (const AlarmPtr &alarm : alarms) {
        qWarning().noquote() << "tolvek: missed alarm" << alarm->identifier << "due at"
                             << notification.fireDate.toString(Qt::ISODate);
        // Its next occurrences still need scheduling, as after a ring.
        AlarmSchedule::shared().settleRungAlarm(alarm);
        Q_EMIT alarmMissed(alarm, notification);
    }
}

void AppCore::applicationWillEnterForeground()
{
    checkForRingingAlarm();
    if (fetchWeather)
        fetchWeather();
}

void AppCore::applicationDidEnterBackground() { writeRingStatus(); }

void AppCore::applicationWillTerminate() { writeRingStatus(); }

void AppCore::applicationDidReceiveMemoryWarning() { writeRingStatus(); }

void AppCore::checkForRingingAlarm()
{
    // Runs on the main thread after the current event, under the data lock, so
    // it never cancels a notification that a schedule change made meanwhile.
    if (cleanUpQueued_)
        return;
    cleanUpQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        cleanUpQueued_ = false;
        repairSchedule();
    });
}

bool AppCore::repairSchedule()
{
    const ScheduleRepair::Report report = ScheduleRepair::run();
    if (report.ok())
        return true;
    AlertRequest alert;
    alert.title = tr("Alarms May Not Ring");
    alert.message = tr("Your alarms could not be checked: %1").arg(report.problem);
    alert.buttons.append({tr("Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
    return false;
}

QList<AlarmPtr> AppCore::alarmsMatching(const LocalNotification &notification)
{
    QList<AlarmPtr> matches;
    for (const AlarmPtr &alarm : AlarmSchedule::shared().reload()) {
        for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications)) {
            if (n.fireDate == notification.fireDate) {
                matches.append(alarm);
                break;
            }
        }
    }
    return matches;
}

void AppCore::wait(const LocalNotification &notification)
{
    // Several can arrive before the first screen is up (the service hands over
    // everything that fell due at once): each waits its turn. A snooze repeat
    // of one already waiting adds nothing.
    for (const LocalNotification &waiting : std::as_const(waiting_))
        if (waiting.fireDate == notification.fireDate)
            return;
    waiting_.append(notification);
}

std::optional<std::pair<LocalNotification, AlarmPtr>> AppCore::nextWaiting()
{
    for (const LocalNotification &notification : std::as_const(waiting_)) {
        const QList<AlarmPtr> matches = alarmsMatching(notification);
        if (!matches.isEmpty())
            return std::make_pair(notification, matches.last());
    }
    return std::nullopt;
}

AlarmPtr AppCore::ringingAlarm()
{
    const auto next = nextWaiting();
    return next ? next->second : nullptr;
}

void AppCore::showUnlockScreenIfNeeded()
{
    if (checkingForUnlockScreen_)
        return;
    if (!waiting_.isEmpty()) {
        if (const auto next = nextWaiting()) {
            checkingForUnlockScreen_ = true;
            showUnlockScreen(next->second, true, next->first);
        }
        return;
    }
    if (AlarmPtr alarm = RingStatusFile::read()) {
        checkingForUnlockScreen_ = true;
        showUnlockScreen(alarm, true);
    }
}

void AppCore::showUnlockScreen(const AlarmPtr &alarm, bool animated,
                               const std::optional<LocalNotification> &notification)
{
    // A screen is up, or a won one is still closing: closing it would take a
    // screen shown above it along. The next one comes once it is gone.
    if (alarmRinging_ || screenUp_) {
        checkingForUnlockScreen_ = false;
        return;
    }
    // A missing or unknown unlocker rings with the tap game, so the alarm can always be stopped.
    if (!alarm->unlocker || !ScreenRegistry::shared().contains(alarm->unlocker->screenName))
        alarm->unlocker = std::make_shared<Unlocker>(Unlocker::Tap);
    const QString className = alarm->unlocker->screenName;
    ScreenPresenter *presenter = ScreenPresenter::shared();
    QObject *screen = presenter ? ScreenRegistry::shared().create(className, alarm, false) : nullptr;
    if (!screen) {
        qWarning().noquote() << "tolvek: no screen for class" << className;
        checkingForUnlockScreen_ = false;
        Q_EMIT unlockScreenUnavailable(className);
        return;
    }
    alarmRinging_ = true;
    screenUp_ = screen;
    connect(screen, &QObject::destroyed, this, [this] {
        if (!waiting_.isEmpty())
            QTimer::singleShot(0, this, &AppCore::showUnlockScreenIfNeeded);
    });
    presentedAlarm_ = alarm;
    presentedNotification_ = notification;
    // Answered now, not when the slide-in ends: a notification that arrives
    // while it slides in waits and is shown after this one.
    if (notification)
        waiting_.removeIf([&](const LocalNotification &n) { return n.fireDate == notification->fireDate; });
    // Written at once: a crash or kill while ringing still brings this screen back.
    RingStatusFile::write(alarm);
    presenter->presentModal(screen, animated, [this, alarm, className] {
        checkingForUnlockScreen_ = false;
        Q_EMIT unlockScreenPresented(alarm, className);
    });
}

void AppCore::writeRingStatus()
{
    if (!alarmRinging_ || !presentedAlarm_)
        return;
    RingStatusFile::write(presentedAlarm_);
}

void AppCore::settleRingingAlarm()
{
    if (!alarmRinging_)
        return;
    AlarmSchedule &manager = AlarmSchedule::shared();
    QList<AlarmPtr> settled;
    if (presentedNotification_)
        settled = alarmsMatching(*presentedNotification_);
    // Restored from the ring-status file (no notification held): settle that alarm by identity.
    if (settled.isEmpty() && presentedAlarm_) {
        manager.reload();
        if (AlarmPtr stored = manager.alarmWithIdentifier(presentedAlarm_->identifier))
            settled.append(stored);
    }
    for (const AlarmPtr &alarm : std::as_const(settled)) {
        manager.settleRungAlarm(alarm);
        Q_EMIT alarmSettled(alarm->identifier);
    }
    alarmRinging_ = false;
    presentedAlarm_.reset();
    presentedNotification_.reset();
    // Another alarm fired while this one rang: it is shown once this screen is gone.
    if (!waiting_.isEmpty() && !screenUp_)
        QTimer::singleShot(0, this, &AppCore::showUnlockScreenIfNeeded);
}

void AppCore::storeCurrentAppVersionString()
{
    Preferences::shared().setString(UpdateVersionKey, QStringLiteral(TOLVEK_VERSION));
    Preferences::shared().synchronize();
}

bool AppCore::isAppOnFirstLaunch()
{
    if (!Preferences::shared().stringForKey(UpdateVersionKey).isEmpty())
        return false;
    storeCurrentAppVersionString();
    return true;
}

bool AppCore::isAppVersionUpdated()
{
    const QString stored = Preferences::shared().stringForKey(UpdateVersionKey);
    if (stored == QLatin1String(TOLVEK_VERSION))
        return false;
    storeCurrentAppVersionString();
    return !stored.isEmpty();
}

int AppCore::OSVersion()
{
    static const int version = QSysInfo::productVersion().section(QLatin1Char('.'), 0, 0).toInt();
    return version;
}
