#pragma once
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSize>
#include <memory>

#include "ui/ScreenHost.h"

class SideMenu;
class NavigationStack;
class LifecycleDriver;
class AlertViewPresenter;

// The app's window: a phone-sized window (320 x 568 points, or 320 x 480 for
// the short screen) whose root is the side-menu container, above it the
// modal layer and the alert layer. Loading it installs the window's screen
// presenter and alert presenter for the core and drives the life cycle.
class AppWindow : public QObject, public ScreenHost
{
    Q_OBJECT
public:
    enum class Height { Tall, Short };
    static constexpr QSize kTallPoints{320, 568};
    static constexpr QSize kShortPoints{320, 480};

    explicit AppWindow(Height height = Height::Tall, QObject *parent = nullptr);
    ~AppWindow() override;

    // Creates the root container and the window; false when the QML failed to load.
    bool load();
    // Shows the window: full-screen when TOLVEK_FULLSCREEN=1 (phones), else phone-sized.
    void show();

    QQuickWindow *window() const override { return window_; }
    QQmlEngine &qmlEngine() override { return engine_; }
    SideMenu *rootScreen() const override;
    // The navigation stack holding the current top-level screen.
    NavigationStack *contentStack() const override;
    QSize points() const override { return height_ == Height::Tall ? kTallPoints : kShortPoints; }

private:
    Height height_;
    // Declared before the engine, so the screens outlive the window showing them.
    std::unique_ptr<SideMenu> root_;
    QQmlApplicationEngine engine_; // owns the window
    QPointer<QQuickWindow> window_;
    std::unique_ptr<AlertViewPresenter> alertPresenter_;
    LifecycleDriver *lifecycle_ = nullptr;
};
