// The unlocker picker and its rating: page arithmetic, the texts'
// cross-fade, the use button and the host's callbacks, opening at the chosen
// game, and the level rules.
#include "alarms/UnlockerCatalogue.h"
#include "unlockers/UnlockerPicker.h"

#include <QSignalSpy>
#include <QTest>

namespace {
class Host : public UnlockerPickerHost
{
public:
    void previewRequested(UnlockerPicker *, int index) override { previews << index; }
    void unlockerChosen(UnlockerPicker *, int index) override { uses << index; }
    QList<int> previews, uses;
};
} // namespace

class TestUnlockerPicker : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UnlockerPicker> picker;
    Host host;

private Q_SLOTS:
    void init()
    {
        picker = std::make_unique<UnlockerPicker>();
        host = Host();
        picker->setDelegate(&host);
        picker->setUnlockers(UnlockerCatalogue::shared().all());
    }

    // Each page shows its game's texts and rating; an empty list shows nothing and ignores every command.
    void pagesFromTheCatalogue()
    {
        QCOMPARE(picker->pageCount(), 5);
        QCOMPARE(picker->titleText(), QStringLiteral("Peaceful Universe"));
        QCOMPARE(picker->subtitleText(), QStringLiteral("Just tap."));
        for (const QString &url : picker->illustrationUrls())
            QVERIFY2(url.startsWith("qrc:/pictures/clock-setting-unlocker-illustrate"), qPrintable(url));
        const auto unlockers = UnlockerCatalogue::shared().all();
        for (int page = 0; page < 5; ++page) {
            picker->scrolledTo(page);
            QCOMPARE(picker->titleText(), unlockers[page]->title);
            QCOMPARE(picker->subtitleText(), unlockers[page]->subtitle);
            QCOMPARE(picker->gameLevel()->level(), unlockers[page]->gameLevel);
        }
        UnlockerPicker empty;
        empty.setDelegate(&host);
        empty.setUnlockers({});
        QCOMPARE(empty.pageCount(), 0);
        QCOMPARE(empty.titleText(), QString());
        empty.scrolledTo(2);
        empty.useCurrentUnlocker();
        empty.preview();
        QVERIFY(host.uses.isEmpty() && host.previews.isEmpty());
    }

    // The page in view is the nearest one; the texts fade out towards the
    // middle between two pages and in again, and stay while the strip bounces.
    void pageArithmetic()
    {
        const struct
        {
            qreal position;
            int page;
            qreal alpha;
        } cases[] = {{0.0, 0, 1.0},  {0.25, 0, 0.5}, {0.499, 0, 0.002}, {0.5, 1, 0.0},
                     {0.75, 1, 0.5}, {4.0, 4, 1.0},  {-0.125, 0, 1.0},  {4.6, 5, 0.2}};
        for (const auto &c : cases) {
            picker->scrolledTo(c.position);
            QCOMPARE(picker->currentPage(), c.page);
            QVERIFY2(qAbs(picker->textAlpha() - c.alpha) < 1e-6, qPrintable(QString::number(c.position)));
        }
    }

    // Scrolling never changes the choice; "Use" on another page does, once,
    // and tells the host; nothing is used or shown mid-bounce past the last page.
    void useAndPreviewTellTheHost()
    {
        picker->setChosenUnlockerIndex(1);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        picker->scrolledTo(1);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        QCOMPARE(picker->useLabelText(), QStringLiteral("Use"));
        picker->useCurrentUnlocker(); // already chosen: nothing
        picker->scrolledTo(3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        QCOMPARE(picker->chosenUnlockerIndex(), 1);
        QVERIFY(host.uses.isEmpty());
        picker->useCurrentUnlocker();
        picker->useCurrentUnlocker();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(picker->chosenUnlockerIndex(), 3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        picker->preview();
        QCOMPARE(host.previews, QList<int>{3});
        picker->scrolledTo(4.6);
        picker->useCurrentUnlocker();
        picker->preview();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(host.previews, QList<int>{3});
    }

    // Only real pages are scrolled to: animated, once the view gets there;
    // at once without animation (the setting screen opens on the alarm's game).
    void scrollToOnlyValidPages()
    {
        QSignalSpy requested(picker.get(), &UnlockerPicker::scrollRequested);
        for (int index : {-1, 4, 5})
            picker->scrollToUnlocker(index, true);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first(), QVariantList({4, true}));
        QCOMPARE(picker->currentPage(), 0);
        picker->setChosenUnlockerIndex(3);
        picker->scrollToUnlocker(3, false);
        QCOMPARE(picker->currentPage(), 3);
        QCOMPARE(picker->titleText(), UnlockerCatalogue::shared().all().at(3)->title);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
    }

    // The first `level` of five marks are green, the rest grey; none shows a
    // picture before the first level, and levels above five are ignored.
    void levelRules()
    {
        const struct
        {
            QList<int> levels;
            int level;
            int green; // -1: no pictures yet
        } cases[] = {{{}, 0, -1}, {{0}, 0, -1}, {{3}, 3, 3}, {{3, 6}, 3, 3}, {{4, 1}, 1, 1}, {{3, 0}, 0, 0}};
        for (const auto &c : cases) {
            LevelMarks view;
            for (int n : c.levels)
                view.setLevel(n);
            QCOMPARE(view.level(), c.level);
            QStringList marks(5, QString());
            for (int i = 0; c.green >= 0 && i < 5; ++i)
                marks[i] = i < c.green ? LevelMarks::kGreenMark : LevelMarks::kGrayMark;
            QCOMPARE(view.marks(), marks);
        }
    }
};

QTEST_MAIN(TestUnlockerPicker)
#include "tst_unlockerpicker.moc"
