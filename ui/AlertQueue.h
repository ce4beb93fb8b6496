#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>

class SIAlertView;
Q_MOC_INCLUDE("ui/SIAlertView.h")

// The alerts waiting to be seen, front first. The alert layer of the window
// shows the front one; tests read the queue directly.
class AlertQueue : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(SIAlertView *current READ current NOTIFY currentChanged)
public:
    static AlertQueue &shared();
    static AlertQueue *create(QQmlEngine *, QJSEngine *);

    SIAlertView *current() const { return alerts_.isEmpty() ? nullptr : alerts_.first().data(); }
    int count() const { return int(alerts_.size()); }
    void enqueue(SIAlertView *alert);
    void remove(SIAlertView *alert);

Q_SIGNALS:
    void currentChanged();

private:
    AlertQueue() = default;
    QList<QPointer<SIAlertView>> alerts_;
};
