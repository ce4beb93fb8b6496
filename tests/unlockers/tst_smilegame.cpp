// The smile game played through its controller without a window: frames fed
// through a video sink the way the camera delivers them, the win by the
// second smile, the sum offered when the camera cannot help, and the camera
// released whenever the game is not on screen.
#include "FaceFrames.h"
#include "FeedFrameSource.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/smile/SmileGame.h"

#include <QElapsedTimer>
#include <QVideoSink>

#include <atomic>
#include <thread>

using namespace UnlockHarness;
using Trouble = SmileWatch::Trouble;
Q_DECLARE_METATYPE(SmileWatch::Trouble)

namespace {
const QVideoFrame &smileFrame()
{
    static const QVideoFrame frame
        = FaceFrames::frame(FaceFrames::scene(FaceFrames::smilingFace(), {352, 288}), QVideoFrameFormat::Format_NV12);
    return frame;
}
const QVideoFrame &noFaceFrame()
{
    static const QVideoFrame frame = FaceFrames::frame(FaceFrames::scene(FaceFrames::noFrontalFace(), {352, 288}),
                                                       QVideoFrameFormat::Format_BGRA8888);
    return frame;
}

// A camera streaming at about 30 frames a second until `done`.
bool stream(FeedFrameSource *camera, const QVideoFrame &frame, const std::function<bool()> &done,
            int timeoutMs = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        camera->deliver(frame);
        QTest::qWait(33);
    }
    return true;
}
} // namespace

class TestSmileGame : public QObject
{
    Q_OBJECT

private:
    struct Game
    {
        SmileGame *screen;
        FeedFrameSource *camera;
    };

    static Game presentGame(bool previewMode, SmileWatch::Options options = {})
    {
        auto *camera = new FeedFrameSource;
        auto *screen = new SmileGame(camera, options, 7u);
        auto alarm = std::make_shared<Alarm>();
        alarm->soundFile = QStringLiteral("Time Machine.mp3");
        screen->setAlarm(alarm);
        screen->setPreviewMode(previewMode);
        ModalLayer::shared().presentModal(screen, false, {});
        return {screen, camera};
    }

    static void close(SmileGame *screen)
    {
        screen->close(false);
        QTRY_VERIFY(!isPresented(screen));
    }

    static bool solveSum(SmileGame *screen)
    {
        SumChallenge *sum = screen->sumChallenge();
        if (!sum || !QTest::qWaitFor([&] { return sum->shownKeyCount() == 11; }, 5000))
            return false;
        for (QChar digit : QString::number(sum->result()))
            sum->pressKey(digit.digitValue());
        return screen->isExiting();
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        sound()->stop();
    }

