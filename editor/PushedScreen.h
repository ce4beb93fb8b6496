#pragma once
#include "ui/ScreenController.h"

// A screen of the alarm editor: pushed onto the navigation stack of the screen
// that opens it, it draws its own top bar (so the stack's bar is hidden while
// it is on top, and put back as it was when it leaves) and leaves by popping
// itself. Presented on its own (no stack), it leaves by closing.
class PushedScreen : public ScreenController
{
    Q_OBJECT
public:
    using ScreenController::ScreenController;

    // Goes back to the screen below, animated.
    void leave();
    // Shows `screen` above this one: pushed onto the same stack, or presented.
    void open(ScreenController *screen);

protected:
    void willAppear(bool animated) override;
    void willDisappear(bool animated) override;

private:
    bool stackBarWasHidden_ = false;
};
