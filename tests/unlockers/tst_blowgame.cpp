// The blow game's screen on a real microphone (a PulseAudio pipe source fed
// with sox-made sound): registered under its stored name, it rings at once
// in ringing mode; blowing pushes the UFO away and the alarm is settled once;
// a preview on a muted output stays quiet; a silent microphone falls back to
// the tap challenge, which wins; the background closes the microphone and
// keeps the push.
#include "PipeMicrophone.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "sound/MediaVolume.h"
#include "sound/MuteProbe.h"
#include "unlockers/games/blow/BlowGame.h"

#include <QMediaDevices>

using namespace UnlockHarness;

namespace {
BlowGame *presentBlow(bool previewMode)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->soundFile = QStringLiteral("Satellite.mp3");
    return qobject_cast<BlowGame *>(present(kBlow, alarm, previewMode));
}
} // namespace

class TestBlowGame : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PipeMicrophone> microphone;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(MediaVolume::shared().hasAudioServer(), "run inside scripts/session-services.sh");
        microphone = std::make_unique<PipeMicrophone>(QStringLiteral("tolvek_game_mic"));
        QVERIFY(microphone->isReady());
        QTRY_VERIFY(QMediaDevices::defaultAudioInput().id() == "tolvek_game_mic");
        MediaVolume::shared().setVolume(1);
        QTRY_COMPARE(MediaVolume::shared().volume(), 1.0f);
    }
    void cleanupTestCase() { microphone.reset(); }
    void init()
    {
        TestSupport::wipeUserData();
        microphone->playInstead(Sox::quietRoom(30));
    }
    void cleanup()
    {
        MediaVolume::shared().setMuted(false);
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
    }

    // Ringing: the ring starts with the screen; 3.4 s of blowing push the UFO
    // away, it spins off for 2 s and the alarm is settled once.
    void blownAwayInRingingMode()
    {
        QVERIFY(ScreenRegistry::shared().contains(StoredNames::kBlowScreen));
        BlowGame *screen = presentBlow(false);
        QVERIFY(screen);
        QPointer<BlowGame> guard(screen);
        QVERIFY(screen->startedRing());
        QVERIFY(sound()->playing());
        QVERIFY(sound()->audioPlayer()->isLooping());
        QCOMPARE(screen->noticeText(), QStringLiteral("Blow the UFO away"));
        QVERIFY(screen->challenge().isListening());
        QCOMPARE(screen->ufoAngle(), BlowGame::kUfoStartAngle);
        WinRecorder recorder(screen);
        microphone->playInstead(Sox::quietRoom(1) + Sox::blow(5, -6) + Sox::quietRoom(10));
        QTRY_VERIFY_WITH_TIMEOUT(screen->isBlowing(), 4000);
        QTRY_VERIFY_WITH_TIMEOUT(screen->ufoLeaving(), 6000);
        QCOMPARE(screen->pushLevel(), 100);
        QVERIFY(qAbs(screen->ufoAngle() - (BlowGame::kUfoStartAngle + BlowGame::kUfoSweep)) < 1e-9);
        QVERIFY(!screen->challenge().isListening());
        QVERIFY(!screen->dismissButtonEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 4000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
        QCOMPARE(recorder.settleCount, 1);
    }

    // Stopping mid-push drifts the UFO back 3 per cent a step, to the start.
    void driftsBackWhenTheBlowingStops()
    {
        BlowGame *screen = presentBlow(true);
        microphone->playInstead(Sox::blow(1.6, -6) + Sox::quietRoom(10));
        QTRY_VERIFY_WITH_TIMEOUT(screen->pushLevel() >= 30, 4000);
        QTRY_VERIFY_WITH_TIMEOUT(!screen->isBlowing(), 4000);
        QVERIFY(screen->pushLevel() < 100);
        QList<int> drift;
        connect(screen, &BlowGame::pushChanged, this, [&] {
            if (drift.isEmpty() || drift.last() != screen->pushLevel())
                drift.append(screen->pushLevel());
        });
        QTRY_COMPARE_WITH_TIMEOUT(screen->pushLevel(), 0, 5000);
        for (int i = 1; i < drift.size(); ++i)
            QCOMPARE(drift[i - 1] - drift[i], 3);
        QCOMPARE(screen->ufoAngle(), BlowGame::kUfoStartAngle);
        QVERIFY(!screen->challenge().push().isTicking());
        screen->dismiss();
    }

    void previewOnAMutedOutputStaysQuiet()
    {
        QTRY_VERIFY(!sound()->playing()); // the last screen's ring has faded out
        MediaVolume::shared().setMuted(true);
        QTRY_VERIFY(MediaVolume::shared().isMuted());
        BlowGame *quiet = presentBlow(true);
        QTRY_VERIFY_WITH_TIMEOUT(MuteProbe::shared()->isMuted(), 3000);
        QTest::qWait(200);
        QVERIFY(!quiet->startedRing());
        QVERIFY(!sound()->playing());
        quiet->dismiss();

        MediaVolume::shared().setMuted(false);
        QTRY_VERIFY(!MediaVolume::shared().isMuted());
        BlowGame *heard = presentBlow(true);
        QTRY_VERIFY_WITH_TIMEOUT(heard->startedRing(), 3000);
        QVERIFY(sound()->playing());
        heard->dismiss();
    }

    // A microphone that hears nothing at all: within 5 s the notice says so,
    // the close button of the tap challenge takes over, and it wins.
    void silentMicrophoneFallsBackToTheTap()
    {
        BlowGame *screen = presentBlow(false);
        QPointer<BlowGame> guard(screen);
        WinRecorder recorder(screen);
        screen->closeTapped(); // no effect while the microphone serves
        QVERIFY(!screen->ufoLeaving());
        microphone->playInstead(Sox::digitalSilence(10));
        QSignalSpy fallback(screen, &BlowGame::fallbackChanged);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fallback.wait(6000));
        QVERIFY(clock.elapsed() <= 5000);
        QVERIFY(screen->usesFallback());
        QCOMPARE(screen->noticeText(), QStringLiteral("Tap Close to wake up"));
        QCOMPARE(screen->fallbackText(),
                 QStringLiteral("The microphone is muted or hears nothing. Tap Close to stop the alarm."));
        QVERIFY(sound()->playing()); // the alarm goes on ringing meanwhile
        screen->closeTapped();
        QVERIFY(screen->ufoLeaving());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QCOMPARE(recorder.settleCount, 1);
    }

    void backgroundClosesTheMicrophoneAndKeepsThePush()
    {
        BlowGame *screen = presentBlow(true);
        microphone->playInstead(Sox::blow(1.2, -6) + Sox::quietRoom(20));
        QTRY_VERIFY_WITH_TIMEOUT(screen->pushLevel() >= 15, 4000);
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!screen->challenge().isListening());
        const int kept = screen->pushLevel();
        QTest::qWait(400);
        QCOMPARE(screen->pushLevel(), kept);
        Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(screen->challenge().isListening());
        QVERIFY(!screen->usesFallback());
        QTRY_COMPARE_WITH_TIMEOUT(screen->pushLevel(), 0, 6000); // quiet room: it drifts back
        screen->dismiss();
    }
};

QTEST_MAIN(TestBlowGame)
#include "tst_blowgame.moc"
