#pragma once
#include <QObject>
#include <QString>

// The application's life cycle: active, inactive, background. The window layer
// (or a test) reports transitions; each one is posted on the default
// notification centre under the platform broadcast names and emitted as a
// signal for the application delegate.
class ApplicationLifecycle : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Active, Background };
    Q_ENUM(State)

    static inline const QString DidBecomeActive = QStringLiteral("UIApplicationDidBecomeActiveNotification");
    static inline const QString WillResignActive = QStringLiteral("UIApplicationWillResignActiveNotification");
    static inline const QString DidEnterBackground = QStringLiteral("UIApplicationDidEnterBackgroundNotification");
    static inline const QString WillEnterForeground = QStringLiteral("UIApplicationWillEnterForegroundNotification");
    static inline const QString WillTerminate = QStringLiteral("UIApplicationWillTerminateNotification");
    static inline const QString DidReceiveMemoryWarning
        = QStringLiteral("UIApplicationDidReceiveMemoryWarningNotification");

    static ApplicationLifecycle &shared();
    State state() const { return state_; }

    // Moves to the state, passing through the steps in between
    // (background -> foreground -> active; active -> resign -> background).
    void becomeActive();
    void enterBackground();
    void terminate();
    void memoryWarning();

Q_SIGNALS:
    void willEnterForeground();
    void didBecomeActive();
    void willResignActive();
    void didEnterBackground();
    void willTerminate();
    void didReceiveMemoryWarning();

private:
    State state_ = State::Inactive;
    bool terminated_ = false;
};
