#include "unlockers/ZEBUnlockerPickerView.h"

#include "ui/Pictures.h"

#include <QtMath>

ZEBUnlockerPickerView::ZEBUnlockerPickerView(QObject *parent)
    : ViewController(parent), useLabelText_(tr("Use")), gameLevel_(new ZEBGameLevelView(this))
{
}

void ZEBUnlockerPickerView::layoutIllustrates(const QList<ZEBAlarmClockUnlockerPtr> &unlockers)
{
    unlockers_.clear();
    for (const ZEBAlarmClockUnlockerPtr &unlocker : unlockers)
        if (unlocker)
            unlockers_.append(unlocker->copy());
    Q_EMIT unlockersChanged();
    if (unlockers_.isEmpty())
        return;
    currentPage_ = 0;
    showUnlocker(0);
}

QStringList ZEBUnlockerPickerView::illustrateUrls() const
{
    QStringList urls;
    for (const ZEBAlarmClockUnlockerPtr &unlocker : unlockers_)
        urls.append(Pictures::url(unlocker->illustrate));
    return urls;
}

void ZEBUnlockerPickerView::showUnlocker(int index)
{
    const ZEBAlarmClockUnlockerPtr &unlocker = unlockers_.at(index);
    titleText_ = unlocker->title;
    subtitleText_ = unlocker->subtitle;
    gameLevel_->setLevel(unlocker->gameLevel);
    Q_EMIT currentPageChanged();
}

void ZEBUnlockerPickerView::setAlreadyChoosedUnlockerIndex(int index)
{
    alreadyChoosedUnlockerIndex_ = index;
    // The button on the page in view says at once whether it is the chosen one.
    refreshUseButtonWithUseButtonKind(currentPage_ == index ? 1 : 0);
}

void ZEBUnlockerPickerView::scrollToUnlockerWithIndex(int index, bool animated)
{
    if (index < 0 || index >= unlockers_.size())
        return;
    Q_EMIT scrollRequested(kScrollViewWidth * index, animated);
}

void ZEBUnlockerPickerView::refreshUseButtonWithUseButtonKind(int kind)
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

QString ZEBUnlockerPickerView::useButtonPictureUrl() const { return Pictures::url(useButtonPicture_); }

int ZEBUnlockerPickerView::pageAt(qreal offset, qreal pageWidth)
{
    return int(qFloor((offset - pageWidth * 0.5) / pageWidth)) + 1;
}

qreal ZEBUnlockerPickerView::textAlphaAt(qreal offset, qreal pageWidth)
{
    const int width = int(pageWidth);
    if (width <= 0)
        return 1;
    const qreal d = int(offset) % width;
    const qreal h = pageWidth * 0.5;
    // Beyond the first page's left edge the view bounces; the texts stay opaque.
    return qBound(0.0, d < h ? 1 - d / h : (d - h) / h, 1.0);
}

void ZEBUnlockerPickerView::scrollViewDidScroll(qreal contentOffsetX)
{
    const int page = pageAt(contentOffsetX, kScrollViewWidth);
    if (page != currentPage_) {
        currentPage_ = page;
        if (page >= 0 && page < unlockers_.size()) {
            showUnlocker(page);
            refreshUseButtonWithUseButtonKind(page == alreadyChoosedUnlockerIndex_ ? 1 : 0);
        } else {
            Q_EMIT currentPageChanged();
        }
    }
    const qreal alpha = textAlphaAt(contentOffsetX, kScrollViewWidth);
    if (alpha != textAlpha_) {
        textAlpha_ = alpha;
        Q_EMIT textAlphaChanged();
    }
}

void ZEBUnlockerPickerView::preview()
{
    // Mid-bounce the page can lie outside the list; there is no game to show then.
    if (delegate_ && currentPage_ >= 0 && currentPage_ < unlockers_.size())
        delegate_->unlockerPickerViewDidSelectPreViewWithIndex(this, currentPage_);
}

void ZEBUnlockerPickerView::useCurrentUnlocker()
{
    if (currentPage_ < 0 || currentPage_ >= unlockers_.size())
        return;
    currentUnlockerIndex_ = currentPage_;
    if (currentUnlockerIndex_ == alreadyChoosedUnlockerIndex_)
        return;
    refreshUseButtonWithUseButtonKind(1);
    alreadyChoosedUnlockerIndex_ = currentUnlockerIndex_;
    if (delegate_)
        delegate_->unlockerPickerViewDidUseWithIndex(this, currentUnlockerIndex_);
}
