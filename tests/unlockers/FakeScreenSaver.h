#pragma once
// A stand-in for the desktop's screen saver on the test's session bus (this
// machine has no desktop). It lives and answers in its own thread, on its own
// connection, so the app's blocking call from the main thread gets its reply.
#include <QDBusConnection>
#include <QMutex>
#include <QSet>
#include <QThread>

class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    FakeScreenSaver()
    {
        moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            this,
            [this] {
                QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection);
                published_ = bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this,
                                                QDBusConnection::ExportAllSlots)
                             && bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
            },
            Qt::BlockingQueuedConnection);
    }
    ~FakeScreenSaver() override
    {
        QMetaObject::invokeMethod(
            this, [] { QDBusConnection::disconnectFromBus(kConnection); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool isPublished() const { return published_; }
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

private:
    static inline const QString kConnection = QStringLiteral("fake-screensaver");
    QThread thread_;
    mutable QMutex mutex_;
    QSet<uint> active_;
    uint next_ = 100;
    bool published_ = false;
};
