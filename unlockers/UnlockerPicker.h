#pragma once
#include "ui/ScreenController.h"
#include "alarms/Unlocker.h"
#include "unlockers/LevelMarks.h"

#include <QList>
#include <QPointer>
#include <QQmlEngine>

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
// button. The view reports how far it has scrolled, in pages; every rule
// lives here.
class UnlockerPicker : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screen registry")
    Q_PROPERTY(QStringList illustrationUrls READ illustrationUrls NOTIFY unlockersChanged)
    Q_PROPERTY(QStringList pageNames READ pageNames NOTIFY unlockersChanged)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY unlockersChanged)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
    Q_PROPERTY(QString titleText READ titleText NOTIFY currentPageChanged)
    Q_PROPERTY(QString subtitleText READ subtitleText NOTIFY currentPageChanged)
    Q_PROPERTY(LevelMarks *gameLevel READ gameLevel CONSTANT)
    Q_PROPERTY(qreal textAlpha READ textAlpha NOTIFY textAlphaChanged)
    Q_PROPERTY(QString useButtonPictureUrl READ useButtonPictureUrl NOTIFY useButtonChanged)
    Q_PROPERTY(QString useLabelText READ useLabelText NOTIFY useButtonChanged)
    Q_PROPERTY(bool pageInUse READ isPageInUse NOTIFY useButtonChanged)
    Q_PROPERTY(QString previewLabelText READ previewLabelText CONSTANT)
    Q_PROPERTY(int pageScrollMs READ pageScrollMs CONSTANT)
public:
    static constexpr int kPageScrollMs = 300;

    explicit UnlockerPicker(QObject *parent = nullptr);

    void setDelegate(UnlockerPickerHost *delegate) { delegate_ = delegate; }
    QList<UnlockerPtr> unlockers() const { return unlockers_; }
    int currentUnlockerIndex() const { return currentUnlockerIndex_; }
    int chosenUnlockerIndex() const { return chosenUnlockerIndex_; }
    void setChosenUnlockerIndex(int index);
    LevelMarks *gameLevel() const { return gameLevel_; }

    // Builds one page per descriptor and shows the first one's texts.
    void setUnlockers(const QList<UnlockerPtr> &unlockers);
    // Scrolls to the page when 0 <= index < count; otherwise nothing. Without
    // animation the page is the current one at once.
    Q_INVOKABLE void scrollToUnlocker(int index, bool animated);
    // 0: "not used" picture; 1: "in use" picture; both say "Use". Other kinds: no picture, no text.
    void showUseButton(int kind);
    // The strip has scrolled `position` pages from the first one (2.5: halfway
    // between the third and the fourth page).
    Q_INVOKABLE void scrolledTo(qreal position);
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
    int pageScrollMs() const { return kPageScrollMs; }

    // The page nearest to `position`, and the texts' alpha there.
    static int pageAt(qreal position);
    static qreal textAlphaAt(qreal position);

Q_SIGNALS:
    void unlockersChanged();
    void currentPageChanged();
    void textAlphaChanged();
    void useButtonChanged();
    // The view scrolls to `page`.
    void scrollRequested(int page, bool animated);

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
