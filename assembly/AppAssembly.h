#pragma once
#include "app/AlarmBusEndpoint.h"
#include "app/AppCore.h"
#include "app/LaunchArguments.h"
#include "platform/NotificationSchedulerSetup.h"

#include <QObject>

class AppWindow;
class WeatherFetcher;

// The one place that puts the application together: the notification
// scheduler (the service, or this process), the bus endpoint, the app core
// with its first-run defaults and ring dispatch, the weather fetch, every
// screen library and the window. main() and the end-to-end tests both run it.
class AppAssembly : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        // Ask the notification service on the session bus; false: this process delivers.
        bool useNotificationService = true;
        // Take the app's name on the session bus (one running copy per session).
        bool busEndpoint = true;
        bool fetchWeather = true;
        bool window = true;
        // Put the empty window on screen first and build the rest once it has
        // drawn: start() then returns before launched() (the app's own start).
        bool windowFirst = false;
    };

    explicit AppAssembly(const LaunchArguments &launch, Options options, QObject *parent = nullptr);
    explicit AppAssembly(const LaunchArguments &launch, QObject *parent = nullptr)
        : AppAssembly(launch, Options(), parent)
    { }
    ~AppAssembly() override;

    // Builds and launches everything. False when another running copy took the
    // launch over (its window was raised and the notification handed to it):
    // this process then has nothing to do. Emits launched() when done.
    bool start();

    AppCore &core() { return core_; }
    // Null without screens, or before start().
    AppWindow *window() const { return window_; }
    const NotificationSchedulerSetup &scheduler() const { return scheduler_; }

    // Makes every screen library's screens known. Repeat calls do nothing.
    static void registerScreens();

Q_SIGNALS:
    // Everything is built and launched; a copy that handed the launch over
    // after its window showed quits instead.
    void launched();

private:
    bool launch();
    void startWeather();
    bool handOverToRunningApp() const;
    void raiseWindow();

    LaunchArguments launch_;
    Options options_;
    NotificationSchedulerSetup scheduler_;
    AlarmBusEndpoint endpoint_;
    AppCore core_;
    WeatherFetcher *weather_ = nullptr; // children of this object, when built
    AppWindow *window_ = nullptr;
};
