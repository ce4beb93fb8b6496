#include "menu/MenuScreen.h"

#include "menu/AppSideMenu.h"
#include "menu/FeedbackMail.h"
#include "menu/LinkOpener.h"
#include "menu/ProjectLinks.h"
#include "menu/ShareSheet.h"
#include "platform/AlertPresenter.h"
#include "ui/Pictures.h"
#include "ui/RatingPrompt.h"

namespace {
// The app's identity on the rating page.
constexpr quint32 kAppId = 556203718;
} // namespace

MenuScreen::MenuScreen(const QLocale &locale, QObject *parent) : ScreenController(parent), locale_(locale) { }

QStringList MenuScreen::entries() const { return {tr("Home"), tr("Skin"), tr("Share"), tr("More +")}; }

QStringList MenuScreen::entryNames() const { return {tr("Home"), tr("Skin"), tr("Share"), tr("More")}; }

QStringList MenuScreen::moreEntries() const
{
    return {QStringLiteral("        <"), tr("About"), tr("Rate Tolvek Alarm")};
}

QStringList MenuScreen::moreEntryNames() const { return {tr("Back"), tr("About"), tr("Rate")}; }

QString MenuScreen::logoUrl() const { return Pictures::url(QStringLiteral("menu-logo")); }

QString MenuScreen::feedbackPictureUrl() const { return Pictures::url(QStringLiteral("menu-feedback")); }

QString MenuScreen::creditLine() const { return tr("Made by the Tolvek team · %1").arg(ProjectLinks::kProjectPage); }

void MenuScreen::chooseEntry(int entry)
{
    switch (entry) {
    case Home:
        showContent(AppSideMenu::Home);
        break;
    case Skin:
        showContent(AppSideMenu::Skin);
        break;
    case Share:
        present(new ShareSheet(locale_), true);
        break;
    case More:
        setShowingMore(true);
        break;
    default:
        break;
    }
}

void MenuScreen::chooseMoreEntry(int entry)
{
    switch (entry) {
    case Back:
        setShowingMore(false);
        break;
    case About:
        showContent(AppSideMenu::About);
        break;
    case Rate: {
        RatingPrompt &rating = RatingPrompt::shared();
        rating.appStoreID = kAppId;
        if (!rating.openRatingsPage())
            sayWhatIsMissing(tr("Please make sure a web browser is set up."));
        break;
    }
    default:
        break;
    }
}

void MenuScreen::feedback()
{
    if (!LinkOpener::shared().open(FeedbackMail::address(FeedbackMail::current())))
        sayWhatIsMissing(tr("Please make sure your email account on the iPhone is set up."));
}

void MenuScreen::setShowingMore(bool more)
{
    if (more == showingMore_)
        return;
    showingMore_ = more;
    Q_EMIT showingMoreChanged();
}

void MenuScreen::showContent(int topLevel)
{
    if (auto *container = qobject_cast<AppSideMenu *>(sideMenu()))
        container->showTopLevel(AppSideMenu::TopLevel(topLevel));
}

void MenuScreen::sayWhatIsMissing(const QString &message)
{
    AlertPresenter::shared().presentAlert({tr("NOTICE"), message, {{tr("Dismiss"), AlertButton::Type::Cancel, {}}}});
}
