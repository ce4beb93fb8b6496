#include "menu/MenuScreens.h"

#include "menu/AboutScreen.h"
#include "menu/MoreScreen.h"
#include "menu/AppSideMenu.h"
#include "ui/QmlScreens.h"

void registerMenuScreens()
{
    QmlScreens::registerScreen<AboutScreen>(QStringLiteral("AboutScreen"));
    QmlScreens::registerScreen<MoreScreen>(QStringLiteral("MoreScreen"));
    ScreenRegistry::shared().registerScreen(QStringLiteral("AppSideMenu"),
                                            [](const AlarmPtr &, bool) {
                                                auto *root = new AppSideMenu;
                                                root->build();
                                                return root;
                                            });
}
