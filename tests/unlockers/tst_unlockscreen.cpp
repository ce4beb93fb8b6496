// The unlock screen base, played with the tap and sum games: the back button
// only in preview mode, the ring choice, keeping the screen on, the ring
// after the background, and the win sequence in both modes on the real audio
// pipeline, run once however often the game reports it. The tap game: the
// scene resting in the background, and the tap and its farewell as they look
// in the window. The sum game: the sum, the answer rules, the keypad and its
// shuffle, and the game played through its controller and in the window.
// The picker of games and its rating: page arithmetic, the texts'
// cross-fade, the use button and the host's callbacks, opening at the chosen
// game, and the level rules.
#include "FakeScreenSaver.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "alarms/SoundCatalogue.h"
#include "alarms/UnlockerCatalogue.h"
#include "platform/ApplicationLifecycle.h"
#include "sound/SoundResources.h"
#include "unlockers/UnlockerPicker.h"
#include "unlockers/games/sum/CalculationProblem.h"
#include "unlockers/games/sum/CalculatorKeypad.h"

#include <QElapsedTimer>
#include <QSet>

using namespace UnlockHarness;
using Outcome = AnswerEntry::Outcome;

namespace {
void post(std::initializer_list<QString> names)
{
    for (const QString &name : names)
        Broadcaster::shared().post(name);
}

class PickerHost : public UnlockerPickerHost
{
public:
    void previewRequested(UnlockerPicker *, int index) override { previews << index; }
    void unlockerChosen(UnlockerPicker *, int index) override { uses << index; }
    QList<int> previews, uses;
};

SumGame *presentSeeded(quint32 seed, bool previewMode)
{
    return present(new SumGame(seed), alarmRinging(QStringLiteral("Calculator.mp3")), previewMode);
}
} // namespace

class TestUnlockScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UnlockerPicker> picker;
    PickerHost host;

    static void finish(UnlockScreen *screen)
    {
        QPointer<UnlockScreen> guard(screen);
        if (guard && isPresented(guard))
            guard->close(false);
        QTRY_VERIFY(!guard);
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        sound()->stop();
        picker = std::make_unique<UnlockerPicker>();
        host = PickerHost();
        picker->setDelegate(&host);
        picker->setUnlockers(UnlockerCatalogue::shared().all());
    }

    // The alarm's sound, unless overridden; the random marker rings a real
    // sound, and an unknown file or none at all the first: never silence.
    void ringSoundChoice()
    {
        const QString first = SoundCatalogue::fileNames().first();
        const struct
        {
            QString ringFile, override, expected; // expected "": any real catalogue sound
        } cases[] = {{"UFO.mp3", "", "UFO.mp3"},
                     {"UFO.mp3", "Stars.mp3", "Stars.mp3"},
                     {"RandomSound", "", ""},
                     {"Gone.mp3", "", first},
                     {"", "", first}};
        for (const auto &c : cases) {
            TapGame screen;
            screen.setAlarm(alarmRinging(c.ringFile));
            screen.setSoundFileName(c.override);
            const QString chosen = screen.ringSoundFile();
            if (c.expected.isEmpty())
                QVERIFY(SoundCatalogue::fileNames().contains(chosen) && chosen != SoundCatalogue::kRandomSoundMarker);
            else
                QCOMPARE(chosen, c.expected);
            QVERIFY(!SoundResources::pathForSoundFile(chosen).isEmpty());
        }
    }

    // With a screen saver on the bus, the screen is kept on while the game
    // shows and let go when it closes (without one, the game rings all the
    // same: the alarm road, on this machine without a desktop).
    void keepsTheScreenOnWhileShown()
    {
        FakeScreenSaver saver;
        QVERIFY(saver.isPublished());
        const AlarmPtr original = alarmRinging();
        UnlockScreen *screen = present(kCalculate, original, true);
        QVERIFY(screen->isKeepingScreenOn());
        QVERIFY(screen->hasDismissButton()); // a preview can be left; a ringing alarm (the alarm road's) cannot
        original->soundFile = QStringLiteral("UFO.mp3"); // the screen works on its own copy of the alarm
        QCOMPARE(screen->alarm()->soundFile, QStringLiteral("Satellite.mp3"));
        QCOMPARE(saver.activeCookies().size(), 1);
        screen->dismiss();
        QTRY_VERIFY(saver.activeCookies().isEmpty());
    }

    // Back fades the ring out and closes; the ringing alarm is not settled.
    void backButtonFadesOutAndCloses()
    {
        RingStatusFile::write(alarmRinging());
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);
        UnlockScreen *screen = present(kTap, alarmRinging(), true);
        QTRY_VERIFY(sound()->playing());
        screen->dismiss();
        QVERIFY(!isPresented(screen));
        QTRY_VERIFY(!sound()->playing());
        for (const QList<QVariant> &post : posted)
            QVERIFY(post.first().toString() != AppCore::RingingAlarmStatusChanged);
        QVERIFY(RingStatusFile::exists());
    }

    void ringRestartsAfterTheBackground()
    {
        UnlockScreen *screen = present(kCalculate, alarmRinging(), false);
        QTRY_VERIFY(sound()->playing());
        post({ApplicationLifecycle::WillResignActive});
        sound()->stop(); // something else stopped the ring while the app was away
        post({ApplicationLifecycle::WillEnterForeground, ApplicationLifecycle::DidBecomeActive});
        QTRY_VERIFY(sound()->playing());
        AudioPlayer *restarted = sound()->audioPlayer();
        // Still playing: another return starts nothing new.
        post({ApplicationLifecycle::WillResignActive, ApplicationLifecycle::DidBecomeActive});
        QCOMPARE(sound()->audioPlayer(), restarted);
        finish(screen);
    }

    // The win as the rest of the app sees it (silence, "Mission Complete",
    // the jingle, the settle when ringing, the alert and the screen closed,
    // the ring status deleted when ringing). The game reports the win again
    // and again during the ending, and the app goes away and comes back
    // meanwhile: nothing runs twice, nothing starts again.
    void winSequence_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("previewMode");
        for (const QString &name : {kTap, kCalculate}) {
            QTest::addRow("%s ringing", qPrintable(name)) << name << false;
            QTest::addRow("%s preview", qPrintable(name)) << name << true;
        }
    }
    void winSequence()
    {
        QFETCH(QString, className);
        QFETCH(bool, previewMode);
        const AlarmPtr ringing = alarmRinging();
        RingStatusFile::write(ringing); // as the ring dispatch does
        UnlockScreen *screen = present(className, ringing, previewMode);
        QVERIFY(screen);
        QTRY_VERIFY(sound()->playing());
        WinRecorder recorder(screen);
        QPointer<UnlockScreen> guard(screen);

        QVERIFY(UnlockHarness::win(screen));
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), kWinTimeoutMs);
        for (int i = 0; i < 5; ++i) {
            screen->completeUnlock();
            UnlockHarness::win(screen);
        }
        QTRY_VERIFY_WITH_TIMEOUT(recorder.events.contains("jingle"), kWinTimeoutMs);
        AudioPlayer *jingle = sound()->audioPlayer();
        post({ApplicationLifecycle::WillResignActive, ApplicationLifecycle::WillEnterForeground,
              ApplicationLifecycle::DidBecomeActive});
        QCOMPARE(sound()->audioPlayer(), jingle);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs); // the closed screen is gone for good
        QCOMPARE(recorder.events, expectedWin(previewMode));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
        QVERIFY(recorder.ringStatusAtClose);
        QCOMPARE(RingStatusFile::exists(), previewMode);
    }

    // The planet turns and the astronaut floats up at once; the background
    // stops them, the return starts a new turn and float at once.
    // In the window: the astronaut floats, stops where it is when tapped with
    // the exclamation mark on its head, and stays there while the planet
    // spins away (a stay in the background meanwhile brings nothing back);
    // then it falls below the window's bottom edge. Each phase lasts at least
    // as long as the view's animation of it; further taps change nothing.
    void tapFarewellOnScreen()
    {
        ShownWindow window;
        QVERIFY(window.shown);
        auto *screen = present<TapGame>(kTap, alarmRinging(), true);
        QPointer<TapGame> guard(screen);
        QQuickItem *astronaut = window.item(QStringLiteral("astronautIllustrate"));
        QQuickItem *mark = window.item(QStringLiteral("exclamationMarkImageView"));
        QQuickItem *planet = window.item(QStringLiteral("planetIllustrate"));
        QVERIFY(astronaut && mark && planet);
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 1);
        QVERIFY(screen->floatingUp());
        for (int turn = 2; turn <= 3; ++turn) { // each return: a new turn, the float the other way
            post({ApplicationLifecycle::WillResignActive});
            QVERIFY(!screen->isTimerRunning());
            post({ApplicationLifecycle::DidBecomeActive});
            QVERIFY(screen->isTimerRunning());
            QCOMPARE(screen->planetTurnCount(), turn);
            QCOMPARE(screen->floatingUp(), turn == 3);
        }
        const QRectF start = sceneRect(astronaut);
        QCOMPARE(mark->opacity(), 0.0);
        QTRY_VERIFY(sceneRect(astronaut).top() < start.top() - 2); // floating up

        QSignalSpy phases(screen, &TapGame::phaseChanged);
        QElapsedTimer clock;
        clock.start();
        screen->unlock();
        QCOMPARE(screen->phase(), TapGame::Phase::PlanetLeaving);
        QVERIFY(!screen->isTimerRunning());
        QVERIFY(!screen->dismissButtonEnabled());
        const QRectF stopped = sceneRect(astronaut);
        QVERIFY(stopped.top() < start.top() && stopped.top() >= start.top() - 20);
        QCOMPARE(mark->opacity(), 1.0);
        const QRectF markRect = sceneRect(mark);
        QVERIFY(markRect.bottom() > stopped.top() && markRect.top() < stopped.top());
        QVERIFY(qAbs(markRect.center().x() - stopped.center().x()) < 1);
        for (int i = 0; i < 20; ++i)
            screen->unlock();
        post({ApplicationLifecycle::WillResignActive, ApplicationLifecycle::WillEnterForeground});
        QVERIFY(!screen->isTimerRunning());

        QTRY_VERIFY_WITH_TIMEOUT(planet->scale() < 0.5, 5000); // spinning away
        QCOMPARE(phases.count(), 1);
        QVERIFY(phases.wait(5000));
        QCOMPARE(screen->phase(), TapGame::Phase::AstronautFalling);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs - 20);
        QCOMPARE(sceneRect(astronaut), stopped);
        QVERIFY(!planet->isVisible());
        QCOMPARE(mark->opacity(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 5000);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs + TapGame::kAstronautDropMs - 20);
        screen->unlock();
        QCOMPARE(phases.count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(sceneRect(astronaut).top() >= window.window()->height(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
    }

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

    // A wrong answer once the digits are full, deleting back to "?", a
    // leading zero counting as the value, one digit winning at once.
    void answerRules()
    {
        const int del = AnswerEntry::kDeleteKey;
        const Outcome typed = Outcome::Typed, wrong = Outcome::Wrong, won = Outcome::Won;
        const struct
        {
            int result;
            QList<int> keys;
            QStringList texts;
            QList<Outcome> outcomes;
        } cases[] = {{4, {4}, {"4"}, {won}},
                     {57, {5, 6, 1, del, 7}, {"5", "56", "56", "5", "57"}, {typed, wrong, wrong, typed, won}},
                     {57, {3, del, del, 5}, {"3", "?", "?", "5"}, {typed, typed, typed, typed}},
                     {7, {0, 7}, {"0", "07"}, {typed, won}}};
        for (const auto &c : cases) {
            AnswerEntry answer(c.result);
            QCOMPARE(answer.text(), QStringLiteral("?"));
            for (int i = 0; i < c.keys.size(); ++i) {
                QCOMPARE(answer.press(c.keys[i]), c.outcomes[i]);
                QCOMPARE(answer.text(), c.texts[i]);
            }
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
            auto *screen = present<SumGame>(kCalculate, std::make_shared<Alarm>(), true);
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
        screen->pressKey(9); // not shown yet
        QCOMPARE(screen->resultText(), QStringLiteral("?"));
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        QCOMPARE(popped.count(), 11);
        QVERIFY(!popped.wait(3 * SumChallenge::kKeyPopIntervalMs)); // and no more
        for (int tag : {-1, 11, 12})                                // no such key
            screen->pressKey(tag);
        QCOMPARE(screen->resultText(), QStringLiteral("?"));

        const int wrong = screen->result() == 99 ? 98 : 99;
        screen->pressKey(wrong / 10);
        QCOMPARE(screen->lastKeySound(), SumChallenge::kButtonClickSound);
        screen->pressKey(wrong % 10);
        QCOMPARE(screen->resultText(), QString::number(wrong));
        QCOMPARE(screen->lastKeySound(), SumChallenge::kWrongAnswerSound);
        QVERIFY(screen->userInteractionEnabled() && !screen->isExiting());
        const QString problem = screen->arithmeticString();
        QVERIFY(typeAnswer(screen) && screen->isExiting()); // deletes the wrong answer, then types the right one
        QCOMPARE(screen->arithmeticString(), problem);
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
        ShownWindow window(AppWindow::Height::Short);
        QVERIFY(window.shown);
        auto *screen = presentSeeded(5, true);
        QTRY_COMPARE(screen->shownKeyCount(), 11);
        QList<QQuickItem *> keys;
        for (int tag = 0; tag < 11; ++tag)
            keys << window.item(QStringLiteral("key%1").arg(tag));
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

    // Each page shows its game's texts and rating (the list is always the whole catalogue).
    void pagesFromTheCatalogue()
    {
        QCOMPARE(picker->pageCount(), 5);
        const auto unlockers = UnlockerCatalogue::shared().all();
        for (int page = 0; page < 5; ++page) {
            picker->scrolledTo(page);
            QCOMPARE(picker->titleText(), unlockers[page]->title);
            QCOMPARE(picker->subtitleText(), unlockers[page]->subtitle);
            QCOMPARE(picker->gameLevel()->level(), unlockers[page]->gameLevel);
        }
        // The page in view is the nearest one; the texts fade out towards the
        // middle between two pages and in again, and stay while the strip bounces.
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

    // "Use" on another page chooses it, once, and tells the host (that the
    // choice is saved and survives scrolling on: the setting screen's tests);
    // nothing is used or shown mid-bounce past the last page. Only real pages
    // are scrolled to: animated, once the view gets there; at once without
    // animation (the setting screen opens on the alarm's game).
    void useAndScrollTellTheHost()
    {
        picker->setChosenUnlockerIndex(1);
        picker->scrolledTo(1);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        picker->useCurrentUnlocker(); // already chosen: nothing
        picker->scrolledTo(3);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
        picker->useCurrentUnlocker();
        picker->useCurrentUnlocker();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-use"));
        picker->preview();
        QCOMPARE(host.previews, QList<int>{3});
        picker->scrolledTo(4.6);
        picker->useCurrentUnlocker();
        picker->preview();
        QCOMPARE(host.uses, QList<int>{3});
        QCOMPARE(host.previews, QList<int>{3});

        QSignalSpy requested(picker.get(), &UnlockerPicker::scrollRequested);
        const int before = picker->currentPage();
        for (int index : {-1, 4, 5})
            picker->scrollToUnlocker(index, true);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first(), QVariantList({4, true}));
        QCOMPARE(picker->currentPage(), before); // not there until the view is
        picker->scrollToUnlocker(2, false);
        QCOMPARE(picker->currentPage(), 2);
        QCOMPARE(picker->titleText(), UnlockerCatalogue::shared().all().at(2)->title);
        QCOMPARE(picker->useButtonPicture(), QStringLiteral("clock-setting-not-use"));
    }

    // The first `level` of five marks are green, the rest grey; none shows a
    // picture before the first level, and levels above five are ignored.
    void levelRules()
    {
        const QString green = LevelMarks::kGreenMark, grey = LevelMarks::kGrayMark;
        LevelMarks view;
        view.setLevel(0);
        QCOMPARE(view.marks(), QStringList(5));
        const std::pair<int, QStringList> steps[] = {{3, {green, green, green, grey, grey}},
                                                     {6, {green, green, green, grey, grey}},
                                                     {1, {green, grey, grey, grey, grey}},
                                                     {0, QStringList(5, grey)}};
        for (const auto &[level, marks] : steps) {
            view.setLevel(level);
            QCOMPARE(view.marks(), marks);
        }
    }
};

QTEST_MAIN(TestUnlockScreen)
#include "tst_unlockscreen.moc"
