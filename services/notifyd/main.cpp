// tolvek-notifyd: holds the pending local notifications of Tolvek Alarm and
// fires them on time, whether or not the app runs.
#include "NotificationServiceAdaptor.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationStore.h"
#include "services/notifyd/AppConnector.h"
#include "services/notifyd/DesktopNotifier.h"
#include "services/notifyd/NotificationBusApi.h"
#include "services/notifyd/NotificationService.h"
#include "services/notifyd/SystemChangeMonitor.h"
#include "services/notifyd/TimerFdWakeupSource.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <malloc.h>

int main(int argc, char **argv)
{
    // A call as big as the bus allows (tens of MB) is read whole before it can be
    // refused. Blocks that large come from and go back to the system directly;
    // otherwise the allocator keeps them after the first one and memory never
    // returns to the idle size.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvek-notifyd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Fires Tolvek Alarm's pending notifications on time."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption appBinary(
        QStringLiteral("app-binary"),
        QStringLiteral("The app to start for a notification when it is not running "
                       "(default: $TOLVEK_ALARM_BINARY, else tolvek-alarm next to this program or on PATH)."),
        QStringLiteral("path"), qEnvironmentVariable("TOLVEK_ALARM_BINARY"));
    parser.addOption(appBinary);
    parser.process(app);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCritical("tolvek-notifyd: no session bus: %s", qPrintable(bus.lastError().message()));
        return 1;
    }
    TimerFdWakeupSource wakeup;
    if (!wakeup.isValid())
        return 1;

    NotificationService service(&wakeup);
    NotificationBusApi api(service, wakeup.wakesFromSuspend());
    new NotificationServiceAdaptor(&api);
    bus.registerObject(NotificationBus::kServicePath, &api);
    // The bus name is the one guard against two services firing the same alarms.
    if (!bus.registerService(NotificationBus::kServiceName)) {
        qCritical("tolvek-notifyd: another notification service already runs (%s is taken); exiting",
                  qPrintable(NotificationBus::kServiceName));
        return 2;
    }

    AppConnector appConnector(
        bus, AppConnector::findAppBinary(parser.value(appBinary), QCoreApplication::applicationDirPath()));
    DesktopNotifier desktop(bus);
    SystemChangeMonitor systemChanges;
    QObject::connect(&service, &NotificationService::fired, &desktop, &DesktopNotifier::showFired);
    QObject::connect(&service, &NotificationService::fired, &appConnector, &AppConnector::deliver);
    QObject::connect(&service, &NotificationService::missed, &desktop, &DesktopNotifier::showMissed);
    QObject::connect(&service, &NotificationService::missed, &appConnector, &AppConnector::reportMissed);
    QObject::connect(&desktop, &DesktopNotifier::raiseRequested, &appConnector, &AppConnector::raise);
    QObject::connect(&systemChanges, &SystemChangeMonitor::resumed, &service, &NotificationService::evaluate);
    QObject::connect(&systemChanges, &SystemChangeMonitor::timeZoneChanged, &service, &NotificationService::evaluate);

    qInfo().noquote() << "tolvek-notifyd: serving" << NotificationStore::path() << "on the session bus;"
                      << (wakeup.wakesFromSuspend() ? "wakes the machine from suspend"
                                                    : "wakes while the machine is awake");
    service.start();
    return app.exec();
}
