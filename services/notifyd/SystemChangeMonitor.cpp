#include "services/notifyd/SystemChangeMonitor.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QFile>
#include <QFileInfo>
#include <ctime>

SystemChangeMonitor::SystemChangeMonitor(const QString &zoneLinkPath, QObject *parent)
    : QObject(parent),
      zoneLinkPath_(zoneLinkPath)
{
    QDBusConnection system = QDBusConnection::systemBus();
    watchesSuspend_
        = system.isConnected()
          && system.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                            SLOT(onPrepareForSleep(bool)));
    if (!watchesSuspend_)
        qInfo("tolvek-notifyd: no system bus; a resume is noticed when the real-time clock timer fires");

    // The link itself is replaced when the zone changes, so watch the folder that holds it.
    zoneSignature_ = zoneSignature();
    watcher_.addPath(QFileInfo(zoneLinkPath_).absolutePath());
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SystemChangeMonitor::onZoneDirectoryChanged);
}

void SystemChangeMonitor::onPrepareForSleep(bool goingToSleep)
{
    if (!goingToSleep)
        Q_EMIT resumed();
}

void SystemChangeMonitor::onZoneDirectoryChanged()
{
    const QByteArray signature = zoneSignature();
    if (signature == zoneSignature_)
        return;
    zoneSignature_ = signature;
    tzset(); // the C library caches the zone; local times must follow the new one
    Q_EMIT timeZoneChanged();
}

QByteArray SystemChangeMonitor::zoneSignature() const
{
    // Where the link points and what the zone file holds: either changes with the zone.
    QFile file(zoneLinkPath_);
    QByteArray signature = QFileInfo(zoneLinkPath_).symLinkTarget().toUtf8();
    if (file.open(QIODevice::ReadOnly))
        signature += QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    return signature;
}
