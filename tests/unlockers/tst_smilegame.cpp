// The smile game, its camera a frame source whose video sink the test feeds
// the way a camera delivers. Two smiles win and let go of the camera; a flood
// of frames from the camera's thread is dropped, not queued; when the camera
// cannot help (none, refused, unplugged, silent, unreadable, no detector, no
// face for a minute while ringing) the sum is offered and stops the alarm;
// the background and the back button release the camera at once. On the app's
// window: the camera picture in the visor, the status and notice as
// assistive technology reads them, and the sum won by taps on its keys.
#include "FaceFrames.h"
#include "FeedFrameSource.h"
#include "ItemLookup.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "assembly/AppWindow.h"
#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/smile/SmileGame.h"

#include <QAccessible>
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
bool stream(FeedFrameSource *camera, const QVideoFrame &frame, const std::function<bool()> &done, int timeoutMs = 15000)
{
    return QTest::qWaitFor(
        [&] {
            camera->deliver(frame);
            QTest::qWait(33);
            return done();
        },
        timeoutMs);
}

struct Game
{
    SmileGame *screen;
    FeedFrameSource *camera; // null: the real camera source, which finds none here
};

Game presentGame(bool previewMode, SmileWatch::Options options = {}, bool realCamera = false)
{
    auto *camera = realCamera ? nullptr : new FeedFrameSource;
    auto *screen = new SmileGame(camera, options, 7u);
    auto alarm = std::make_shared<Alarm>();
    alarm->soundFile = QStringLiteral("Time Machine.mp3");
    screen->setAlarm(alarm);
    screen->setPreviewMode(previewMode);
    ModalLayer::shared().presentModal(screen, false, {});
    return {screen, camera};
}

bool solveSum(SmileGame *screen)
{
    SumChallenge *sum = screen->sumChallenge();
    if (!sum || !QTest::qWaitFor([&] { return sum->shownKeyCount() == 11; }, 5000))
        return false;
    for (QChar digit : QString::number(sum->result()))
        sum->pressKey(digit.digitValue());
    return screen->isExiting();
}

QString accessibleText(QQuickItem *item, QAccessible::Text which = QAccessible::Name)
{
    QAccessibleInterface *accessible = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    return accessible ? accessible->text(which) : QString();
}

// How much the grey varies inside `area` (window pixels): a flat placeholder
// gives almost nothing, a photo a lot.
double variation(const QImage &shot, const QRect &area)
{
    double sum = 0, squares = 0, count = 0;
    for (int y = area.top() + 20; y < area.bottom() - 20; y += 3)
        for (int x = area.left() + 60; x < area.right() - 60; x += 3) {
            const int grey = qGray(shot.pixel(x, y));
            sum += grey;
            squares += grey * grey;
            ++count;
        }
    return squares / count - (sum / count) * (sum / count);
}
} // namespace

