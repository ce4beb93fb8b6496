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

    void levelRules_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("green"); // -1: no pictures yet
        QTest::newRow("none yet") << QList<int>{} << 0 << -1;
        QTest::newRow("zero first changes nothing") << QList<int>{0} << 0 << -1;
        QTest::newRow("three") << QList<int>{3} << 3 << 3;
        QTest::newRow("six is ignored") << QList<int>{3, 6} << 3 << 3;
        QTest::newRow("back to one") << QList<int>{4, 1} << 1 << 1;
        QTest::newRow("zero after three") << QList<int>{3, 0} << 0 << 0;
    }
    void levelRules()
    {
        QFETCH(QList<int>, levels);
        QFETCH(int, green);
        LevelMarks view;
        for (int n : levels)
            view.setLevel(n);
        QTEST(view.level(), "level");
        QStringList marks(5, QString());
        for (int i = 0; green >= 0 && i < 5; ++i)
            marks[i] = i < green ? LevelMarks::kGreenMark : LevelMarks::kGrayMark;
        QCOMPARE(view.marks(), marks);
    }
};

QTEST_MAIN(TestUnlockerPicker)
#include "tst_unlockerpicker.moc"
