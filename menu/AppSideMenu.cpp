#include "menu/AppSideMenu.h"

#include "app/ScreenRegistry.h"
#include "ui/NavigationStack.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

AppSideMenu::AppSideMenu(QObject *parent) : SideMenu(parent) { }

void AppSideMenu::build()
{
    auto make = [](const QString &className) {
        return qobject_cast<ScreenController *>(ScreenRegistry::shared().create(className, nullptr, false));
    };
    auto stackOf = [this, &make](const QString &className) {
        ScreenController *screen = make(className);
        if (!screen)
            return QList<ScreenController *>{};
        screen->setParent(this); // kept for the whole run, whichever stack shows it
        return QList<ScreenController *>{screen};
    };
    homeStack_ = stackOf(QStringLiteral("HomeScreen"));
    skinStack_ = stackOf(QStringLiteral("SkinManagerScreen"));
    aboutStack_ = stackOf(QStringLiteral("AboutScreen"));

    auto *content = new NavigationStack(this);
    // The home screen is the first content; until it is built in, the about screen stands in.
    content->setScreens(!homeStack_.isEmpty() ? homeStack_ : aboutStack_, false);
    setContentScreen(content);
    setMenuScreen(make(QStringLiteral("MenuScreen")));
    setBackgroundImage(Pictures::backgroundName(QStringLiteral("menu-bg.jpg"), ScreenMetrics::shared().isTall()));
}

void AppSideMenu::showTopLevel(TopLevel screen)
{
    const QList<ScreenController *> &stack = screen == Home ? homeStack_ : screen == Skin ? skinStack_ : aboutStack_;
    auto *content = qobject_cast<NavigationStack *>(contentScreen());
    if (!stack.isEmpty() && content)
        content->setScreens(stack, false);
    hideMenu();
}
