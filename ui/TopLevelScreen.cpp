#include "ui/TopLevelScreen.h"

#include "ui/SideMenu.h"

TopLevelScreen::TopLevelScreen(QObject *parent) : ScreenController(parent) { }

void TopLevelScreen::didLoad()
{
    if (navigationStack()) {
        setLeftBarButtonItem(kMenuPicture, [this] { showMenu(); }, menuButtonTitle());
    } else {
        hasMenuCornerButton_ = true;
        Q_EMIT menuButtonChanged();
    }
}

void TopLevelScreen::showMenu()
{
    if (SideMenu *menu = sideMenu())
        menu->showMenu();
}
