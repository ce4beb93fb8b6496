#pragma once
#include <QObject>
#include <functional>

// Puts a screen in front of everything (the modal layer). The window layer
// installs the real one; without a window nothing can be presented and the
// caller is told so.
class ScreenPresenter
{
public:
    virtual ~ScreenPresenter() = default;
    // Takes ownership of `screen`; runs `completion` once it is shown.
    virtual void presentModal(QObject *screen, bool animated, std::function<void()> completion) = 0;

    static ScreenPresenter *shared();
    static void setShared(ScreenPresenter *presenter);
};
