#include "ui/TopLevelScreen.h"

#include "ui/SideMenu.h"

TopLevelScreen::TopLevelScreen(QObject *parent) : ScreenController(parent) { }

// Its containers are all in place once it comes on screen.
void TopLevelScreen::willAppear(bool) { followMenu(); }

bool TopLevelScreen::isMenuOpen() const
{
    const SideMenu *menu = sideMenu();
    return menu && menu->isMenuVisible();
}

void TopLevelScreen::followMenu()
{
    disconnect(menuFollowed_);
    if (SideMenu *menu = sideMenu()) {
        menuFollowed_ = connect(menu, &SideMenu::menuVisibleChanged, this, [this] {
            if (navigationStack())
                setLeftBarButtonPanelOpen(isMenuOpen());
            Q_EMIT menuOpenChanged();
        });
    }
    if (navigationStack())
        setLeftBarButtonPanelOpen(isMenuOpen());
    Q_EMIT menuOpenChanged();
}

void TopLevelScreen::didLoad()
{
    if (navigationStack()) {
        setLeftBarButtonItem(
            kMenuPicture, [this] { showMenu(); }, menuButtonTitle());
        setLeftBarButtonPanelOpen(isMenuOpen());
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
