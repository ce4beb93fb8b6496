#include "services/notifyd/AppConnector.h"

#include "AlarmInterface.h"
#include "platform/NotificationBus.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>

namespace {
// A started app that has not come onto the bus by then is taken to have failed.
constexpr qint64 kLaunchGraceMs = 60 * 1000;
const QString kAppBinaryName = QStringLiteral("tolvek-alarm");
} // namespace

AppConnector::AppConnector(const QDBusConnection &bus, const QString &appBinary, QObject *parent)
    : QObject(parent),
      bus_(bus),
      appBinary_(appBinary),
      app_(std::make_unique<OrgTolvekAlarmInterface>(NotificationBus::kAppName, NotificationBus::kAppPath, bus)),
      watcher_(NotificationBus::kAppName, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    // Followed by signal rather than asked at each delivery: asking costs a bus round trip.
    appOnBus_ = bus_.interface()->isServiceRegistered(NotificationBus::kAppName);
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] { appOnBus_ = false; });
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, &AppConnector::onAppRegistered);
}

AppConnector::~AppConnector() = default;

QString AppConnector::findAppBinary(const QString &configured, const QString &serviceBinaryDir)
{
    if (!configured.isEmpty())
        return configured;
    const QString sibling = serviceBinaryDir + QLatin1Char('/') + kAppBinaryName;
    if (QFileInfo(sibling).isExecutable())
        return sibling;
    return QStandardPaths::findExecutable(kAppBinaryName);
}

void AppConnector::deliver(const LocalNotification &n)
{
    if (appOnBus_) {
        sendDelivery(n);
    } else if (launchUnderWay()) {
        waitingDelivered_.append(n);
    } else {
        launch({QStringLiteral("--launch-notification"), NotificationBus::toWire(n)});
    }
}

void AppConnector::reportMissed(const LocalNotification &n)
{
    if (appOnBus_)
        sendMissed(n);
    else
        waitingMissed_.append(n);
}

void AppConnector::raise()
{
    if (appOnBus_)
        app_->Raise();
    else if (!launchUnderWay())
        launch({});
}

bool AppConnector::launchUnderWay() const
{
    return launchedPid_ > 0 && launchedAt_.isValid() && launchedAt_.elapsed() < kLaunchGraceMs
           && ::kill(pid_t(launchedPid_), 0) == 0;
}

void AppConnector::launch(const QStringList &arguments)
{
    if (appBinary_.isEmpty()) {
        qWarning("tolvek-notifyd: cannot start the app: no %s found (set --app-binary or TOLVEK_ALARM_BINARY)",
                 qPrintable(kAppBinaryName));
        return;
    }
    if (!QProcess::startDetached(appBinary_, arguments, QString(), &launchedPid_)) {
        qWarning().noquote() << "tolvek-notifyd: cannot start the app" << appBinary_;
        launchedPid_ = 0;
        return;
    }
    launchedAt_.start();
    qInfo().noquote() << "tolvek-notifyd: started" << appBinary_ << arguments.join(QLatin1Char(' '));
}

void AppConnector::sendDelivery(const LocalNotification &n)
{
    auto *call = new QDBusPendingCallWatcher(app_->DeliverNotification(NotificationBus::toWire(n)), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, n] {
        call->deleteLater();
        if (call->isError()) {
            // The app left the bus between the check and the call: start it afresh.
            qWarning().noquote() << "tolvek-notifyd: the app did not take the notification:" << call->error().message();
            launch({QStringLiteral("--launch-notification"), NotificationBus::toWire(n)});
            return;
        }
        app_->Raise();
    });
}

void AppConnector::sendMissed(const LocalNotification &n)
{
    auto *call = new QDBusPendingCallWatcher(app_->NotifyMissed(NotificationBus::toWire(n)), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, n] {
        call->deleteLater();
        if (call->isError())
            waitingMissed_.append(n); // told at the app's next start
    });
}

void AppConnector::onAppRegistered()
{
    appOnBus_ = true;
    launchedPid_ = 0;
    const LocalNotificationList delivered = std::exchange(waitingDelivered_, {});
    const LocalNotificationList missed = std::exchange(waitingMissed_, {});
    for (const LocalNotification &n : missed)
        sendMissed(n);
    for (const LocalNotification &n : delivered)
        sendDelivery(n);
}
