// The unlocker picker and the rating view: page arithmetic, the texts'
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

    void pagesFromTheCatalogue()
    {
        QCOMPARE(picker->pageCount(), 5);
        QCOMPARE(picker->currentPage(), 0);
        QCOMPARE(picker->titleText(), QStringLiteral("Peaceful Universe"));
        QCOMPARE(picker->subtitleText(), QStringLiteral("Just tap."));
        QCOMPARE(picker->gameLevel()->level(), 1);
        const QStringList urls = picker->illustrationUrls();
        QCOMPARE(urls.size(), 5);
        for (const QString &url : urls)
            QVERIFY2(url.startsWith("qrc:/pictures/clock-setting-unlocker-illustrate"), qPrintable(url));
    }

    void emptyListShowsNothing()
    {
        UnlockerPicker empty;
        empty.setUnlockers({});
        QCOMPARE(empty.pageCount(), 0);
        QCOMPARE(empty.titleText(), QString());
        empty.scrolledTo(2);
        empty.useCurrentUnlocker();
        empty.preview();
    }

    void pageArithmetic_data()
    {
        QTest::addColumn<qreal>("position");
        QTest::addColumn<int>("page");
        QTest::addColumn<qreal>("alpha");
        QTest::newRow("first page") << 0.0 << 0 << 1.0;
        QTest::newRow("a quarter on") << 0.25 << 0 << 0.5;
        QTest::newRow("just before half") << 0.499 << 0 << 0.002;
        QTest::newRow("half a page") << 0.5 << 1 << 0.0;
        QTest::newRow("three quarters") << 0.75 << 1 << 0.5;
        QTest::newRow("second page") << 1.0 << 1 << 1.0;
        QTest::newRow("fifth page") << 4.0 << 4 << 1.0;
        QTest::newRow("bounce left") << -0.125 << 0 << 1.0;
        QTest::newRow("bounce past the last") << 4.6 << 5 << 0.2;
    }
    void pageArithmetic()
    {
        QFETCH(qreal, position);
        QFETCH(int, page);
        QFETCH(qreal, alpha);
        picker->scrolledTo(position);
        QCOMPARE(picker->currentPage(), page);
        QVERIFY(qAbs(picker->textAlpha() - alpha) < 1e-6);
    }

    void scrollingShowsThePageTexts()
    {
        const auto unlockers = UnlockerCatalogue::shared().all();
        for (int page = 0; page < 5; ++page) {
            picker->scrolledTo(page);
            QCOMPARE(picker->titleText(), unlockers[page]->title);
            QCOMPARE(picker->subtitleText(), unlockers[page]->subtitle);
            QCOMPARE(picker->gameLevel()->level(), unlockers[page]->gameLevel);
        }
    }

    void useButtonFollowsTheChoice()
    {
        picker->setChosenUnlockerIndex(2);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        picker->scrolledTo(2);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        QCOMPARE(picker->useLabelText(), QStringLiteral("Use"));
        picker->scrolledTo(3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        // Scrolling alone never changes the choice.
        QCOMPARE(picker->chosenUnlockerIndex(), 2);
        QVERIFY(host.uses.isEmpty());
    }

    void useAndPreviewTellTheHost()
    {
        picker->setChosenUnlockerIndex(1);
        picker->scrolledTo(1);
        picker->useCurrentUnlocker(); // already chosen: nothing
        QVERIFY(host.uses.isEmpty());
        picker->scrolledTo(3);
        picker->useCurrentUnlocker();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(picker->chosenUnlockerIndex(), 3);
        QCOMPARE(picker->currentUnlockerIndex(), 3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        picker->useCurrentUnlocker();
        QCOMPARE(host.uses, QList<int>{3});
        picker->preview();
        QCOMPARE(host.previews, QList<int>{3});
        // Mid-bounce beyond the last page there is no game to use or show.
        picker->scrolledTo(4.6);
        picker->useCurrentUnlocker();
        picker->preview();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(host.previews, QList<int>{3});
    }

    void scrollToOnlyValidPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("4") << 4 << true;
        QTest::newRow("count") << 5 << false;
    }
    void scrollToOnlyValidPages()
    {
        QFETCH(int, index);
        QFETCH(bool, scrolls);
        QSignalSpy requested(picker.get(), &UnlockerPicker::scrollRequested);
        picker->scrollToUnlocker(index, true);
        QCOMPARE(requested.count(), scrolls ? 1 : 0);
        if (scrolls)
            QCOMPARE(requested.first(), QVariantList({index, true}));
        QCOMPARE(picker->currentPage(), 0); // until the view has scrolled there
    }

    // The setting screen opens the picker on the alarm's own game.
    void opensOnTheChosenGame()
    {
        picker->setChosenUnlockerIndex(3);
        picker->scrollToUnlocker(3, false);
        QCOMPARE(picker->currentPage(), 3);
        QCOMPARE(picker->titleText(), UnlockerCatalogue::shared().all().at(3)->title);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
    }

    void levelRules_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("green");
        QTest::newRow("three") << QList<int>{3} << 3 << 3;
        QTest::newRow("six is ignored") << QList<int>{3, 6} << 3 << 3;
        QTest::newRow("back to one") << QList<int>{4, 1} << 1 << 1;
        QTest::newRow("zero after three") << QList<int>{3, 0} << 0 << 0;
    }
    void levelRules()
    {
        QFETCH(QList<int>, levels);
        QFETCH(int, level);
        QFETCH(int, green);
        LevelMarks view;
        for (int n : levels)
            view.setLevel(n);
        QCOMPARE(view.level(), level);
        QCOMPARE(view.marks().count(LevelMarks::kGreenMark), green);
        QCOMPARE(view.marks().count(LevelMarks::kGrayMark), 5 - green);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(view.marks()[i], i < green ? LevelMarks::kGreenMark : LevelMarks::kGrayMark);
    }

    void levelMarksBeforeAnyLevel()
    {
        LevelMarks view;
        QCOMPARE(view.level(), 0);
        QCOMPARE(view.marks(), QStringList(5, QString()));
        QSignalSpy changed(&view, &LevelMarks::levelChanged);
        view.setLevel(0); // unchanged: still no pictures
        QCOMPARE(changed.count(), 0);
        QCOMPARE(view.marks(), QStringList(5, QString()));
    }
};

QTEST_MAIN(TestUnlockerPicker)
#include "tst_unlockerpicker.moc"
