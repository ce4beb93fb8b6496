// The calculation game: the sum, the answer rules, the keypad and its
// shuffle, and the game played through its controller without a window.
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "unlockers/games/sum/AnswerEntry.h"
#include "unlockers/games/sum/CalculationProblem.h"
#include "unlockers/games/sum/CalculatorKeypad.h"

#include <QSet>

using namespace UnlockHarness;
using Outcome = AnswerEntry::Outcome;
Q_DECLARE_METATYPE(AnswerEntry::Outcome)

class TestCalculateGame : public QObject
{
    Q_OBJECT

private:
    static SumGame *presentSeeded(quint32 seed, bool previewMode)
    {
        auto *screen = new SumGame(seed);
        auto alarm = std::make_shared<Alarm>();
        alarm->soundFile = QStringLiteral("Calculator.mp3");
        screen->setAlarm(alarm);
        screen->setPreviewMode(previewMode);
        ModalLayer::shared().presentModal(screen, false, {});
        return screen;
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    void problemTextAndValue_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<bool>("firstPlus");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("secondPlus");
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::newRow("smallest") << 20 << false << 8 << false << 8 << "20 - 8 - 8 = " << 4;
        QTest::newRow("mixed") << 47 << true << 3 << false << 8 << "47 + 3 - 8 = " << 42;
        QTest::newRow("left to right") << 50 << false << 2 << true << 9 - 1 << "50 - 2 + 8 = " << 56;
        QTest::newRow("largest") << 79 << true << 8 << true << 8 << "79 + 8 + 8 = " << 95;
    }
    void problemTextAndValue()
    {
        QFETCH(int, a);
        QFETCH(bool, firstPlus);
        QFETCH(int, b);
        QFETCH(bool, secondPlus);
        QFETCH(int, c);
        const CalculationProblem problem{a, b, c, firstPlus, secondPlus};
        QTEST(problem.text(), "text");
        QTEST(problem.result(), "result");
    }

    void generatedProblemsStayInRange()
    {
        QRandomGenerator random(1234);
        QSet<int> as;
        int plus = 0;
        for (int i = 0; i < 5000; ++i) {
            const CalculationProblem p = CalculationProblem::generate(random);
            QVERIFY(p.a >= 20 && p.a <= 79);
            QVERIFY(p.b >= 1 && p.b <= 8);
            QVERIFY(p.c >= 1 && p.c <= 8);
            QVERIFY(p.result() >= 4 && p.result() <= 95);
            as.insert(p.a);
            plus += p.firstPlus;
        }
        QCOMPARE(as.size(), 60); // every first number turns up
        QVERIFY(plus > 2000 && plus < 3000);
    }

    void answerRules_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<Outcome>>("outcomes");
        const int del = AnswerEntry::kDeleteKey;
        QTest::newRow("20 - 8 - 8: one digit wins") << 4 << QList<int>{4} << QStringList{"4"} << QList<Outcome>{Outcome::Won};
        QTest::newRow("57: wrong, full, delete, win")
            << 57 << QList<int>{5, 6, 1, del, 7} << QStringList{"5", "56", "56", "5", "57"}
            << QList<Outcome>{Outcome::Typed, Outcome::Wrong, Outcome::Wrong, Outcome::Typed, Outcome::Won};
        QTest::newRow("deleting the only digit shows ?")
            << 57 << QList<int>{3, del, del, 5} << QStringList{"3", "?", "?", "5"}
            << QList<Outcome>{Outcome::Typed, Outcome::Typed, Outcome::Typed, Outcome::Typed};
        QTest::newRow("leading zero counts as the value") << 7 << QList<int>{0, 7} << QStringList{"0", "07"}
                                                          << QList<Outcome>{Outcome::Typed, Outcome::Won};
        QTest::newRow("delete on an empty answer") << 12 << QList<int>{del} << QStringList{"?"}
                                                   << QList<Outcome>{Outcome::Typed};
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

