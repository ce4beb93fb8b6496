#include "assembly/AppAssembly.h"

#include "platform/ApplicationLifecycle.h"
#include "platform/Broadcaster.h"
#include "platform/InProcessNotificationScheduler.h"
#include "platform/NotificationBus.h"

#ifdef TOLVEK_HAVE_WEATHER
#include "weather/WeatherFetcher.h"
#endif
#ifdef TOLVEK_HAVE_SCREENS
#include "assembly/AppWindow.h"
#include "assembly/ScreenLibraries.h"
#include "home/HomeScreens.h"

#include <QQuickWindow>
#endif

#include <QCoreApplication>
#include <QDBusInterface>

AppAssembly::AppAssembly(const LaunchArguments &launch, Options options, QObject *parent)
    : QObject(parent),
      launch_(launch),
      options_(options)
{ }

AppAssembly::~AppAssembly()
{
#ifdef TOLVEK_HAVE_SCREENS
    delete window_; // before the core: screens still look at it while they close
#endif
    if (scheduler_.scheduler)
        LocalNotificationScheduler::setShared(nullptr);
}

bool AppAssembly::start()
{
#ifdef TOLVEK_HAVE_SCREENS
    if (options_.window && options_.windowFirst) {
        // A running copy takes the launch over before any window shows.
        if (options_.busEndpoint && handOverToRunningApp())
            return false;
        window_ = new AppWindow(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen, this);
        if (window_->loadWindow()) {
            window_->show();
            window_->afterNextFrame(this, [this] {
                if (!launch())
                    QCoreApplication::quit();
            });
            return true;
        }
    }
#endif
    return launch();
}

// Everything but the empty window.
bool AppAssembly::launch()
{
    if (options_.useNotificationService) {
        scheduler_ = installNotificationScheduler(this);
    } else {
        scheduler_.scheduler = new InProcessNotificationScheduler(true, this);
        scheduler_.state = QStringLiteral("Alarms ring only while the app is open.");
        LocalNotificationScheduler::setShared(scheduler_.scheduler);
    }
    // The name is taken and the core launched without the event loop running
    // between them, so a notification the service hands over finds the core listening.
    if (options_.busEndpoint && !endpoint_.registerOn() && handOverToRunningApp())
        return false;
    core_.serviceStatus().follow(scheduler_);
    connect(&endpoint_, &AlarmBusEndpoint::newAlarmRequested, &core_, &AppCore::requestNewAlarm);
#ifdef TOLVEK_HAVE_WEATHER
    if (options_.fetchWeather)
        weather_ = new WeatherFetcher(this);
#endif
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &lifecycle, &ApplicationLifecycle::terminate,
            Qt::UniqueConnection);

    core_.launch(launch_.options);
#ifdef TOLVEK_HAVE_SCREENS
    if (options_.window) {
        registerScreens();
        setHomeScreenSources(
            {[this]() -> std::optional<Weather> { return weather_ ? weather_->weather() : std::nullopt; },
             !scheduler_.viaService});
        if (window_) {
            window_->loadScreens();
        } else {
            window_ = new AppWindow(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen, this);
            if (window_->load())
                window_->show();
        }
        // A fired alarm (or its desktop notification's "Rock & Roll") brings the window forward.
        connect(&endpoint_, &AlarmBusEndpoint::raiseRequested, this, &AppAssembly::raiseWindow);
        connect(&core_, &AppCore::newAlarmRequested, this, &AppAssembly::raiseWindow);
    }
#endif
    // The home screen asks whether an alarm rings each time the app becomes
    // active; without one (no window), becoming active asks by itself.
    if (!window_)
        connect(&lifecycle, &ApplicationLifecycle::didBecomeActive, &core_,
                [] { Broadcaster::shared().post(AppCore::HomeScreenDidLoad); });
    lifecycle.becomeActive();
    startWeather();
    Q_EMIT launched();
    return true;
}

// The first fetch starts once the home screen has drawn: starting the network
// (its plugins, the proxy set-up) would hold up that first frame.
void AppAssembly::startWeather()
{
#ifdef TOLVEK_HAVE_WEATHER
    if (!weather_)
        return;
    const auto fetch = [this] {
        core_.fetchWeather = [this] { weather_->fetchWeather(); };
        core_.fetchWeather();
    };
#ifdef TOLVEK_HAVE_SCREENS
    if (window_ && window_->window()) {
        window_->afterNextFrame(this, fetch);
        return;
    }
#endif
    fetch();
#endif
}

void AppAssembly::registerScreens()
{
#ifdef TOLVEK_HAVE_SCREENS
    registerScreenLibraries();
#endif
}

// One copy of the app at a time: a second start hands its notification (if
// any) to the running copy and brings that one forward.
bool AppAssembly::handOverToRunningApp() const
{
    QDBusInterface running(NotificationBus::kAppName, NotificationBus::kAppPath, NotificationBus::kAppName);
    if (!running.isValid())
        return false;
    if (launch_.options.localNotification)
        running.call(QStringLiteral("DeliverNotification"),
                     NotificationBus::toWire(*launch_.options.localNotification));
    if (launch_.options.newAlarm)
        running.call(QStringLiteral("NewAlarm"));
    running.call(QStringLiteral("Raise"));
    qInfo("tolvek: the app is already running; brought it forward");
    return true;
}

void AppAssembly::raiseWindow()
{
#ifdef TOLVEK_HAVE_SCREENS
    window_->raise();
#endif
}