    void smilingSleeperStopsTheAlarm()
    {
        auto [screen, camera] = presentGame(false);
        QPointer<SmileGame> guard(screen);
        WinRecorder recorder(screen);
        QVideoSink visor;
        screen->setPreviewSink(&visor);
        QVERIFY(camera->isActive());
        QVERIFY(screen->isUfoDriftRunning());
        QCOMPARE(screen->noticeText(), QStringLiteral("Smile into the camera to wake up"));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("starting the camera"));
        QStringList statuses;
        connect(screen, &SmileGame::cameraChanged, this, [&] {
            if (statuses.isEmpty() || statuses.last() != screen->cameraStatus())
                statuses << screen->cameraStatus();
        });
        camera->deliver(smileFrame());
        QTRY_VERIFY(screen->isCameraRunning());
        QVERIFY(visor.videoFrame().isValid()); // the visor shows the live picture
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->isExiting(); }));

        QCOMPARE(statuses, (QStringList{"looking for a face", "smile 1 of 2", "smile 2 of 2"}));
        QCOMPARE(screen->watch().analyser().analysedCount(), 2);
        QVERIFY(screen->shutterSounded());
        // The camera is let go the moment the game is won, and the visor forgets the face.
        QVERIFY(!camera->isActive());
        QVERIFY(!visor.videoFrame().isValid());
        QVERIFY(!screen->dismissButtonEnabled());
        QVERIFY(!screen->fallbackActive());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join(u'\n')));
    }

    // One smile, then a while without a frontal face, then the second smile.
    void secondSmileWinsAfterAPause()
    {
        auto [screen, camera] = presentGame(true);
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->watch().count().smiles() == 1; }));
        const int analysed = screen->watch().analyser().analysedCount();
        QVERIFY(stream(camera, noFaceFrame(),
                       [&] { return screen->watch().analyser().analysedCount() >= analysed + 2; }));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("smile 1 of 2"));
        QVERIFY(!screen->isExiting());
        QVERIFY(camera->isActive());
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->isExiting(); }));
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    void noFrontalFaceNeverWins()
    {
        auto [screen, camera] = presentGame(true);
        QVERIFY(stream(camera, noFaceFrame(), [&] { return screen->watch().analyser().analysedCount() >= 3; }));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("looking for a face"));
        QCOMPARE(screen->watch().count().smiles(), 0);
        QVERIFY(!screen->isExiting());
        QVERIFY(!screen->fallbackActive()); // a preview waits as long as the user likes
        close(screen);
    }

    // A camera delivers on its own thread, far faster than frames are
    // analysed: frames are dropped, nothing queues, and the smile still wins.
    void floodFromTheCameraThread()
    {
        auto [screen, camera] = presentGame(true);
        std::atomic<bool> stop = false;
        std::atomic<int> sent = 0;
        std::thread cameraThread([&] {
            while (!stop) {
                camera->deliver(smileFrame());
                ++sent;
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
        });
        const bool won = QTest::qWaitFor([&] { return screen->isExiting(); }, 15000);
        stop = true;
        cameraThread.join();
        QVERIFY(won);
        QCOMPARE(screen->watch().analyser().analysedCount(), 2);
        QVERIFY2(sent > 200, qPrintable(QString::number(sent)));
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    // No camera on this machine: the real camera source finds none, the
    // screen says so and the sum stops the alarm.
    void noCameraOffersTheSum()
    {
        auto *screen = new SmileGame(nullptr, {}, 11u);
        screen->setAlarm(std::make_shared<Alarm>());
        screen->setPreviewMode(false);
        QPointer<SmileGame> guard(screen);
        ModalLayer::shared().presentModal(screen, false, {});
        WinRecorder recorder(screen);
        QTRY_VERIFY(screen->fallbackActive());
        QCOMPARE(screen->trouble(), std::optional<Trouble>(Trouble::NoCamera));
        QCOMPARE(screen->noticeText(), QStringLiteral("No camera found. Solve the sum instead."));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("camera off"));
        QVERIFY(!screen->watch().source()->isActive());
        QVERIFY(!screen->sumChallenge()->arithmeticString().isEmpty());
        QVERIFY(solveSum(screen));
        QVERIFY(!screen->shutterSounded());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
    }

    void cameraTroubleOffersTheSum_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("notice");
        QTest::newRow("refused") << "refused" << Trouble::CameraRefused << "The camera could not be started.";
        QTest::newRow("unplugged") << "unplugged" << Trouble::CameraLost << "The camera stopped working.";
        QTest::newRow("never sends a picture") << "silent" << Trouble::CameraRefused
                                               << "The camera could not be started.";
        QTest::newRow("stops sending pictures") << "falls silent" << Trouble::CameraLost
                                                << "The camera stopped working.";
        QTest::newRow("pictures unreadable") << "garbage" << Trouble::Unreadable
                                             << "The camera's pictures cannot be read.";
        QTest::newRow("detector missing") << "no detector" << Trouble::NoDetector
                                          << "Face detection is not available.";
    }
    void cameraTroubleOffersTheSum()
    {
        QFETCH(QString, what);
        SmileWatch::Options options;
        options.silenceMs = 600;
        if (what == QLatin1String("no detector"))
            options.cascadeFolder = QStringLiteral("/nonexistent");
        auto [screen, camera] = presentGame(false, options);
        QVideoFrame garbage(QVideoFrameFormat(QSize(352, 288), QVideoFrameFormat::Format_Jpeg));
        garbage.map(QVideoFrame::WriteOnly);
        std::memset(garbage.bits(0), 0x33, size_t(garbage.mappedBytes(0)));
        garbage.unmap();

        if (what == QLatin1String("refused"))
            camera->breakDown(FrameSource::Failure::Refused);
        else if (what == QLatin1String("unplugged") || what == QLatin1String("falls silent"))
            QVERIFY(stream(camera, noFaceFrame(), [&] { return screen->watch().analyser().analysedCount() >= 1; }));
        if (what == QLatin1String("unplugged"))
            camera->breakDown(FrameSource::Failure::Lost);
        if (what == QLatin1String("garbage") || what == QLatin1String("no detector"))
            QVERIFY(stream(camera, what == QLatin1String("garbage") ? garbage : smileFrame(),
                           [&] { return screen->fallbackActive(); }));

        QTRY_VERIFY(screen->fallbackActive());
        QTEST(*screen->trouble(), "trouble");
        QFETCH(QString, notice);
        QCOMPARE(screen->noticeText(), notice + QStringLiteral(" Solve the sum instead."));
        QVERIFY(!camera->isActive());
        QVERIFY(!screen->isCameraRunning());
        // Frames after the fallback change nothing; the camera is not started again.
        camera->start();
        camera->deliver(smileFrame());
        QTest::qWait(50);
        QCOMPARE(screen->watch().count().smiles(), 0);
        QVERIFY(solveSum(screen));
        close(screen); // the whole win after the sum is followed in noCameraOffersTheSum
    }

    // While an alarm rings, a minute without a face brings the sum; a preview waits.
    void noFaceDeadlineOnlyWhileRinging_data()
    {
        QTest::addColumn<bool>("previewMode");
        QTest::newRow("ringing") << false;
        QTest::newRow("preview") << true;
    }
    void noFaceDeadlineOnlyWhileRinging()
    {
        QFETCH(bool, previewMode);
        SmileWatch::Options options;
        options.noFaceDeadlineMs = 800;
        auto [screen, camera] = presentGame(previewMode, options);
        stream(camera, noFaceFrame(), [&] { return screen->fallbackActive(); }, 2000);
        QCOMPARE(screen->fallbackActive(), !previewMode);
        if (previewMode) {
            close(screen);
            return;
        }
        QCOMPARE(screen->trouble(), std::optional<Trouble>(Trouble::NoFace));
        QCOMPARE(screen->noticeText(), QStringLiteral("No face seen for a minute. Solve the sum instead."));
        QVERIFY(solveSum(screen));
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    // Leaving the foreground lets go of the camera at once; coming back
    // starts it again and the first smile still counts.
    void backgroundReleasesTheCamera()
    {
        auto [screen, camera] = presentGame(false);
        QVideoSink visor;
        screen->setPreviewSink(&visor);
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->watch().count().smiles() == 1; }));
        Broadcaster &center = Broadcaster::shared();
        center.post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!camera->isActive());
        QCOMPARE(camera->stops, 1);
        QVERIFY(!screen->isCameraRunning());
        QVERIFY(!visor.videoFrame().isValid());
        QVERIFY(!screen->isUfoDriftRunning());
        center.post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(camera->isActive());
        QCOMPARE(camera->starts, 2);
        QVERIFY(screen->isUfoDriftRunning());
        QCOMPARE(screen->cameraStatus(), QStringLiteral("smile 1 of 2"));
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->isExiting(); }));
        QVERIFY(!camera->isActive());
        // Coming back after the win starts nothing again.
        center.post(ApplicationLifecycle::WillResignActive);
        center.post(ApplicationLifecycle::WillEnterForeground);
        QVERIFY(!camera->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    void backButtonReleasesTheCamera()
    {
        auto [screen, camera] = presentGame(true);
        camera->deliver(smileFrame());
        QTRY_VERIFY(screen->isCameraRunning());
        screen->dismiss();
        QVERIFY(!camera->isActive());
        QVERIFY(!screen->isUfoDriftRunning());
        QTRY_VERIFY(!isPresented(screen));
    }

    // Each drift step turns the UFOs round; one starts at once when the game
    // appears and again when it comes back from the background.
    void ufosDriftBothWays()
    {
        auto [screen, camera] = presentGame(true);
        QVERIFY(screen->isUfoDriftRunning());
        QVERIFY(screen->ufoFloatingUp());
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        QVERIFY(screen->ufoFloatingUp());
        Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(!screen->ufoFloatingUp());
        close(screen);
    }
};

QTEST_MAIN(TestSmileGame)
#include "tst_smilegame.moc"
