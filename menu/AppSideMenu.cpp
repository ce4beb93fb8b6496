#include "menu/AppSideMenu.h"

#include "menu/RootScreenFactory.h"
#include "ui/NavigationStack.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

AppSideMenu::AppSideMenu(QObject *parent) : SideMenu(parent) { }

void AppSideMenu::build()
{
    auto stackOf = [this](const QString &identifier) {
        ScreenController *screen = RootScreenFactory::create(identifier);
        if (!screen)
            return QList<ScreenController *>{};
        screen->setParent(this); // kept for the whole run, whichever stack shows it
        return QList<ScreenController *>{screen};
    };
    homeStack_ = stackOf(QStringLiteral("firstController"));
    skinStack_ = stackOf(QStringLiteral("secondController"));
    aboutStack_ = stackOf(QStringLiteral("thirdController"));

    auto *content = qobject_cast<NavigationStack *>(
        RootScreenFactory::create(QStringLiteral("contentController")));
    // The home screen is the first content; until it is built in, the about screen stands in.
    content->setScreens(!homeStack_.isEmpty() ? homeStack_ : aboutStack_, false);
    setContentScreen(content);
    setMenuScreen(RootScreenFactory::create(QStringLiteral("menuController")));
    setBackgroundImage(Pictures::backgroundName(QStringLiteral("menu-bg.jpg"), ScreenMetrics::shared().isTall()));
}
