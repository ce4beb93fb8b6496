#pragma once
#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>

// Reports the moments after which pending notifications need another look:
// the machine resumed from suspend (logind's PrepareForSleep on the system bus,
// when there is one) and the local time zone changed (the zone link, normally
// /etc/localtime, was replaced or rewritten).
class SystemChangeMonitor : public QObject
{
    Q_OBJECT
public:
    explicit SystemChangeMonitor(const QString &zoneLinkPath = QStringLiteral("/etc/localtime"),
                                 QObject *parent = nullptr);

    bool watchesSuspend() const { return watchesSuspend_; }

Q_SIGNALS:
    void resumed();
    void timeZoneChanged();

private Q_SLOTS:
    void onPrepareForSleep(bool goingToSleep);

private:
    void onZoneDirectoryChanged();
    QByteArray zoneSignature() const;

    QString zoneLinkPath_;
    QByteArray zoneSignature_;
    QFileSystemWatcher watcher_;
    bool watchesSuspend_ = false;
};
