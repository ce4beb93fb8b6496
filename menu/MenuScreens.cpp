#include "menu/MenuScreens.h"

#include "app/ScreenRegistry.h"
#include "menu/AboutScreen.h"
#include "menu/AppSideMenu.h"
#include "menu/LinkOpener.h"
#include "menu/MenuScreen.h"
#include "menu/MoreScreen.h"
#include "menu/ShareSheet.h"
#include "ui/RatingPrompt.h"
#include "ui/SideMenu.h"
#include "ui/QmlScreens.h"
#include "ui/ScreenHost.h"
#include "ui/ScreenshotCatalog.h"

extern void qml_register_types_Tolvek_Menu();

void registerMenuScreens()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Menu();
    QmlScreens::registerScreen<AboutScreen>(QStringLiteral("AboutScreen"));
    QmlScreens::registerScreen<MoreScreen>(QStringLiteral("MoreScreen"));
    QmlScreens::registerScreen<MenuScreen>(QStringLiteral("MenuScreen"));
    QmlScreens::registerScreen<ShareSheet>(QStringLiteral("ShareSheet"));
    RatingPrompt::shared().setUrlOpener([](const QUrl &url) { return LinkOpener::shared().open(url); });
    ScreenRegistry::shared().registerScreen(QStringLiteral("AppSideMenu"), [](const AlarmPtr &, bool) {
        auto *root = new AppSideMenu;
        root->build();
        return root;
    });
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("about"), ScreenshotCatalog::topLevelScreen(QStringLiteral("AboutScreen")));
    catalog.add(QStringLiteral("more"), ScreenshotCatalog::topLevelScreen(QStringLiteral("MoreScreen")));
    catalog.add(QStringLiteral("menu-more"),
                {[](ScreenHost &window) {
                     window.rootScreen()->showMenu();
                     if (auto *menu = qobject_cast<MenuScreen *>(window.rootScreen()->menuScreen()))
                         menu->chooseEntry(MenuScreen::More);
                 },
                 {},
                 {},
                 {}});
    catalog.add(QStringLiteral("share"),
                {[](ScreenHost &window) {
                     window.rootScreen()->showMenu();
                     if (auto *menu = qobject_cast<MenuScreen *>(window.rootScreen()->menuScreen()))
                         menu->chooseEntry(MenuScreen::Share);
                 },
                 {},
                 {},
                 {}});
}
