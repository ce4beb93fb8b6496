#include "editor/PushedScreen.h"

#include "ui/NavigationStack.h"

void PushedScreen::leave()
{
    if (NavigationStack *navigation = navigationStack())
        navigation->pop(true);
    else
        close(true);
}

void PushedScreen::open(ScreenController *screen)
{
    if (NavigationStack *navigation = navigationStack())
        navigation->push(screen, true);
    else
        present(screen, true);
}

void PushedScreen::willAppear(bool animated)
{
    if (NavigationStack *navigation = navigationStack()) {
        stackBarWasHidden_ = navigation->isNavigationBarHidden();
        navigation->setNavigationBarHidden(true, animated);
    }
}

void PushedScreen::willDisappear(bool animated)
{
    if (NavigationStack *navigation = navigationStack())
        navigation->setNavigationBarHidden(stackBarWasHidden_, animated);
}
