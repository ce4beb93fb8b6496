// The unlock screen base, played with the tap and sum games: the back button
// only in preview mode, the ring choice, keeping the screen on, the ring
// after the background, and the win sequence in both modes on the real audio
// pipeline, run once however often the game reports it. The tap game: the
// scene resting in the background, and the tap and its farewell as they look
// in the window.
#include "FakeScreenSaver.h"
#include "ItemLookup.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "alarms/SoundCatalogue.h"
#include "assembly/AppWindow.h"
#include "platform/ApplicationLifecycle.h"
#include "sound/SoundResources.h"

#include <QElapsedTimer>

using namespace UnlockHarness;

namespace {
AlarmPtr alarm(const QString &ringFile = QStringLiteral("Satellite.mp3"))
{
    auto a = std::make_shared<Alarm>();
    a->soundFile = ringFile;
    return a;
}

void post(std::initializer_list<QString> names)
{
    for (const QString &name : names)
        Broadcaster::shared().post(name);
}
} // namespace

class TestUnlockScreen : public QObject
{
    Q_OBJECT

private:
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
    }

    void backButtonOnlyInPreviewMode()
    {
        for (const bool previewMode : {false, true}) {
            const AlarmPtr original = alarm();
            UnlockScreen *screen = present(kCalculate, original, previewMode);
            QCOMPARE(screen->hasDismissButton(), previewMode);
            QVERIFY(!screen->noticeText().isEmpty());
            // The screen works on its own copy of the alarm.
            original->soundFile = QStringLiteral("UFO.mp3");
            QCOMPARE(screen->alarm()->soundFile, QStringLiteral("Satellite.mp3"));
            finish(screen);
        }
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
            screen.setAlarm(alarm(c.ringFile));
            screen.setSoundFileName(c.override);
            const QString chosen = screen.ringSoundFile();
            if (c.expected.isEmpty())
                QVERIFY(SoundCatalogue::fileNames().contains(chosen) && chosen != SoundCatalogue::kRandomSoundMarker);
            else
                QCOMPARE(chosen, c.expected);
            QVERIFY(!SoundResources::pathForSoundFile(chosen).isEmpty());
        }
    }

    // Without a screen saver on the bus the game still rings; with one, the
    // screen is kept on while the game shows and let go when it closes.
    void keepsTheScreenOnWhileShown()
    {
        UnlockScreen *alone = present(kTap, alarm(), false);
        QVERIFY(!alone->isKeepingScreenOn());
        QTRY_VERIFY(sound()->playing());
        finish(alone);

        FakeScreenSaver saver;
        QVERIFY(saver.isPublished());
        UnlockScreen *screen = present(kCalculate, alarm(), true);
        QVERIFY(screen->isKeepingScreenOn());
        QCOMPARE(saver.service().activeCookies().size(), 1);
        screen->dismiss();
        QTRY_VERIFY(saver.service().activeCookies().isEmpty());
    }

    // Back fades the ring out and closes; the ringing alarm is not settled.
    void backButtonFadesOutAndCloses()
    {
        RingStatusFile::write(alarm());
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);
        UnlockScreen *screen = present(kTap, alarm(), true);
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
        UnlockScreen *screen = present(kCalculate, alarm(), false);
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
        const AlarmPtr ringing = alarm();
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

    // The tap game's planet turns and its astronaut floats up at once; the
    // background stops them, the return starts a new turn at once.
    void tapSceneRestsInTheBackground()
    {
        auto *screen = qobject_cast<TapGame *>(present(kTap, alarm(), false));
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 1);
        QVERIFY(screen->floatingUp());
        post({ApplicationLifecycle::WillResignActive});
        QVERIFY(!screen->isTimerRunning());
        post({ApplicationLifecycle::DidBecomeActive});
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 2);
        finish(screen);
    }

    // In the window: the astronaut floats, stops where it is when tapped with
    // the exclamation mark on its head, and stays there while the planet
    // spins away (a stay in the background meanwhile brings nothing back);
    // then it falls below the window's bottom edge. Each phase lasts at least
    // as long as the view's animation of it; further taps change nothing.
    void tapFarewellOnScreen()
    {
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        auto *screen = qobject_cast<TapGame *>(present(kTap, alarm(), true));
        QPointer<TapGame> guard(screen);
        QQuickItem *root = window.window()->contentItem();
        QQuickItem *astronaut = findItem(root, QStringLiteral("astronautIllustrate"));
        QQuickItem *mark = findItem(root, QStringLiteral("exclamationMarkImageView"));
        QQuickItem *planet = findItem(root, QStringLiteral("planetIllustrate"));
        QQuickItem *closeButton = findItem(root, QStringLiteral("closeButton"));
        QVERIFY(astronaut && mark && planet && closeButton);
        QVERIFY(root->boundingRect().contains(sceneRect(closeButton)));
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
        QCOMPARE(sceneRect(astronaut), stopped);
        QCOMPARE(phases.count(), 1);
        QVERIFY(phases.wait(5000));
        QCOMPARE(screen->phase(), TapGame::Phase::AstronautFalling);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs - 20);
        QCOMPARE(sceneRect(astronaut), stopped);
        QVERIFY(!planet->isVisible());
        QCOMPARE(mark->opacity(), 0.0);
        QVERIFY(!screen->isExiting());
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 5000);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs + TapGame::kAstronautDropMs - 20);
        screen->unlock();
        QCOMPARE(phases.count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(sceneRect(astronaut).top() >= window.window()->height(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
    }
};

QTEST_MAIN(TestUnlockScreen)
#include "tst_unlockscreen.moc"
