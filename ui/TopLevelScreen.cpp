#include "ui/TopLevelScreen.h"

#include "ui/SideMenu.h"

TopLevelScreen::TopLevelScreen(QObject *parent) : ScreenController(parent) { }

void TopLevelScreen::didLoad()
{
    if (navigationStack()) {
        setLeftBarButtonItem(kMenuPicture, [this] { showMenu(); }, tr("Menu"));
    } else {
        menuButtonFrame_ = QRectF(10, 10, 50, 50);
        Q_EMIT menuButtonChanged();
    }
}

void TopLevelScreen::showMenu()
{
    if (SideMenu *menu = sideMenu())
        menu->showMenu();
}
