#include "menu/MenuScreens.h"

#include "menu/ZEBAboutViewController.h"
#include "menu/ZEBMoreViewController.h"
#include "menu/ZEBSideMenuRootViewController.h"
#include "ui/QmlScreens.h"

void registerMenuScreens()
{
    QmlScreens::registerScreen<ZEBAboutViewController>(QStringLiteral("ZEBAboutViewController"));
    QmlScreens::registerScreen<ZEBMoreViewController>(QStringLiteral("ZEBMoreViewController"));
    ScreenRegistry::shared().registerScreen(QStringLiteral("ZEBSideMenuRootViewController"),
                                            [](const ZEBAlarmClockPtr &, bool) {
                                                auto *root = new ZEBSideMenuRootViewController;
                                                root->awakeFromNib();
                                                return root;
                                            });
}
