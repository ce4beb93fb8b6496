// The calculation game: the sum, the answer rules, the keypad and its
// shuffle, and the game played through its controller and in the window.
#include "ItemLookup.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "assembly/AppWindow.h"
#include "unlockers/games/sum/AnswerEntry.h"
#include "unlockers/games/sum/CalculationProblem.h"
#include "unlockers/games/sum/CalculatorKeypad.h"

#include <QSet>

using namespace UnlockHarness;
using Outcome = AnswerEntry::Outcome;
Q_DECLARE_METATYPE(AnswerEntry::Outcome)

namespace {
SumGame *presentSeeded(quint32 seed, bool previewMode)
{
    auto *screen = new SumGame(seed);
    auto alarm = std::make_shared<Alarm>();
    alarm->soundFile = QStringLiteral("Calculator.mp3");
    screen->setAlarm(alarm);
    screen->setPreviewMode(previewMode);
    ModalLayer::shared().presentModal(screen, false, {});
    return screen;
}
} // namespace

class TestCalculateGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    // The sum reads left to right; generated ones stay within 20-79 ± 1-8 ±
    // 1-8, every first number turning up and both signs about as often.
    void problems()
    {
        const struct
        {
            CalculationProblem problem;
            const char *text;
            int result;
        } cases[] = {{{20, 8, 8, false, false}, "20 - 8 - 8 = ", 4},
                     {{47, 3, 8, true, false}, "47 + 3 - 8 = ", 42},
                     {{50, 2, 8, false, true}, "50 - 2 + 8 = ", 56},
                     {{79, 8, 8, true, true}, "79 + 8 + 8 = ", 95}};
        for (const auto &c : cases) {
            QCOMPARE(c.problem.text(), QLatin1String(c.text));
            QCOMPARE(c.problem.result(), c.result);
        }
        QRandomGenerator random(1234);
        QSet<int> firsts;
        int plus = 0;
        for (int i = 0; i < 5000; ++i) {
            const CalculationProblem p = CalculationProblem::generate(random);
            QVERIFY(p.a >= 20 && p.a <= 79 && p.b >= 1 && p.b <= 8 && p.c >= 1 && p.c <= 8);
            firsts.insert(p.a);
            plus += p.firstPlus;
        }
        QCOMPARE(firsts.size(), 60);
        QVERIFY(plus > 2000 && plus < 3000);
    }

    void answerRules_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<Outcome>>("outcomes");
        const int del = AnswerEntry::kDeleteKey;
        QTest::newRow("20 - 8 - 8: one digit wins")
            << 4 << QList<int>{4} << QStringList{"4"} << QList<Outcome>{Outcome::Won};
        QTest::newRow("57: wrong, full, delete, win")
            << 57 << QList<int>{5, 6, 1, del, 7} << QStringList{"5", "56", "56", "5", "57"}
            << QList<Outcome>{Outcome::Typed, Outcome::Wrong, Outcome::Wrong, Outcome::Typed, Outcome::Won};
        QTest::newRow("deleting the only digit shows ?")
            << 57 << QList<int>{3, del, del, 5} << QStringList{"3", "?", "?", "5"}
            << QList<Outcome>{Outcome::Typed, Outcome::Typed, Outcome::Typed, Outcome::Typed};
        QTest::newRow("leading zero counts as the value")
            << 7 << QList<int>{0, 7} << QStringList{"0", "07"} << QList<Outcome>{Outcome::Typed, Outcome::Won};
    }
    void answerRules()
    {
        QFETCH(int, result);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, texts);
        QFETCH(QList<Outcome>, outcomes);
        AnswerEntry answer(result);
        QCOMPARE(answer.text(), QStringLiteral("?"));
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(answer.press(keys[i]), outcomes[i]);
            QCOMPARE(answer.text(), texts[i]);
        }
    }

    // Every digit gets one of the first ten slots, the delete key the last;
    // the seed decides the order, so each ring (unseeded) shows another keypad.
    void keypadShuffle()
    {
        QSet<QList<int>> orders;
        for (quint32 seed = 0; seed < 20; ++seed) {
            QRandomGenerator random(seed);
            QList<int> places = CalculatorKeypad::keySlots(random);
            QCOMPARE(places.size(), 11);
            QCOMPARE(places.takeLast(), 10);
            orders.insert(places);
            std::sort(places.begin(), places.end());
            QCOMPARE(places, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        }
        QVERIFY2(orders.size() >= 18, "different seeds must give different keypads");
        QSet<QList<int>> rung;
        for (int i = 0; i < 4; ++i) {
            auto *screen = qobject_cast<SumGame *>(present(kCalculate, std::make_shared<Alarm>(), true));
            rung.insert(screen->keySlots());
            screen->dismiss();
        }
        QVERIFY(rung.size() >= 3);
    }

    // The keys pop up one by one, and none can be pressed before it shows;
    // tags of no key do nothing. A wrong answer buzzes and stays until
    // deleted, and the sum stays too. After the win no key counts.
    void keysPopUpAndAWrongAnswerBuzzes()
    {
        auto *screen = presentSeeded(3, true);
        QCOMPARE(screen->shownKeyCount(), 0);
        QSignalSpy popped(screen->sumChallenge(), &SumChallenge::shownKeyCountChanged);
        for (int tag : {9, -1, 11, 12})
            screen->pressKey(tag);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        QCOMPARE(popped.count(), 11);
        QVERIFY(!popped.wait(3 * SumChallenge::kKeyPopIntervalMs)); // and no more

        const int wrong = screen->result() == 99 ? 98 : 99;
        screen->pressKey(wrong / 10);
        QCOMPARE(screen->lastKeySound(), SumChallenge::kButtonClickSound);
        screen->pressKey(wrong % 10);
        QCOMPARE(screen->resultText(), QString::number(wrong));
        QCOMPARE(screen->lastKeySound(), SumChallenge::kWrongAnswerSound);
        QVERIFY(screen->userInteractionEnabled() && !screen->isExiting());
        const QString problem = screen->arithmeticString();
        screen->pressKey(AnswerEntry::kDeleteKey);
        screen->pressKey(AnswerEntry::kDeleteKey);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QCOMPARE(screen->arithmeticString(), problem);
        for (int tag : {-1, 11, 12})
            screen->pressKey(tag);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QVERIFY(typeAnswer(screen));
        QVERIFY(!screen->userInteractionEnabled());
        QVERIFY(!screen->dismissButtonEnabled());
        const QString answer = screen->resultText();
        for (int tag = 0; tag <= AnswerEntry::kDeleteKey; ++tag)
            screen->pressKey(tag);
        QCOMPARE(screen->resultText(), answer);
    }

    // In the window: six keys in the first row, four and the wide delete key
    // in the second, every key on screen and each where its slot says.
    void keypadOnScreen()
    {
        AppWindow window(AppWindow::Height::Short);
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        auto *screen = presentSeeded(5, true);
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        QList<QQuickItem *> keys;
        for (int tag = 0; tag < 11; ++tag)
            keys << findItem(window.window()->contentItem(), QStringLiteral("key%1").arg(tag));
        QVERIFY(!keys.contains(nullptr));
        QTRY_VERIFY(std::all_of(keys.cbegin(), keys.cend(), [](QQuickItem *key) { return key->scale() == 1.0; }));
        QList<QRectF> bySlot(11);
        for (int tag = 0; tag < 11; ++tag)
            bySlot[screen->keySlots().at(tag)] = sceneRect(keys[tag]);
        const QRectF windowRect(QPointF(), window.window()->size());
        for (int slot = 0; slot < 11; ++slot) {
            QVERIFY(windowRect.contains(bySlot[slot]));
            QCOMPARE(bySlot[slot].height(), bySlot[0].height());
            QCOMPARE(bySlot[slot].top(), bySlot[slot < 6 ? 0 : 6].top());
            if (slot % 6 != 0)
                QVERIFY(bySlot[slot].left() > bySlot[slot - 1].right());
        }
        QVERIFY(bySlot[6].top() > bySlot[0].bottom());
        QCOMPARE(bySlot[6].left(), bySlot[0].left());
        QVERIFY(bySlot[10].width() > 2 * bySlot[0].width()); // the delete key is wide
        QCOMPARE(bySlot[10].right(), bySlot[5].right());
        screen->dismiss();
    }
};

QTEST_MAIN(TestCalculateGame)
#include "tst_calculategame.moc"
