#pragma once
#include <QObject>
#include <QWindow>

// Reports the application's life cycle from what the windowing system says:
// the application state and the window being minimised or hidden.
class LifecycleDriver : public QObject
{
    Q_OBJECT
public:
    explicit LifecycleDriver(QWindow *window, QObject *parent = nullptr);

private:
    void update();
    QWindow *window_;
};
