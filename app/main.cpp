#include "app/LaunchArguments.h"
#include "app/ZEBAppDelegate.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvek-alarm"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));

    const LaunchArguments launch = LaunchArguments::parse(QCoreApplication::arguments());
    if (!launch.error.isEmpty())
        qWarning().noquote() << "tolvek:" << launch.error;

    ZEBAppDelegate delegate;
    ApplicationLifecycle &lifecycle = ApplicationLifecycle::shared();
    // Without a home screen, becoming active is what asks whether an alarm rings.
    QObject::connect(&lifecycle, &ApplicationLifecycle::didBecomeActive, &delegate, [] {
        NotificationCenter::defaultCenter().post(ZEBAppDelegate::HomeViewControllerDidLoadView);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &lifecycle, &ApplicationLifecycle::terminate);

    delegate.didFinishLaunchingWithOptions(launch.options);
    lifecycle.becomeActive();
    if (launch.once)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
