#include "menu/ShareSheet.h"

#include "menu/LinkOpener.h"
#include "menu/ProjectLinks.h"
#include "platform/AlertPresenter.h"

ShareSheet::ShareSheet(const QLocale &locale, QObject *parent)
    : ScreenController(parent),
      targets_(ShareTargets::forLocale(locale))
{ }

QStringList ShareSheet::entries() const
{
    QStringList titles;
    for (const ShareTargets::Target &target : targets_)
        titles << target.title;
    return titles;
}

ShareTargets::Content ShareSheet::content()
{
    return {tr("Share Topic"), tr("Share Slogan Short"), tr("Share Slogan Long"), QUrl(ProjectLinks::kProjectPage)};
}

void ShareSheet::choose(int index)
{
    if (index < 0 || index >= targets_.size())
        return;
    const ShareTargets::Kind kind = targets_.at(index).kind;
    close(true);
    if (LinkOpener::shared().open(ShareTargets::address(kind, content())))
        return;
    const QString message = kind == ShareTargets::Kind::Email
                                ? tr("Please make sure your email account on the iPhone is set up.")
                            : kind == ShareTargets::Kind::Message ? tr("Please make sure your Messages is set up.")
                                                                  : tr("Please make sure a web browser is set up.");
    AlertPresenter::shared().presentAlert({tr("NOTICE"), message, {{tr("Dismiss"), AlertButton::Type::Cancel, {}}}});
}

void ShareSheet::cancel() { close(true); }
