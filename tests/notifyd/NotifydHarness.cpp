#include "NotifydHarness.h"

#include "platform/NotificationBus.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QTest>
#include <QUuid>

namespace {
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

PrivateBus::PrivateBus()
{
    QDir().mkpath(serviceDirectory());
    const QString config = dir_.path() + QStringLiteral("/session.conf");
    writeFile(config, QStringLiteral("<busconfig><type>session</type><listen>unix:tmpdir=%1</listen>"
                                     "<servicedir>%2</servicedir>"
                                     "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                          .arg(dir_.path(), serviceDirectory())
                          .toUtf8());
    daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(5000) || !QTest::qWaitFor([this] { return daemon_.canReadLine(); }, 5000))
        return;
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    bus_ = newConnection(QStringLiteral("tolvek-test-main"));
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(bus_.name());
    daemon_.terminate();
    daemon_.waitForFinished(2000);
}

QDBusConnection PrivateBus::newConnection(const QString &name) const
{
    return QDBusConnection::connectToBus(address_, name + QUuid::createUuid().toString(QUuid::Id128));
}

bool PrivateBus::installActivationFile(const QString &serviceBinary, const QProcessEnvironment &env)
{
    // dbus-daemon starts services with its own environment; pass the test's through a wrapper.
    const QString wrapper = serviceDirectory() + QStringLiteral("/start-notifyd.sh");
    QByteArray text = "#!/bin/sh\n";
    for (const QString &key : env.keys())
        text += "export " + key.toUtf8() + "='" + env.value(key).toUtf8() + "'\n";
    text += "exec '" + serviceBinary.toUtf8() + "' \"$@\"\n";
    const QString service
        = serviceDirectory() + QLatin1Char('/') + NotificationBus::kServiceName + QStringLiteral(".service");
    if (!writeFile(wrapper, text)
        || !QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
        || !writeFile(
            service,
            QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2\n").arg(NotificationBus::kServiceName, wrapper).toUtf8()))
        return false;
    const QDBusMessage reload = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReloadConfig"));
    return bus_.call(reload).type() == QDBusMessage::ReplyMessage;
}

bool PrivateBus::hasOwner(const QString &name) const { return bus_.interface()->isServiceRegistered(name); }

bool PrivateBus::waitForOwner(const QString &name, bool present, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return hasOwner(name) == present; }, timeoutMs);
}

QProcessEnvironment serviceEnvironment(const PrivateBus &bus)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    // No system bus for the service under test: resume detection stays off.
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent"));
    return env;
}

ServiceProcess::ServiceProcess(const PrivateBus &bus, const QProcessEnvironment &env) : bus_(bus)
{
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

ServiceProcess::~ServiceProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            killHard();
    }
}

QString ServiceProcess::binary() { return QStringLiteral(TOLVEK_NOTIFYD_BINARY); }

bool ServiceProcess::start(const QStringList &wrapper)
{
    if (wrapper.isEmpty())
        process_.start(binary(), {});
    else
        process_.start(wrapper.first(), wrapper.mid(1) + QStringList{binary()});
    const auto ownsOrEnded
        = [this] { return bus_.hasOwner(NotificationBus::kServiceName) || process_.state() == QProcess::NotRunning; };
    return process_.waitForStarted(5000) && QTest::qWaitFor(ownsOrEnded, 10000)
           && bus_.hasOwner(NotificationBus::kServiceName);
}

void ServiceProcess::killHard()
{
    process_.kill();
    process_.waitForFinished(3000);
    readOutput();
}

void ServiceProcess::readOutput() { output_ += process_.readAll(); }
