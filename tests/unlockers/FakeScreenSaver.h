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
    QString lastApplication() const
    {
        QMutexLocker lock(&mutex_);
        return application_;
    }

public Q_SLOTS:
    uint Inhibit(const QString &application, const QString &)
    {
        QMutexLocker lock(&mutex_);
        application_ = application;
        active_.insert(++next_);
        return next_;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&mutex_);
        active_.remove(cookie);
    }
    bool publish()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-screensaver"));
        return bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this, QDBusConnection::ExportAllSlots)
            && bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
    }
    void unpublish()
    {
        QDBusConnection bus(QStringLiteral("fake-screensaver"));
        bus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    }

private:
    mutable QMutex mutex_;
    QSet<uint> active_;
    QString application_;
    uint next_ = 100;
};

class FakeScreenSaver
{
public:
    FakeScreenSaver()
    {
        service_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(&service_, &FakeScreenSaverService::publish, Qt::BlockingQueuedConnection,
                                  &published_);
    }
    ~FakeScreenSaver()
    {
        QMetaObject::invokeMethod(&service_, &FakeScreenSaverService::unpublish, Qt::BlockingQueuedConnection);
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
