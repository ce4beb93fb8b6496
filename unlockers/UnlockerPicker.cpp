#include "unlockers/UnlockerPicker.h"

#include "ui/Pictures.h"

#include <cmath>

UnlockerPicker::UnlockerPicker(QObject *parent)
    : ScreenController(parent),
      useLabelText_(tr("Use")),
      gameLevel_(new LevelMarks(this))
{ }

void UnlockerPicker::setUnlockers(const QList<UnlockerPtr> &unlockers)
{
    unlockers_.clear();
    for (const UnlockerPtr &unlocker : unlockers)
        if (unlocker)
            unlockers_.append(unlocker->copy());
    Q_EMIT unlockersChanged();
    if (unlockers_.isEmpty())
        return;
    currentPage_ = 0;
    showUnlocker(0);
}

QStringList UnlockerPicker::illustrationUrls() const
{
    QStringList urls;
    for (const UnlockerPtr &unlocker : unlockers_)
        urls.append(Pictures::url(unlocker->illustration));
    return urls;
}

QStringList UnlockerPicker::pageNames() const
{
    QStringList names;
    for (const UnlockerPtr &unlocker : unlockers_)
        names.append(tr("Unlocker: %1").arg(unlocker->title));
    return names;
}

void UnlockerPicker::showUnlocker(int index)
{
    const UnlockerPtr &unlocker = unlockers_.at(index);
    titleText_ = unlocker->title;
    subtitleText_ = unlocker->subtitle;
    gameLevel_->setLevel(unlocker->gameLevel);
    Q_EMIT currentPageChanged();
}

void UnlockerPicker::setChosenUnlockerIndex(int index)
{
    chosenUnlockerIndex_ = index;
    // The button on the page in view says at once whether it is the chosen one.
    showUseButton(currentPage_ == index ? 1 : 0);
}

void UnlockerPicker::scrollToUnlocker(int index, bool animated)
{
    if (index < 0 || index >= unlockers_.size())
        return;
    if (!animated)
        scrolledTo(index);
    Q_EMIT scrollRequested(index, animated);
}

void UnlockerPicker::showUseButton(int kind)
{
    switch (kind) {
    case 0:
        useButtonPicture_ = QStringLiteral("clock-setting-not-use");
        useLabelText_ = tr("Use");
        break;
    case 1:
        useButtonPicture_ = QStringLiteral("clock-setting-use");
        useLabelText_ = tr("Use");
        break;
    default:
        useButtonPicture_.clear();
        useLabelText_.clear();
    }
    Q_EMIT useButtonChanged();
}

QString UnlockerPicker::useButtonPictureUrl() const { return Pictures::url(useButtonPicture_); }

int UnlockerPicker::pageAt(qreal position) { return int(std::floor(position + 0.5)); }

qreal UnlockerPicker::textAlphaAt(qreal position)
{
    // Beyond the first page's left edge the view bounces; the texts stay opaque.
    if (position < 0)
        return 1;
    // Opaque on a page, transparent halfway between two.
    const qreal d = position - std::floor(position);
    return d < 0.5 ? 1 - 2 * d : 2 * d - 1;
}

void UnlockerPicker::scrolledTo(qreal position)
{
    const int page = pageAt(position);
    if (page != currentPage_) {
        currentPage_ = page;
        if (page >= 0 && page < unlockers_.size()) {
            showUnlocker(page);
            showUseButton(page == chosenUnlockerIndex_ ? 1 : 0);
        } else {
            Q_EMIT currentPageChanged();
        }
    }
    const qreal alpha = textAlphaAt(position);
    if (alpha != textAlpha_) {
        textAlpha_ = alpha;
        Q_EMIT textAlphaChanged();
    }
}

void UnlockerPicker::preview()
{
    // Mid-bounce the page can lie outside the list; there is no game to show then.
    if (delegate_ && currentPage_ >= 0 && currentPage_ < unlockers_.size())
        delegate_->previewRequested(this, currentPage_);
}

void UnlockerPicker::useCurrentUnlocker()
{
    if (currentPage_ < 0 || currentPage_ >= unlockers_.size())
        return;
    currentUnlockerIndex_ = currentPage_;
    if (currentUnlockerIndex_ == chosenUnlockerIndex_)
        return;
    chosenUnlockerIndex_ = currentUnlockerIndex_;
    showUseButton(1);
    if (delegate_)
        delegate_->unlockerChosen(this, currentUnlockerIndex_);
}
