#include "menu/ZEBSideMenuRootViewController.h"

#include "menu/MainStoryboard.h"
#include "ui/NavigationController.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

ZEBSideMenuRootViewController::ZEBSideMenuRootViewController(QObject *parent) : RESideMenu(parent) { }

void ZEBSideMenuRootViewController::awakeFromNib()
{
    auto stackOf = [this](const QString &identifier) {
        ViewController *screen = MainStoryboard::instantiateViewControllerWithIdentifier(identifier);
        if (!screen)
            return QList<ViewController *>{};
        screen->setParent(this); // kept for the whole run, whichever stack shows it
        return QList<ViewController *>{screen};
    };
    firstControllers_ = stackOf(QStringLiteral("firstController"));
    secondControllers_ = stackOf(QStringLiteral("secondController"));
    thirdControllers_ = stackOf(QStringLiteral("thirdController"));

    auto *content = qobject_cast<NavigationController *>(
        MainStoryboard::instantiateViewControllerWithIdentifier(QStringLiteral("contentController")));
    // The home screen is the first content; until it is built in, the about screen stands in.
    content->setViewControllers(!firstControllers_.isEmpty() ? firstControllers_ : thirdControllers_, false);
    setContentViewController(content);
    setMenuViewController(MainStoryboard::instantiateViewControllerWithIdentifier(QStringLiteral("menuController")));
    setBackgroundImage(Pictures::backgroundName(QStringLiteral("menu-bg.jpg"), ScreenMetrics::shared().isTall()));
}
