#include "menu/MoreScreen.h"

#include "menu/AboutScreen.h"
#include "ui/RatingPrompt.h"
#include "ui/NavigationStack.h"

MoreScreen::MoreScreen(QObject *parent) : TopLevelScreen(parent) { }

void MoreScreen::didLoad()
{
    TopLevelScreen::didLoad();
    setTitle(tr("More"));
    aboutUsTitle_ = tr("About");
    rateUsTitle_ = tr("Rate Tolvek Alarm");
    Q_EMIT textsChanged();
}

void MoreScreen::willAppear(bool animated)
{
    TopLevelScreen::willAppear(animated);
    if (NavigationStack *navigation = navigationStack())
        navigation->setNavigationBarHidden(false, false);
}

void MoreScreen::aboutUs()
{
    if (NavigationStack *navigation = navigationStack())
        navigation->push(new AboutScreen, true);
}

void MoreScreen::rateUs()
{
    RatingPrompt &rate = RatingPrompt::shared();
    rate.appStoreID = kAppStoreID;
    rate.openRatingsPage();
}
