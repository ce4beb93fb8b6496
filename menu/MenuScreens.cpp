#include "menu/MenuScreens.h"

#include "app/ScreenRegistry.h"
#include "menu/AboutScreen.h"
#include "menu/AppSideMenu.h"
#include "menu/MoreScreen.h"
#include "ui/QmlScreens.h"
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
    ScreenRegistry::shared().registerScreen(QStringLiteral("AppSideMenu"), [](const AlarmPtr &, bool) {
        auto *root = new AppSideMenu;
        root->build();
        return root;
    });
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("about"), ScreenshotCatalog::topLevelScreen(QStringLiteral("AboutScreen")));
    catalog.add(QStringLiteral("more"), ScreenshotCatalog::topLevelScreen(QStringLiteral("MoreScreen")));
}