class TestSmileGame : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppWindow> window;

    bool showWindow(AppWindow::Height height = AppWindow::Height::Tall)
    {
        window = std::make_unique<AppWindow>(height);
        if (!window->load())
            return false;
        window->show();
        return QTest::qWaitForWindowExposed(window->window());
    }
    QQuickItem *item(const char *name) const { return findItem(window->window()->contentItem(), QLatin1String(name)); }

    static void close(SmileGame *screen)
    {
        screen->close(false);
        QTRY_VERIFY(!isPresented(screen));
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        sound()->stop();
    }
    void cleanup()
    {
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
        window.reset();
    }

    // Two smiles stop the alarm. Between them the app goes to the background:
    // the camera and the UFOs stop at once; back, the camera starts again, the
    // UFOs drift the other way and the first smile still counts. At the win
    // the camera is let go, the visor forgets the face, and nothing starts again.
    void smilingSleeperStopsTheAlarm()
    {
        auto [screen, camera] = presentGame(false);
        QPointer<SmileGame> guard(screen);
        WinRecorder recorder(screen);
        QVideoSink visor;
        screen->setPreviewSink(&visor);
        QVERIFY(camera->isActive());
        QVERIFY(screen->isUfoDriftRunning()); // a drift starts as the game appears
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
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->watch().count().smiles() == 1; }));
        QCOMPARE(statuses, (QStringList{"looking for a face", "smile 1 of 2"}));

        const bool up = screen->ufoFloatingUp();
        Broadcaster &center = Broadcaster::shared();
        center.post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!camera->isActive());
        QCOMPARE(camera->stops, 1);
        QVERIFY(!screen->isCameraRunning());
        QVERIFY(!visor.videoFrame().isValid());
        QVERIFY(!screen->isUfoDriftRunning());
        QCOMPARE(screen->ufoFloatingUp(), up);
        center.post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(camera->isActive());
        QCOMPARE(camera->starts, 2);
        QVERIFY(screen->isUfoDriftRunning());
        QCOMPARE(screen->ufoFloatingUp(), !up);
        QCOMPARE(screen->cameraStatus(), QStringLiteral("smile 1 of 2"));
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->isExiting(); }));

        QCOMPARE(statuses.last(), QStringLiteral("smile 2 of 2"));
        QCOMPARE(screen->watch().analyser().analysedCount(), 2);
        QVERIFY(screen->shutterSounded());
        QVERIFY(!camera->isActive());
        QVERIFY(!visor.videoFrame().isValid());
        QVERIFY(!screen->dismissButtonEnabled());
        QVERIFY(!screen->fallbackActive());
        center.post(ApplicationLifecycle::WillResignActive);
        center.post(ApplicationLifecycle::WillEnterForeground);
        QVERIFY(!camera->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join(u'\n')));
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

    void cameraTroubleOffersTheSum_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("notice");
        const QString refused = QStringLiteral("The camera could not be started.");
        const QString lost = QStringLiteral("The camera stopped working.");
        QTest::newRow("refused") << "refused" << Trouble::CameraRefused << refused;
        QTest::newRow("unplugged") << "unplugged" << Trouble::CameraLost << lost;
        QTest::newRow("never sends a picture") << "silent" << Trouble::CameraRefused << refused;
        QTest::newRow("stops sending pictures") << "falls silent" << Trouble::CameraLost << lost;
        QTest::newRow("pictures unreadable")
            << "garbage" << Trouble::Unreadable << "The camera's pictures cannot be read.";
        QTest::newRow("detector missing") << "no detector" << Trouble::NoDetector << "Face detection is not available.";
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
        close(screen); // the whole win after the sum: noCameraWonByTaps
    }

    // While an alarm rings, a minute without a frontal face brings the sum; a
    // preview goes on looking as long as the user likes.
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
        stream(camera, noFaceFrame(),
               [&] { return screen->fallbackActive() || screen->watch().analyser().analysedCount() >= 3; });
        QCOMPARE(screen->fallbackActive(), !previewMode);
        QCOMPARE(screen->watch().count().smiles(), 0);
        if (previewMode) {
            QCOMPARE(screen->cameraStatus(), QStringLiteral("looking for a face"));
            QVERIFY(!screen->isExiting());
            close(screen);
            return;
        }
        QCOMPARE(screen->trouble(), std::optional<Trouble>(Trouble::NoFace));
        QCOMPARE(screen->noticeText(), QStringLiteral("No face seen for a minute. Solve the sum instead."));
        QVERIFY(solveSum(screen));
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

    void cameraPictureInTheVisor_data()
    {
        QTest::addColumn<AppWindow::Height>("height");
        QTest::newRow("tall") << AppWindow::Height::Tall;
        QTest::newRow("short") << AppWindow::Height::Short;
    }
    void cameraPictureInTheVisor()
    {
        QFETCH(AppWindow::Height, height);
        QVERIFY(showWindow(height));
        auto [screen, camera] = presentGame(true);
        QTRY_VERIFY(screen->previewSink()); // the visor's video output takes the picture
        QQuickItem *visor = item("helmetPlaceholder");
        QQuickItem *status = item("cameraStatus");
        QVERIFY(visor && status && item("ufo1") && item("ufo2"));
        QCOMPARE(accessibleText(item("noticeLabel")), QStringLiteral("Smile into the camera to wake up"));
        QCOMPARE(accessibleText(status), QStringLiteral("Camera"));
        QCOMPARE(accessibleText(status, QAccessible::Description), QStringLiteral("starting the camera"));
        QVERIFY(stream(camera, smileFrame(), [&] { return screen->watch().count().smiles() == 1; }));
        QTRY_COMPARE(accessibleText(status, QAccessible::Description), QStringLiteral("smile 1 of 2"));
        QCOMPARE(status->property("text").toString(), QStringLiteral("smile 1 of 2"));
        const QImage shot = window->window()->grabWindow();
        const qreal scale = shot.width() / qreal(window->points().width());
        const QRectF area = sceneRect(visor);
        const QRect pixels(QPoint(int(area.left() * scale), int(area.top() * scale)), area.size().toSize() * scale);
        QVERIFY2(variation(shot, pixels) > 200, "the visor shows the camera picture");
        close(screen);
    }

    // No camera on this machine: the real camera source finds none, the
    // notice says so, and the sum, won by taps on the window, stops the alarm.
    void noCameraWonByTaps()
    {
        QVERIFY(showWindow());
        SmileGame *screen = presentGame(false, {}, true).screen;
        QPointer<SmileGame> guard(screen);
        WinRecorder recorder(screen);
        QTRY_VERIFY(screen->fallbackActive());
        QCOMPARE(screen->trouble(), std::optional<Trouble>(Trouble::NoCamera));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("camera off"));
        QVERIFY(!screen->watch().source()->isActive());
        SumChallenge *sum = screen->sumChallenge();
        QTRY_COMPARE(sum->shownKeyCount(), 11);
        QCOMPARE(accessibleText(item("noticeLabel")), QStringLiteral("No camera found. Solve the sum instead."));
        QQuickItem *problem = item("arithmeticLabel");
        QVERIFY(problem && problem->isVisible());
        QCOMPARE(accessibleText(problem), sum->arithmeticString());
        QVERIFY(!item("cameraStatus")->isVisible());
        for (QChar digit : QString::number(sum->result())) {
            QQuickItem *key = item(qPrintable(QStringLiteral("key%1").arg(digit)));
            QVERIFY(key);
            QTRY_VERIFY(key->isVisible() && key->opacity() > 0.99 && key->scale() > 0.99); // popped up
            QCOMPARE(accessibleText(key), QString(digit));
            QTest::mouseClick(window->window(), Qt::LeftButton, {}, sceneRect(key).center().toPoint());
        }
        QVERIFY(screen->isExiting());
        QVERIFY(!screen->shutterSounded());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
    }
};

QTEST_MAIN(TestSmileGame)
#include "tst_smilegame.moc"