    void keypadPlaces_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::addColumn<qreal>("baseLine");
        QTest::newRow("short") << false << 390.0;
        QTest::newRow("tall") << true << 450.0;
    }
    void keypadPlaces()
    {
        QFETCH(bool, tall);
        QFETCH(qreal, baseLine);
        QSet<QPair<qreal, qreal>> expected;
        for (qreal x : {20, 70, 120, 170, 220, 270})
            expected.insert({x, baseLine});
        for (qreal x : {20, 70, 120, 170})
            expected.insert({x, baseLine + 45});
        for (quint32 seed = 0; seed < 50; ++seed) {
            QRandomGenerator random(seed);
            const QList<QRectF> places = CalculatorKeypad::layout(tall, random);
            QCOMPARE(places.size(), 11);
            QSet<QPair<qreal, qreal>> digits;
            for (int tag = 0; tag < 10; ++tag) {
                QCOMPARE(places[tag].size(), QSizeF(40, 40));
                digits.insert({places[tag].x(), places[tag].y()});
                QCOMPARE(CalculatorKeypad::title(tag), QString::number(tag));
            }
            QCOMPARE(digits, expected);
            QCOMPARE(places[10], QRectF(220, baseLine + 45, 90, 40));
            QCOMPARE(CalculatorKeypad::title(10), QStringLiteral("<--"));
        }
    }

    void keypadShuffleFollowsTheSeed()
    {
        auto layoutFor = [](quint32 seed) {
            QRandomGenerator random(seed);
            return CalculatorKeypad::layout(false, random);
        };
        QCOMPARE(layoutFor(42), layoutFor(42));
        QSet<QString> distinct;
        for (quint32 seed = 0; seed < 20; ++seed) {
            QStringList order;
            for (const QRectF &place : layoutFor(seed))
                order << QStringLiteral("%1,%2").arg(place.x()).arg(place.y());
            distinct.insert(order.join(u';'));
        }
        QVERIFY2(distinct.size() >= 18, "different seeds must give different keypads");
    }

    void everyScreenGetsItsOwnKeypad()
    {
        // No seed: each ring shows another layout (the old unseeded shuffle repeated itself after every launch).
        QSet<QString> layouts;
        for (int i = 0; i < 4; ++i) {
            auto *screen = qobject_cast<SumGame *>(
                present(kCalculate, std::make_shared<Alarm>(), true));
            QStringList order;
            for (const QRectF &place : screen->buttonPlaces())
                order << QStringLiteral("%1,%2").arg(place.x()).arg(place.y());
            layouts.insert(order.join(u';'));
            screen->dismiss();
        }
        QVERIFY(layouts.size() >= 3);
    }

    void keysPopUpInTagOrder()
    {
        auto *screen = presentSeeded(7, true);
        QCOMPARE(screen->shownKeyCount(), 0);
        QCOMPARE(screen->buttonPlaces().size(), 11);
        QSignalSpy popped(screen->sumChallenge(), &SumChallenge::shownKeyCountChanged);
        // A key that has not popped up yet cannot be pressed.
        screen->pressKey(9);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        QCOMPARE(popped.count(), 11);
        QTest::qWait(200);
        QCOMPARE(screen->shownKeyCount(), 11);
        screen->dismiss();
    }

    void sameSeedSameGame()
    {
        auto *first = presentSeeded(99, true);
        auto *second = presentSeeded(99, true);
        QCOMPARE(first->arithmeticString(), second->arithmeticString());
        QCOMPARE(first->buttonPlaces(), second->buttonPlaces());
        first->dismiss();
        second->dismiss();
    }

    void wrongAnswerBuzzesAndStays()
    {
        auto *screen = presentSeeded(3, true);
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        const int wrong = screen->result() == 99 ? 98 : 99;
        screen->pressKey(wrong / 10);
        QCOMPARE(screen->lastKeySound(), SumChallenge::kButtonClickSound);
        screen->pressKey(wrong % 10);
        QCOMPARE(screen->resultText(), QString::number(wrong));
        QCOMPARE(screen->lastKeySound(), SumChallenge::kWrongAnswerSound);
        QVERIFY(screen->userInteractionEnabled());
        QVERIFY(!screen->isExiting());
        const QString problem = screen->arithmeticString();
        screen->pressKey(AnswerEntry::kDeleteKey);
        screen->pressKey(AnswerEntry::kDeleteKey);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QCOMPARE(screen->arithmeticString(), problem);
        QVERIFY(typeAnswer(screen));
        QVERIFY(screen->isExiting());
        QVERIFY(!screen->userInteractionEnabled());
        QVERIFY(!screen->dismissButtonEnabled());
    }

    // Random taps (digits, deletes, keys still popping up, tags out of range)
    // until the game is won, then more random taps: the answer box always
    // obeys the rules, the game stays winnable and nothing changes after the win.
    void randomTapsStress_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomTapsStress()
    {
        QFETCH(quint32, seed);
        auto *screen = presentSeeded(seed, false);
        QPointer<SumGame> guard(screen);
        QSignalSpy progress(screen, &UnlockScreen::unlockProgress);
        QRandomGenerator taps(seed * 7919u);
        int pressed = 0;
        while (!screen->isExiting() && pressed < 400) {
            const int tag = taps.bounded(-1, 13);
            screen->pressKey(tag);
            ++pressed;
            const QString text = screen->resultText();
            QVERIFY2(text == QLatin1String("?") || (text.size() <= 2 && text.toInt() >= 0), qPrintable(text));
            if (!screen->isExiting())
                QVERIFY(text.toInt() != screen->result());
            if (pressed % 40 == 0)
                QTest::qWait(20); // let keys pop up meanwhile
        }
        if (!screen->isExiting()) // random taps rarely hit the answer; finish it by hand
            QVERIFY(typeAnswer(screen));
        QVERIFY(screen->isExiting());
        const QString finalText = screen->resultText();
        for (int i = 0; i < 100; ++i)
            screen->pressKey(taps.bounded(0, 11));
        QCOMPARE(screen->resultText(), finalText);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        int settles = 0;
        for (const QList<QVariant> &step : progress)
            settles += step.first().value<UnlockScreen::UnlockStep>()
                       == UnlockScreen::UnlockStep::SettleBroadcast;
        QCOMPARE(settles, 1);
    }
};

QTEST_MAIN(TestCalculateGame)
#include "tst_calculategame.moc"
