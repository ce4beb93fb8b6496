#include "platform/ApplicationLifecycle.h"

#include "platform/Broadcaster.h"

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
        Broadcaster::shared().post(WillEnterForeground);
    }
    state_ = State::Active;
    Q_EMIT didBecomeActive();
    Broadcaster::shared().post(DidBecomeActive);
}

void ApplicationLifecycle::enterBackground()
{
    if (state_ == State::Background)
        return;
    if (state_ == State::Active) {
        state_ = State::Inactive;
        Q_EMIT willResignActive();
        Broadcaster::shared().post(WillResignActive);
    }
    state_ = State::Background;
    Q_EMIT didEnterBackground();
    Broadcaster::shared().post(DidEnterBackground);
}

void ApplicationLifecycle::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    Q_EMIT willTerminate();
    Broadcaster::shared().post(WillTerminate);
}

void ApplicationLifecycle::memoryWarning()
{
    Q_EMIT didReceiveMemoryWarning();
    Broadcaster::shared().post(DidReceiveMemoryWarning);
}
