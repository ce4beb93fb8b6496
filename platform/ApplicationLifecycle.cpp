#include "platform/ApplicationLifecycle.h"

#include "platform/NotificationCenter.h"

ApplicationLifecycle &ApplicationLifecycle::shared()
{
    static ApplicationLifecycle *lifecycle = new ApplicationLifecycle;
    return *lifecycle;
}

void ApplicationLifecycle::becomeActive()
{
    if (state_ == State::Active)
        return;
    if (state_ == State::Background) {
        state_ = State::Inactive;
        Q_EMIT willEnterForeground();
        NotificationCenter::defaultCenter().post(WillEnterForeground);
    }
    state_ = State::Active;
    Q_EMIT didBecomeActive();
    NotificationCenter::defaultCenter().post(DidBecomeActive);
}

void ApplicationLifecycle::enterBackground()
{
    if (state_ == State::Background)
        return;
    if (state_ == State::Active) {
        state_ = State::Inactive;
        Q_EMIT willResignActive();
        NotificationCenter::defaultCenter().post(WillResignActive);
    }
    state_ = State::Background;
    Q_EMIT didEnterBackground();
    NotificationCenter::defaultCenter().post(DidEnterBackground);
}

void ApplicationLifecycle::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    Q_EMIT willTerminate();
    NotificationCenter::defaultCenter().post(WillTerminate);
}

void ApplicationLifecycle::memoryWarning()
{
    Q_EMIT didReceiveMemoryWarning();
    NotificationCenter::defaultCenter().post(DidReceiveMemoryWarning);
}
