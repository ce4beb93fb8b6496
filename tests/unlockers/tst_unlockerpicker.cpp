// The unlocker picker and the rating view: page arithmetic, the texts'
// cross-fade, the use button and the host's callbacks, and the level rules.
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
constexpr qreal w = UnlockerPicker::kScrollViewWidth;
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
        QCOMPARE(picker->gameLevelView()->level(), 1);
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
        empty.scrolledTo(w * 2);
        empty.useCurrentUnlocker();
        empty.preview();
    }

    void pageArithmetic_data()
    {
        QTest::addColumn<qreal>("offset");
        QTest::addColumn<int>("page");
        QTest::addColumn<qreal>("alpha");
        QTest::newRow("first page") << 0.0 << 0 << 1.0;
        QTest::newRow("a quarter on") << w * 0.25 << 0 << 0.5;
        QTest::newRow("just before half") << w * 0.5 - 1 << 0 << 1 / (w * 0.5);
        QTest::newRow("half a page") << w * 0.5 << 1 << 0.0;
        QTest::newRow("three quarters") << w * 0.75 << 1 << 0.5;
        QTest::newRow("second page") << w << 1 << 1.0;
        QTest::newRow("fifth page") << w * 4 << 4 << 1.0;
        QTest::newRow("bounce left") << -40.0 << 0 << 1.0;
        QTest::newRow("bounce past the last") << w * 4.6 << 5 << 0.2;
    }
    void pageArithmetic()
    {
        QFETCH(qreal, offset);
        QFETCH(int, page);
        QFETCH(qreal, alpha);
        QCOMPARE(UnlockerPicker::pageAt(offset, w), page);
        QVERIFY(qAbs(UnlockerPicker::textAlphaAt(offset, w) - alpha) < 1e-6);
        picker->scrolledTo(offset);
        QCOMPARE(picker->currentPage(), page);
        QVERIFY(qAbs(picker->textAlpha() - alpha) < 1e-6);
    }

    void scrollingShowsThePageTexts()
    {
        const auto unlockers = UnlockerCatalogue::shared().all();
        for (int page = 0; page < 5; ++page) {
            picker->scrolledTo(w * page);
            QCOMPARE(picker->titleText(), unlockers[page]->title);
            QCOMPARE(picker->subtitleText(), unlockers[page]->subtitle);
            QCOMPARE(picker->gameLevelView()->level(), unlockers[page]->gameLevel);
        }
    }

    void useButtonFollowsTheChoice()
    {
        picker->setChosenUnlockerIndex(2);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        picker->scrolledTo(w * 2);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        QCOMPARE(picker->useLabelText(), QStringLiteral("Use"));
        picker->scrolledTo(w * 3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        // Scrolling alone never changes the choice.
        QCOMPARE(picker->chosenUnlockerIndex(), 2);
        QVERIFY(host.uses.isEmpty());
    }

    void useAndPreviewTellTheHost()
    {
        picker->setChosenUnlockerIndex(1);
        picker->scrolledTo(w);
        picker->useCurrentUnlocker(); // already chosen: nothing
        QVERIFY(host.uses.isEmpty());
        picker->scrolledTo(w * 3);
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
        picker->scrolledTo(w * 4.6);
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
        QTest::newRow("0") << 0 << true;
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
        if (scrolls) {
            QCOMPARE(requested.first().at(0).toReal(), w * index);
            QCOMPARE(requested.first().at(1).toBool(), true);
        }
    }

    void useButtonKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << 0 << "clock-setting-not-use" << "Use";
        QTest::newRow("1") << 1 << "clock-setting-use" << "Use";
        QTest::newRow("2") << 2 << "" << "";
        QTest::newRow("-1") << -1 << "" << "";
    }
    void useButtonKinds()
    {
        QFETCH(int, kind);
        picker->showUseButton(kind);
        QTEST(picker->useButtonPicture(), "picture");
        QTEST(picker->useLabelText(), "label");
    }

    void levelRules_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("green");
        QTest::newRow("three") << QList<int>{3} << 3 << 3;
        QTest::newRow("six is ignored") << QList<int>{3, 6} << 3 << 3;
        QTest::newRow("five") << QList<int>{5} << 5 << 5;
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
        QCOMPARE(view.stars().count(LevelMarks::kGreenMark), green);
        QCOMPARE(view.stars().count(LevelMarks::kGrayMark), 5 - green);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(view.stars()[i], i < green ? LevelMarks::kGreenMark : LevelMarks::kGrayMark);
    }

    void levelMarksBeforeAnyLevel()
    {
        LevelMarks view;
        QCOMPARE(view.level(), 0);
        QCOMPARE(view.stars(), QStringList(5, QString()));
        QSignalSpy changed(&view, &LevelMarks::levelChanged);
        view.setLevel(0); // unchanged: still no pictures
        QCOMPARE(changed.count(), 0);
        QCOMPARE(view.stars(), QStringList(5, QString()));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(LevelMarks::markFrame(i), QRectF(29 + 10 * i, 3.5, 8, 8));
    }
};

QTEST_MAIN(TestUnlockerPicker)
#include "tst_unlockerpicker.moc"
