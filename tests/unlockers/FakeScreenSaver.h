#pragma once
// A stand-in for the desktop's screen saver on the test's session bus (this
// machine has no desktop). It answers in its own thread, so the app's
// blocking call from the main thread gets its reply.
#include <QDBusConnection>
#include <QMutex>
#include <QSet>
#include <QThread>

class FakeScreenSaverService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QSet<uint> activeCookies() const
    {
        QMutexLocker lock(&mutex_);
        return active_;
    }

public Q_SLOTS:
    uint Inhibit(const QString &, const QString &)
    {
        QMutexLocker lock(&mutex_);
        active_.insert(++next_);
        return next_;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&mutex_);
        active_.remove(cookie);
    }
    // On its own connection, so that its calls are answered in this thread.
    bool publish(bool on)
    {
        QDBusConnection bus
            = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-screensaver"));
        if (!on) {
            bus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
            bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
            return false;
        }
        return bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this, QDBusConnection::ExportAllSlots)
               && bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
    }

private:
    mutable QMutex mutex_;
    QSet<uint> active_;
    uint next_ = 100;
};

class FakeScreenSaver
{
public:
    FakeScreenSaver()
    {
        service_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &service_, [this] { return service_.publish(true); }, Qt::BlockingQueuedConnection, &published_);
    }
    ~FakeScreenSaver()
    {
        QMetaObject::invokeMethod(
            &service_, [this] { service_.publish(false); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool isPublished() const { return published_; }
    FakeScreenSaverService &service() { return service_; }

private:
    QThread thread_;
    FakeScreenSaverService service_;
    bool published_ = false;
};
