#include "menu/MoreScreen.h"

#include "menu/AboutScreen.h"
#include "menu/MenuScreen.h"
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
    if (!rate.openRatingsPage())
        MenuScreen::sayWhatIsMissing(MenuScreen::tr("Please make sure a web browser is set up."));
}
