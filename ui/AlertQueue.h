#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>

class AlertView;
Q_MOC_INCLUDE("ui/AlertView.h")

// The alerts waiting to be seen, front first. The alert layer of the window
// shows the front one; tests read the queue directly.
class AlertQueue : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(AlertView *current READ current NOTIFY currentChanged)
    Q_PROPERTY(int dropInMs READ dropInMs CONSTANT)
    Q_PROPERTY(int fallOutMs READ fallOutMs CONSTANT)
public:
    // The front alert drops in from the top and falls out at the bottom.
    static constexpr int kDropInMs = 400, kFallOutMs = 300;

    static AlertQueue &shared();
    static AlertQueue *create(QQmlEngine *, QJSEngine *);

    AlertView *current() const { return alerts_.isEmpty() ? nullptr : alerts_.first().data(); }
    int count() const { return int(alerts_.size()); }
    int dropInMs() const { return kDropInMs; }
    int fallOutMs() const { return kFallOutMs; }
    void enqueue(AlertView *alert);
    void remove(AlertView *alert);

Q_SIGNALS:
    void currentChanged();

private:
    AlertQueue() = default;
    QList<QPointer<AlertView>> alerts_;
};
