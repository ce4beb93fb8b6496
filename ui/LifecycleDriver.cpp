#include "ui/LifecycleDriver.h"

#include "platform/ApplicationLifecycle.h"

#include <QGuiApplication>

LifecycleDriver::LifecycleDriver(QWindow *window, QObject *parent) : QObject(parent), window_(window)
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &LifecycleDriver::update);
    connect(window, &QWindow::visibilityChanged, this, &LifecycleDriver::update);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [] { ApplicationLifecycle::shared().terminate(); });
}

void LifecycleDriver::update()
{
    const auto visibility = window_->visibility();
    const bool away = visibility == QWindow::Hidden || visibility == QWindow::Minimized
                      || QGuiApplication::applicationState() == Qt::ApplicationSuspended
                      || QGuiApplication::applicationState() == Qt::ApplicationHidden;
    if (away)
        ApplicationLifecycle::shared().enterBackground();
    else if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        ApplicationLifecycle::shared().becomeActive();
}
