#pragma once
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSize>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/ScreenHost.h"

class SideMenu;
class NavigationStack;
class LifecycleDriver;
class AlertViewPresenter;

// The app's window: the phone's design space (320 x 568 points, or 320 x 480
// for the short screen) whose root is the side-menu container, above it the
// modal layer and the alert layer. Loading it installs the window's screen
// presenter and alert presenter for the core and drives the life cycle.
// The app's own window fits the screen (WindowPlacement) and remembers the
// size the user gives it; screenshots and tests keep the design size.
class AppWindow : public QObject, public ScreenHost
{
    Q_OBJECT
public:
    enum class Height { Tall, Short };
    enum class Sizing { Design, FitScreen };
    static constexpr QSize kTallPoints{320, 568};
    static constexpr QSize kShortPoints{320, 480};

    explicit AppWindow(Height height = Height::Tall, Sizing sizing = Sizing::Design, QObject *parent = nullptr);
    ~AppWindow() override;

    // Creates the window and its screens; false when the QML failed to load.
    bool load() { return loadWindow() && loadScreens(); }
    // The two halves of load(), so the window can be on screen while its
    // screens are built: the empty window first, then the root container.
    bool loadWindow();
    bool loadScreens();
    // Calls `then` (once, on this thread) when the window has drawn its next
    // frame, or after kFrameWaitMs when it draws none (hidden, or a platform
    // that never exposes it), so nothing waits on a frame that never comes.
    void afterNextFrame(QObject *context, const std::function<void()> &then);
    static constexpr int kFrameWaitMs = 250;
    // Shows the window. FitScreen: full screen on a phone (TOLVEK_FULLSCREEN=1, or a
    // screen narrower than it is tall; TOLVEK_FULLSCREEN=0 never), else fitted to the screen.
    void show();
    // Brings the window to the front, showing it as show() would when hidden.
    void raise();

    QQuickWindow *window() const override { return window_; }
    QQmlEngine &qmlEngine() override { return engine_; }
    SideMenu *rootScreen() const override;
    // The navigation stack holding the current top-level screen.
    NavigationStack *contentStack() const override;
    QSize points() const override { return height_ == Height::Tall ? kTallPoints : kShortPoints; }

private:
    void place();
    void refitToDecorations();
    void rememberSize();

    Height height_;
    Sizing sizing_;
    QSize placedSize_;     // the size place() chose; a different one is the user's
    QTimer rememberTimer_; // stores the size once a resize has settled
    // Declared before the engine, so the screens outlive the window showing them.
    std::unique_ptr<SideMenu> root_;
    QQmlApplicationEngine engine_; // owns the window
    QPointer<QQuickWindow> window_;
    std::unique_ptr<AlertViewPresenter> alertPresenter_;
    LifecycleDriver *lifecycle_ = nullptr;
};
