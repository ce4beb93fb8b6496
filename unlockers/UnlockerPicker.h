#pragma once
#include "ui/ScreenController.h"
#include "alarms/Unlocker.h"
#include "unlockers/LevelMarks.h"

#include <QList>
#include <QPointer>

class UnlockerPicker;

// The host of the picker (the alarm setting screen).
class UnlockerPickerHost
{
public:
    virtual ~UnlockerPickerHost() = default;
    // The user tapped the illustration of `index`: show that game in preview mode.
    virtual void previewRequested(UnlockerPicker *, int) { }
    // The user chose the unlocker of `index`.
    virtual void unlockerChosen(UnlockerPicker *, int) { }
};

// The strip in which the user picks an alarm's game: one page per unlocker
// with its illustration, under it the current page's title, motto and rating
// (fading out towards the middle between two pages), page dots and a "Use"
// button. The view reports its horizontal offset; every rule lives here.
class UnlockerPicker : public ScreenController
{
    Q_OBJECT
    Q_PROPERTY(QStringList illustrationUrls READ illustrationUrls NOTIFY unlockersChanged)
    Q_PROPERTY(QStringList pageNames READ pageNames NOTIFY unlockersChanged)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY unlockersChanged)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
    Q_PROPERTY(QString titleText READ titleText NOTIFY currentPageChanged)
    Q_PROPERTY(QString subtitleText READ subtitleText NOTIFY currentPageChanged)
    Q_PROPERTY(QObject *gameLevel READ gameLevel CONSTANT)
    Q_PROPERTY(qreal textAlpha READ textAlpha NOTIFY textAlphaChanged)
    Q_PROPERTY(QString useButtonPictureUrl READ useButtonPictureUrl NOTIFY useButtonChanged)
    Q_PROPERTY(QString useLabelText READ useLabelText NOTIFY useButtonChanged)
    Q_PROPERTY(bool pageInUse READ isPageInUse NOTIFY useButtonChanged)
    Q_PROPERTY(QString previewLabelText READ previewLabelText CONSTANT)
    Q_PROPERTY(qreal scrollViewWidth READ scrollViewWidth CONSTANT)
    Q_PROPERTY(qreal scrollViewHeight READ scrollViewHeight CONSTANT)
public:
    // The page size: the strip is as wide as the screen.
    static constexpr qreal kScrollViewWidth = 320, kScrollViewHeight = 200;
    static constexpr QPointF kGameLevelOrigin{4, 21};

    explicit UnlockerPicker(QObject *parent = nullptr);

    void setDelegate(UnlockerPickerHost *delegate) { delegate_ = delegate; }
    QList<UnlockerPtr> unlockers() const { return unlockers_; }
    int currentUnlockerIndex() const { return currentUnlockerIndex_; }
    int chosenUnlockerIndex() const { return chosenUnlockerIndex_; }
    void setChosenUnlockerIndex(int index);
    LevelMarks *gameLevelView() const { return gameLevel_; }
    QObject *gameLevel() const { return gameLevel_; }

    // Builds one page per descriptor and shows the first one's texts.
    void setUnlockers(const QList<UnlockerPtr> &unlockers);
    // Scrolls to the page when 0 <= index < count; otherwise nothing.
    Q_INVOKABLE void scrollToUnlocker(int index, bool animated);
    // 0: "not used" picture; 1: "in use" picture; both say "Use". Other kinds: no picture, no text.
    void showUseButton(int kind);
    // The scroll view moved to `contentOffsetX` points.
    Q_INVOKABLE void scrolledTo(qreal contentOffsetX);
    Q_INVOKABLE void preview();
    Q_INVOKABLE void useCurrentUnlocker();

    QStringList illustrationUrls() const;
    // Each page as assistive tools name it: "Unlocker: <title>".
    QStringList pageNames() const;
    int pageCount() const { return int(unlockers_.size()); }
    int currentPage() const { return currentPage_; }
    QString titleText() const { return titleText_; }
    QString subtitleText() const { return subtitleText_; }
    qreal textAlpha() const { return textAlpha_; }
    QString useButtonPicture() const { return useButtonPicture_; }
    QString useButtonPictureUrl() const;
    QString useLabelText() const { return useLabelText_; }
    // Whether the page in view is the chosen unlocker.
    bool isPageInUse() const { return currentPage_ == chosenUnlockerIndex_; }
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

    UnlockerPickerHost *delegate_ = nullptr;
    QList<UnlockerPtr> unlockers_;
    int currentUnlockerIndex_ = 0;
    int chosenUnlockerIndex_ = 0;
    int currentPage_ = 0;
    QString titleText_, subtitleText_;
    qreal textAlpha_ = 1;
    QString useButtonPicture_, useLabelText_;
    LevelMarks *gameLevel_;
};
