#include "app/AlarmBusEndpoint.h"
#include "app/LaunchArguments.h"
#include "app/AppCore.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/NotificationBus.h"
#include "platform/Broadcaster.h"
#include "platform/NotificationSchedulerSetup.h"

#ifdef HAVE_TOLVEK_WEATHER
#include "weather/WeatherFetcher.h"
#endif

#include <QCoreApplication>

#ifdef HAVE_TOLVEK_UI
#include "ui/AppWindow.h"
#include "ui/ScreenshotCommand.h"
#include "ui/UiSetup.h"

#include <QGuiApplication>
using Application = QGuiApplication;
#else
using Application = QCoreApplication;
#endif

#include <QDBusInterface>
#include <QDebug>
#include <QTimer>

namespace {
// One copy of the app at a time: a second start hands its notification (if
// any) to the running copy and brings that one forward.
bool handOverToRunningApp(const LaunchArguments &launch)
{
    QDBusInterface running(NotificationBus::kAppName, NotificationBus::kAppPath, NotificationBus::kAppName);
    if (!running.isValid())
        return false;
    if (launch.options.localNotification)
        running.call(QStringLiteral("DeliverNotification"), NotificationBus::toWire(*launch.options.localNotification));
    running.call(QStringLiteral("Raise"));
    qInfo("tolvek: the app is already running; brought it forward");
    return true;
}
} // namespace

int main(int argc, char **argv)
{
#ifdef HAVE_TOLVEK_UI
    UiSetup::prepareEnvironment(argc, argv);
#endif
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvek-alarm"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
#ifdef HAVE_TOLVEK_UI
    if (const auto exitCode = ScreenshotCommand::run(QCoreApplication::arguments()))
        return *exitCode;
#endif

    const LaunchArguments launch = LaunchArguments::parse(QCoreApplication::arguments());
    if (!launch.error.isEmpty())
        qWarning().noquote() << "tolvek:" << launch.error;

    // The notification service when it is on the bus, else this process delivers.
    installNotificationScheduler(&app);
    AlarmBusEndpoint endpoint;
    if (!endpoint.registerOn() && handOverToRunningApp(launch))
        return 0;

    AppCore delegate;
#ifdef HAVE_TOLVEK_WEATHER
    WeatherFetcher weather;
    delegate.fetchWeather = [&weather] { weather.fetchWeather(); };
#endif
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    // Without a home screen, becoming active is what asks whether an alarm rings.
    QObject::connect(&lifecycle, &ApplicationLifecycle::didBecomeActive, &delegate, [] {
        Broadcaster::shared().post(AppCore::HomeScreenDidLoad);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &lifecycle, &ApplicationLifecycle::terminate);

    delegate.launch(launch.options);
#ifdef HAVE_TOLVEK_UI
    AppWindow window;
    if (window.load())
        window.show();
    // A fired alarm (or its desktop notification's "Rock & Roll") brings the window forward.
    QObject::connect(&endpoint, &AlarmBusEndpoint::raiseRequested, &window, [&window] {
        if (QQuickWindow *w = window.window()) {
            w->show();
            w->raise();
            w->requestActivate();
        }
    });
#endif
    lifecycle.becomeActive();
    if (launch.once)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
