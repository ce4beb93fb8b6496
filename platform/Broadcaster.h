#pragma once
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <vector>

// The process-wide broadcaster. A broadcast is a name and an optional object;
// observers run on the main thread, in the order they subscribed. A broadcast
// posted from another thread is delivered later on the main thread.
class Broadcaster : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const QVariant &object)>;

    static Broadcaster &shared();

    // Subscribes `handler` to `name` for as long as `owner` lives (or until removed).
    void addObserver(QObject *owner, const QString &name, Handler handler);
    // Removes `owner`'s subscriptions to `name`, or all of them when `name` is empty.
    void removeObserver(QObject *owner, const QString &name = QString());
    void post(const QString &name, const QVariant &object = QVariant());

Q_SIGNALS:
    // Emitted after the observers ran; handy for tests and for logging.
    void posted(const QString &name, const QVariant &object);

private:
    struct Observer
    {
        quint64 id;
        QPointer<QObject> owner;
        QString name;
        Handler handler;
    };
    void deliver(const QString &name, const QVariant &object);

    QMutex mutex_;
    std::vector<Observer> observers_;
    quint64 nextId_ = 1;
};
