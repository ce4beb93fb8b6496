#pragma once
#include "ui/ViewController.h"
#include "unlockers/ZEBAlarmClockUnlocker.h"
#include "unlockers/ZEBGameLevelView.h"

#include <QList>
#include <QPointer>

class ZEBUnlockerPickerView;

// The host of the picker (the alarm setting screen).
class ZEBUnlockerPickerViewDelegate
{
public:
    virtual ~ZEBUnlockerPickerViewDelegate() = default;
    // The user tapped the illustration of `index`: show that game in preview mode.
    virtual void unlockerPickerViewDidSelectPreViewWithIndex(ZEBUnlockerPickerView *, int) { }
    // The user chose the unlocker of `index`.
    virtual void unlockerPickerViewDidUseWithIndex(ZEBUnlockerPickerView *, int) { }
};

// The strip in which the user picks an alarm's game: one page per unlocker
// with its illustration, under it the current page's title, motto and rating
// (fading out towards the middle between two pages), page dots and a "Use"
// button. The view reports its horizontal offset; every rule lives here.
class ZEBUnlockerPickerView : public ViewController
{
    Q_OBJECT
    Q_PROPERTY(QStringList illustrateUrls READ illustrateUrls NOTIFY unlockersChanged)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY unlockersChanged)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
    Q_PROPERTY(QString titleText READ titleText NOTIFY currentPageChanged)
    Q_PROPERTY(QString subtitleText READ subtitleText NOTIFY currentPageChanged)
    Q_PROPERTY(QObject *gameLevel READ gameLevel CONSTANT)
    Q_PROPERTY(qreal textAlpha READ textAlpha NOTIFY textAlphaChanged)
    Q_PROPERTY(QString useButtonPictureUrl READ useButtonPictureUrl NOTIFY useButtonChanged)
    Q_PROPERTY(QString useLabelText READ useLabelText NOTIFY useButtonChanged)
    Q_PROPERTY(QString previewLabelText READ previewLabelText CONSTANT)
    Q_PROPERTY(qreal scrollViewWidth READ scrollViewWidth CONSTANT)
    Q_PROPERTY(qreal scrollViewHeight READ scrollViewHeight CONSTANT)
public:
    // The page size: the strip is as wide as the screen.
    static constexpr qreal kScrollViewWidth = 320, kScrollViewHeight = 200;
    static constexpr QPointF kGameLevelOrigin{4, 21};

    explicit ZEBUnlockerPickerView(QObject *parent = nullptr);

    void setDelegate(ZEBUnlockerPickerViewDelegate *delegate) { delegate_ = delegate; }
    QList<ZEBAlarmClockUnlockerPtr> unlockers() const { return unlockers_; }
    int currentUnlockerIndex() const { return currentUnlockerIndex_; }
    int alreadyChoosedUnlockerIndex() const { return alreadyChoosedUnlockerIndex_; }
    void setAlreadyChoosedUnlockerIndex(int index);
    ZEBGameLevelView *gameLevelView() const { return gameLevel_; }
    QObject *gameLevel() const { return gameLevel_; }

    // Builds one page per descriptor and shows the first one's texts.
    void layoutIllustrates(const QList<ZEBAlarmClockUnlockerPtr> &unlockers);
    // Scrolls to the page when 0 <= index < count; otherwise nothing.
    void scrollToUnlockerWithIndex(int index, bool animated);
    // 0: "not used" picture; 1: "in use" picture; both say "Use". Other kinds: no picture, no text.
    void refreshUseButtonWithUseButtonKind(int kind);
    // The scroll view moved to `contentOffsetX` points.
    Q_INVOKABLE void scrollViewDidScroll(qreal contentOffsetX);
    Q_INVOKABLE void preview();
    Q_INVOKABLE void useCurrentUnlocker();

    QStringList illustrateUrls() const;
    int pageCount() const { return int(unlockers_.size()); }
    int currentPage() const { return currentPage_; }
    QString titleText() const { return titleText_; }
    QString subtitleText() const { return subtitleText_; }
    qreal textAlpha() const { return textAlpha_; }
    QString useButtonPicture() const { return useButtonPicture_; }
    QString useButtonPictureUrl() const;
    QString useLabelText() const { return useLabelText_; }
    QString previewLabelText() const { return tr("Preview"); }
    qreal scrollViewWidth() const { return kScrollViewWidth; }
    qreal scrollViewHeight() const { return kScrollViewHeight; }

    // The page whose centre is nearest to `offset`, and the texts' alpha there.
    static int pageAt(qreal offset, qreal pageWidth);
    static qreal textAlphaAt(qreal offset, qreal pageWidth);

Q_SIGNALS:
    void unlockersChanged();
    void currentPageChanged();
    void textAlphaChanged();
    void useButtonChanged();
    // The view scrolls to `contentOffsetX`.
    void scrollRequested(qreal contentOffsetX, bool animated);

private:
    void showUnlocker(int index);

    ZEBUnlockerPickerViewDelegate *delegate_ = nullptr;
    QList<ZEBAlarmClockUnlockerPtr> unlockers_;
    int currentUnlockerIndex_ = 0;
    int alreadyChoosedUnlockerIndex_ = 0;
    int currentPage_ = 0;
    QString titleText_, subtitleText_;
    qreal textAlpha_ = 1;
    QString useButtonPicture_, useLabelText_;
    ZEBGameLevelView *gameLevel_;
};
