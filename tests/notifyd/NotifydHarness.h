#pragma once
#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

// A private session bus (its own dbus-daemon, with a folder for activation
// files) and the notification service running on it as a real process.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    bool isValid() const { return bus_.isConnected(); }
    QString address() const { return address_; }
    QDBusConnection connection() const { return bus_; }
    // A second, independent client connection (another "process" as the bus sees it).
    QDBusConnection newConnection(const QString &name) const;
    QString serviceDirectory() const { return dir_.path() + QStringLiteral("/services"); }
    // Makes the notification service activatable on this bus (reloads the bus config).
    bool installActivationFile(const QString &serviceBinary, const QProcessEnvironment &env);
    bool hasOwner(const QString &name) const;
    bool waitForOwner(const QString &name, bool present, int timeoutMs = 5000) const;

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    QDBusConnection bus_{QString()};
};

class ServiceProcess
{
public:
    ServiceProcess(const PrivateBus &bus, const QProcessEnvironment &env);
    ~ServiceProcess();
    // Starts tolvek-notifyd (through `wrapper`, a command line it is appended to,
    // when given) and waits until it owns its name.
    bool start(const QStringList &wrapper = {});
    void killHard(); // SIGKILL, as a crash would
    QProcess &process() { return process_; }
    QByteArray output() const { return output_; }
    void readOutput();

    static QString binary();

private:
    const PrivateBus &bus_;
    QProcess process_;
    QByteArray output_;
};

// The test environment a service (or an app it starts) needs on `bus`.
QProcessEnvironment serviceEnvironment(const PrivateBus &bus);
