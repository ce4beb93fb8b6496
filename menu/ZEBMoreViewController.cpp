#include "menu/ZEBMoreViewController.h"

#include "menu/ZEBAboutViewController.h"
#include "ui/IRate.h"
#include "ui/NavigationController.h"

ZEBMoreViewController::ZEBMoreViewController(QObject *parent) : ZEBRootViewController(parent) { }

void ZEBMoreViewController::viewDidLoad()
{
    ZEBRootViewController::viewDidLoad();
    setTitle(tr("More"));
    aboutUsTitle_ = tr("About");
    rateUsTitle_ = tr("Rate Tolvek Alarm");
    Q_EMIT textsChanged();
}

void ZEBMoreViewController::viewWillAppear(bool)
{
    if (NavigationController *navigation = navigationController())
        navigation->setNavigationBarHidden(false, false);
}

void ZEBMoreViewController::aboutUs()
{
    if (NavigationController *navigation = navigationController())
        navigation->pushViewController(new ZEBAboutViewController, true);
}

void ZEBMoreViewController::rateUs()
{
    IRate &rate = IRate::sharedInstance();
    rate.appStoreID = kAppStoreID;
    rate.openRatingsPageInAppStore();
}
