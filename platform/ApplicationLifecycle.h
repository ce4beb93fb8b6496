#pragma once
#include "platform/StoredNames.h"
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

    static inline const QString DidBecomeActive = StoredNames::Broadcast::kDidBecomeActive;
    static inline const QString WillResignActive = StoredNames::Broadcast::kWillResignActive;
    static inline const QString DidEnterBackground = StoredNames::Broadcast::kDidEnterBackground;
    static inline const QString WillEnterForeground = StoredNames::Broadcast::kWillEnterForeground;
    static inline const QString WillTerminate = StoredNames::Broadcast::kWillTerminate;
    static inline const QString DidReceiveMemoryWarning = StoredNames::Broadcast::kDidReceiveMemoryWarning;

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
