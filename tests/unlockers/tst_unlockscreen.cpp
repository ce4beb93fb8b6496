// The unlock screen base: back button, ring choice, keeping the screen on,
// background and return, and the win sequence of both games in both modes
// on the real audio pipeline.
#include "FakeScreenSaver.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "alarms/SoundCatalogue.h"
#include "platform/ApplicationLifecycle.h"
#include "sound/SoundResources.h"
#include "unlockers/ScreenSaverInhibitor.h"

using namespace UnlockHarness;
using Step = UnlockScreen::UnlockStep;

class TestUnlockScreen : public QObject
{
    Q_OBJECT

private:
    AlarmPtr alarm(const QString &ringFile = QStringLiteral("Satellite.mp3"))
    {
        auto a = std::make_shared<Alarm>();
        a->soundFile = ringFile;
        return a;
    }

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

    void ringSoundChoice_data()
    {
        QTest::addColumn<QString>("ringFile");
        QTest::addColumn<QString>("override");
        QTest::addColumn<QString>("expected"); // "" : any real catalogue sound
        QTest::newRow("the alarm's sound") << "UFO.mp3" << "" << "UFO.mp3";
        QTest::newRow("override wins") << "UFO.mp3" << "Stars.mp3" << "Stars.mp3";
        QTest::newRow("random marker rings a real sound") << "RandomSound" << "" << "";
        QTest::newRow("unknown file rings the first sound") << "Gone.mp3" << "" << SoundCatalogue::fileNames().first();
        QTest::newRow("no sound at all") << "" << "" << SoundCatalogue::fileNames().first();
    }
    void ringSoundChoice()
    {
        QFETCH(QString, ringFile);
        QFETCH(QString, override);
        QFETCH(QString, expected);
        TapGame screen;
        screen.setAlarm(alarm(ringFile));
        screen.setSoundFileName(override);
        const QString chosen = screen.ringSoundFile();
        if (expected.isEmpty()) {
            QVERIFY(chosen != SoundCatalogue::kRandomSoundMarker);
            QVERIFY(SoundCatalogue::fileNames().contains(chosen));
        } else {
            QCOMPARE(chosen, expected);
        }
        QVERIFY(!SoundResources::pathForSoundFile(chosen).isEmpty());
    }

    void keepsTheScreenOnWhileShown()
    {
        FakeScreenSaver saver;
        QVERIFY(saver.isPublished());
        UnlockScreen *screen = present(kCalculate, alarm(), true);
        QVERIFY(screen->isKeepingScreenOn());
        QCOMPARE(saver.service().activeCookies().size(), 1);
        screen->dismiss();
        QTRY_VERIFY(saver.service().activeCookies().isEmpty());
    }

    void withoutAScreenSaverTheGameStillRuns()
    {
        UnlockScreen *screen = present(kTap, alarm(), false);
        QVERIFY(!screen->isKeepingScreenOn());
        QTRY_VERIFY(sound()->playing());
        finish(screen);
    }

    void backButtonFadesOutAndCloses()
    {
        RingStatusFile::write(alarm());
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);
        UnlockScreen *screen = present(kTap, alarm(), true);
        QPointer<UnlockScreen> guard(screen);
        QTRY_VERIFY(sound()->playing());
        screen->dismiss();
        QVERIFY(!isPresented(guard));
        QTRY_VERIFY(!sound()->playing());
        for (const QList<QVariant> &post : posted)
            QVERIFY(post.first().toString() != AppCore::RingingAlarmStatusChanged);
        QVERIFY(RingStatusFile::exists());
    }

    void ringRestartsAfterTheBackground()
    {
        UnlockScreen *screen = present(kCalculate, alarm(), false);
        QTRY_VERIFY(sound()->playing());
        Broadcaster &center = Broadcaster::shared();
        center.post(ApplicationLifecycle::WillResignActive);
        // Something else stopped the ring while the app was away.
        sound()->stop();
        QVERIFY(!sound()->playing());
        center.post(ApplicationLifecycle::WillEnterForeground);
        center.post(ApplicationLifecycle::DidBecomeActive);
        QTRY_VERIFY(sound()->playing());
        AudioPlayer *restarted = sound()->audioPlayer();
        // Still playing: another return starts nothing new.
        center.post(ApplicationLifecycle::WillResignActive);
        center.post(ApplicationLifecycle::DidBecomeActive);
        QCOMPARE(sound()->audioPlayer(), restarted);
        QVERIFY(UnlockHarness::win(screen));
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

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
        QSignalSpy progress(screen, &UnlockScreen::unlockProgress);
        QPointer<UnlockScreen> guard(screen);

        QVERIFY(UnlockHarness::win(screen));
        QTRY_COMPARE_WITH_TIMEOUT(recorder.events, expectedWin(previewMode), kWinTimeoutMs);
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
        QCOMPARE(recorder.settleCount, previewMode ? 0 : 1);
        QCOMPARE(recorder.ringStatusAtClose, true);
        QCOMPARE(RingStatusFile::exists(), previewMode);
        QTRY_VERIFY(!guard); // the closed screen is gone for good
        QCOMPARE(recorder.events, expectedWin(previewMode));
    }

    void aSecondWinChangesNothing_data()
    {
        QTest::addColumn<QString>("className");
        QTest::newRow("tap") << kTap;
        QTest::newRow("calculate") << kCalculate;
    }
    void aSecondWinChangesNothing()
    {
        QFETCH(QString, className);
        UnlockScreen *screen = present(className, alarm(), false);
        QTRY_VERIFY(sound()->playing());
        WinRecorder recorder(screen);
        QVERIFY(UnlockHarness::win(screen));
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), kWinTimeoutMs);
        // The game reports the win again and again while the ending runs.
        for (int i = 0; i < 5; ++i) {
            screen->completeUnlock();
            UnlockHarness::win(screen);
        }
        QTRY_COMPARE_WITH_TIMEOUT(recorder.events, expectedWin(false), kWinTimeoutMs);
        QCOMPARE(recorder.settleCount, 1);
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
    }

    void nothingRestartsAfterTheWin()
    {
        UnlockScreen *screen = present(kTap, alarm(), false);
        QTRY_VERIFY(sound()->playing());
        QSignalSpy progress(screen, &UnlockScreen::unlockProgress);
        QVERIFY(UnlockHarness::win(screen));
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, kWinTimeoutMs); // the jingle plays
        AudioPlayer *jingle = sound()->audioPlayer();
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        Broadcaster::shared().post(ApplicationLifecycle::WillEnterForeground);
        QCOMPARE(sound()->audioPlayer(), jingle);
        QVERIFY(!static_cast<TapGame *>(screen)->isTimerRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }
};

QTEST_MAIN(TestUnlockScreen)
#include "tst_unlockscreen.moc"
