#include "app/AlarmBusEndpoint.h"
#include "app/LaunchArguments.h"
#include "app/ZEBAppDelegate.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationSchedulerSetup.h"

#ifdef HAVE_TOLVEK_WEATHER
#include "weather/ZEBWeatherFetcher.h"
#endif

#ifdef HAVE_TOLVEK_UI
#include "ui/AppWindow.h"
#include "ui/ScreenshotCommand.h"
#include "ui/UiSetup.h"

#include <QGuiApplication>
using Application = QGuiApplication;
#else
using Application = QCoreApplication;
#endif

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

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
    endpoint.registerOn();

    ZEBAppDelegate delegate;
#ifdef HAVE_TOLVEK_WEATHER
    ZEBWeatherFetcher weather;
    delegate.fetchGPSCoordinate = [&weather] { weather.fetchGPSCoordinate(); };
#endif
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    // Without a home screen, becoming active is what asks whether an alarm rings.
    QObject::connect(&lifecycle, &ApplicationLifecycle::didBecomeActive, &delegate, [] {
        NotificationCenter::defaultCenter().post(ZEBAppDelegate::HomeViewControllerDidLoadView);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &lifecycle, &ApplicationLifecycle::terminate);

    delegate.didFinishLaunchingWithOptions(launch.options);
#ifdef HAVE_TOLVEK_UI
    AppWindow window;
    if (window.load())
        window.show();
#endif
    lifecycle.becomeActive();
    if (launch.once)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
