#include "platform/Broadcaster.h"

#include <QCoreApplication>
#include <QThread>

Broadcaster &Broadcaster::shared()
{
    static Broadcaster *center = new Broadcaster;
    return *center;
}

void Broadcaster::addObserver(QObject *owner, const QString &name, Handler handler)
{
    QMutexLocker lock(&mutex_);
    observers_.push_back({nextId_++, owner, name, std::move(handler)});
}

void Broadcaster::removeObserver(QObject *owner, const QString &name)
{
    QMutexLocker lock(&mutex_);
    std::erase_if(observers_, [&](const Observer &o) {
        return o.owner.isNull() || (o.owner == owner && (name.isEmpty() || o.name == name));
    });
}

void Broadcaster::post(const QString &name, const QVariant &object)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(
            app, [this, name, object] { deliver(name, object); }, Qt::QueuedConnection);
        return;
    }
    deliver(name, object);
}

void Broadcaster::deliver(const QString &name, const QVariant &object)
{
    std::vector<quint64> ids;
    {
        QMutexLocker lock(&mutex_);
        for (const Observer &o : observers_)
            if (o.name == name && !o.owner.isNull())
                ids.push_back(o.id);
    }
    // Each handler is looked up again before it runs: an earlier handler may
    // have removed it.
    for (quint64 id : ids) {
        Handler handler;
        {
            QMutexLocker lock(&mutex_);
            auto it
                = std::find_if(observers_.begin(), observers_.end(), [id](const Observer &o) { return o.id == id; });
            if (it == observers_.end() || it->owner.isNull())
                continue;
            handler = it->handler;
        }
        handler(object);
    }
    Q_EMIT posted(name, object);
}
