// The smile game, its camera a frame source whose video sink the test feeds
// the way a camera delivers. Two smiles win and let go of the camera; a flood
// of frames from the camera's thread is dropped, not queued; when the camera
// cannot help (none, refused, unplugged, silent, unreadable, no detector, no
// face for a minute while ringing) the sum is offered and stops the alarm;
// the background and the back button release the camera at once. On the app's
// window: a preview with the camera picture in the visor and no deadline, the
// status and notice as assistive technology reads them, and the sum won by
// taps on its keys.
// Its eyes, without a window or a camera: camera frames of every pixel
// format made grey and small, unusable frames refused, frames turned
// upright, the face and smile detector on the committed photos at several
// sizes and turns, the win rule, and the worker that outlives its games.
#include "FaceFrames.h"
#include "FeedFrameSource.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/smile/FaceSearch.h"
#include "unlockers/games/smile/FrameAnalyser.h"
#include "unlockers/games/smile/FrameTurn.h"
#include "unlockers/games/smile/GreyFrame.h"
#include "unlockers/games/smile/SmileCount.h"
#include "unlockers/games/smile/SmileGame.h"

#include <QElapsedTimer>
#include <QVideoSink>
#include <atomic>
#include <opencv2/core.hpp>
#include <thread>

using namespace UnlockHarness;
using Trouble = SmileWatch::Trouble;
using Outcome = FrameFinding::Outcome;
using Format = QVideoFrameFormat::PixelFormat;
Q_DECLARE_METATYPE(SmileWatch::Trouble)
Q_DECLARE_METATYPE(QVideoFrameFormat::PixelFormat)
Q_DECLARE_METATYPE(FrameFinding::Outcome)

namespace {
QVideoFrame turnedFrame(const QImage &picture, QSize size, int turn)
{
    return FaceFrames::frame(FaceFrames::scene(picture, size, turn), Format::Format_BGRA8888);
}

// The reference grey: Qt's own conversion of the same picture, at the same size.
cv::Mat referenceGrey(const QImage &picture, QSize size)
{
    const QImage grey = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_Grayscale8);
    return cv::Mat(grey.height(), grey.width(), CV_8UC1, const_cast<uchar *>(grey.constBits()),
                   size_t(grey.bytesPerLine()))
        .clone();
}

const QVideoFrame &smileFrame()
{
    static const QVideoFrame frame
        = FaceFrames::frame(FaceFrames::scene(FaceFrames::smilingFace(), {352, 288}), Format::Format_NV12);
    return frame;
}
const QVideoFrame &noFaceFrame()
{
    static const QVideoFrame frame = turnedFrame(FaceFrames::noFrontalFace(), {352, 288}, 0);
    return frame;
}

// A camera streaming at about 30 frames a second until `done`.
bool stream(FeedFrameSource *camera, const QVideoFrame &frame, const std::function<bool()> &done)
{
    return QTest::qWaitFor(
        [&] {
            camera->deliver(frame);
            QTest::qWait(33);
            return done();
        },
        15000);
}

struct Game
{
    SmileGame *screen;
    FeedFrameSource *camera; // null: the real camera source, which finds none here
};

Game presentGame(bool previewMode, SmileWatch::Options options = {}, bool realCamera = false)
{
    auto *camera = realCamera ? nullptr : new FeedFrameSource;
    return {present(new SmileGame(camera, options, 7u), alarmRinging(QStringLiteral("Time Machine.mp3")), previewMode),
            camera};
}

bool solveSum(SmileGame *screen) { return typeAnswer(screen->sumChallenge()) && screen->isExiting(); }

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
    std::unique_ptr<ShownWindow> window;

    QQuickItem *item(const char *name) const { return window->item(QLatin1String(name)); }
    QString accessibleName(const char *name) const { return Reading(item(name)).name; }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        sound()->stop();
    }
    void cleanup()
    {
        closeAll();
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
    // analysed: frames are dropped, nothing queues, at most one is analysed a
    // second, and the smile still wins.
    void floodFromTheCameraThread()
    {
        auto [screen, camera] = presentGame(true);
        QElapsedTimer clock;
        clock.start();
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
        QVERIFY(clock.elapsed() >= FrameAnalyser::kIntervalMs); // the second smile a second after the first
        QCOMPARE(screen->watch().analyser().analysedCount(), 2);
        QVERIFY2(sent > 200, qPrintable(QString::number(sent)));
    }

    // When the camera cannot help, the sum is offered, and the notice says why.
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
        QTest::newRow("no face for a minute while ringing")
            << "no face" << Trouble::NoFace << "No face seen for a minute.";
    }
    void cameraTroubleOffersTheSum()
    {
        QFETCH(QString, what);
        SmileWatch::Options options;
        options.silenceMs = 600;
        if (what == QLatin1String("no detector"))
            options.cascadeFolder = QStringLiteral("/nonexistent");
        if (what == QLatin1String("no face"))
            options.noFaceDeadlineMs = 800;
        auto [screen, camera] = presentGame(false, options);
        QVideoFrame garbage(QVideoFrameFormat(QSize(352, 288), QVideoFrameFormat::Format_Jpeg));
        garbage.map(QVideoFrame::WriteOnly);
        std::memset(garbage.bits(0), 0x33, size_t(garbage.mappedBytes(0)));
        garbage.unmap();
        // The picture a camera that goes on sending sends until the sum shows.
        const QHash<QString, QVideoFrame> sent{
            {"garbage", garbage}, {"no detector", smileFrame()}, {"no face", noFaceFrame()}};

        if (what == QLatin1String("refused"))
            camera->breakDown(FrameSource::Failure::Refused);
        else if (what == QLatin1String("unplugged") || what == QLatin1String("falls silent"))
            QVERIFY(stream(camera, noFaceFrame(), [&] { return screen->watch().analyser().analysedCount() >= 1; }));
        if (what == QLatin1String("unplugged"))
            camera->breakDown(FrameSource::Failure::Lost);
        if (sent.contains(what))
            QVERIFY(stream(camera, sent.value(what), [&] { return screen->fallbackActive(); }));

        QTRY_VERIFY(screen->fallbackActive());
        QTEST(*screen->trouble(), "trouble");
        QFETCH(QString, notice);
        QCOMPARE(screen->noticeText(), notice + QStringLiteral(" Solve the sum instead."));
        QVERIFY(!camera->isActive());
        QVERIFY(!screen->isCameraRunning());
        // Frames after the fallback change nothing; the camera is not started again.
        camera->start();
        camera->deliver(smileFrame());
        QVERIFY(!QTest::qWaitFor([&] { return screen->watch().count().smiles() > 0; }, 300));
        QVERIFY(solveSum(screen)); // the whole win after the sum: noCameraWonByTaps
    }

    // A preview in either height of window: the camera picture in the visor,
    // the status read as assistive tools read it. It goes on looking for a
    // face as long as the user likes; back lets go of the camera at once.
    void previewInTheWindow()
    {
        SmileWatch::Options options;
        options.noFaceDeadlineMs = 800;
        for (const AppWindow::Height height : {AppWindow::Height::Tall, AppWindow::Height::Short}) {
            window = std::make_unique<ShownWindow>(height);
            QVERIFY(window->shown);
            auto [screen, camera] = presentGame(true, options);
            QTRY_VERIFY(screen->previewSink()); // the visor's video output takes the picture
            QQuickItem *visor = item("helmetPlaceholder");
            QVERIFY(visor && item("ufo1") && item("ufo2"));
            QCOMPARE(accessibleName("noticeLabel"), QStringLiteral("Smile into the camera to wake up"));
            QCOMPARE(accessibleName("cameraStatus"), QStringLiteral("Camera"));
            QCOMPARE(Reading(item("cameraStatus")).description, QStringLiteral("starting the camera"));
            stream(camera, noFaceFrame(),
                   [&] { return screen->fallbackActive() || screen->watch().analyser().analysedCount() >= 3; });
            QVERIFY(!screen->fallbackActive());
            QCOMPARE(screen->cameraStatus(), QStringLiteral("looking for a face"));
            QVERIFY(stream(camera, smileFrame(), [&] { return screen->watch().count().smiles() == 1; }));
            QTRY_COMPARE(Reading(item("cameraStatus")).description, QStringLiteral("smile 1 of 2"));
            QCOMPARE(item("cameraStatus")->property("text").toString(), QStringLiteral("smile 1 of 2"));
            const QImage shot = window->window()->grabWindow();
            const qreal scale = shot.width() / qreal(window->app.points().width());
            const QRectF area = sceneRect(visor);
            const QRect pixels((area.topLeft() * scale).toPoint(), (area.size() * scale).toSize());
            QVERIFY2(variation(shot, pixels) > 200, "the visor shows the camera picture");
            screen->dismiss();
            QVERIFY(!camera->isActive());
            QVERIFY(!screen->isUfoDriftRunning());
            QTRY_VERIFY(!isPresented(screen));
        }
    }

    // No camera on this machine: the real camera source finds none, the
    // notice says so, and the sum, won by taps on the window, stops the alarm.
    void noCameraWonByTaps()
    {
        window = std::make_unique<ShownWindow>();
        QVERIFY(window->shown);
        SmileGame *screen = presentGame(false, {}, true).screen;
        QPointer<SmileGame> guard(screen);
        WinRecorder recorder(screen);
        QTRY_VERIFY(screen->fallbackActive());
        QCOMPARE(screen->trouble(), std::optional<Trouble>(Trouble::NoCamera));
        QCOMPARE(screen->cameraStatus(), QStringLiteral("camera off"));
        QVERIFY(!screen->watch().source()->isActive());
        SumChallenge *sum = screen->sumChallenge();
        QTRY_COMPARE(sum->shownKeyCount(), 11);
        QCOMPARE(accessibleName("noticeLabel"), QStringLiteral("No camera found. Solve the sum instead."));
        QVERIFY(item("arithmeticLabel") && item("arithmeticLabel")->isVisible());
        QCOMPARE(accessibleName("arithmeticLabel"), sum->arithmeticString());
        QVERIFY(!item("cameraStatus")->isVisible());
        for (QChar digit : QString::number(sum->result())) {
            QQuickItem *key = item(qPrintable(QStringLiteral("key%1").arg(digit)));
            QVERIFY(key);
            QTRY_VERIFY(key->isVisible() && key->opacity() > 0.99 && key->scale() > 0.99); // popped up
            QCOMPARE(Reading(key).name, QString(digit));
            window->tap(key);
        }
        QVERIFY(screen->isExiting());
        QVERIFY(!screen->shutterSounded());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
    }

    // Every format a camera may deliver reads as the same grey picture.
    void everyFormatReadsAsGrey_data()
    {
        QTest::addColumn<Format>("format");
        for (Format f :
             {Format::Format_BGRA8888, Format::Format_BGRX8888, Format::Format_RGBA8888, Format::Format_RGBX8888,
              Format::Format_ARGB8888, Format::Format_XRGB8888, Format::Format_ABGR8888, Format::Format_XBGR8888,
              Format::Format_AYUV,     Format::Format_Y8,       Format::Format_NV12,     Format::Format_NV21,
              Format::Format_YUV420P,  Format::Format_YV12,     Format::Format_YUV422P,  Format::Format_IMC1,
              Format::Format_IMC2,     Format::Format_IMC3,     Format::Format_IMC4,     Format::Format_YUYV,
              Format::Format_UYVY,     Format::Format_Y16,      Format::Format_P010,     Format::Format_P016,
              Format::Format_Jpeg})
            QTest::newRow(qPrintable(QVideoFrameFormat::pixelFormatToString(f))) << f;
    }
    void everyFormatReadsAsGrey()
    {
        QFETCH(Format, format);
        const QImage picture = FaceFrames::scene(FaceFrames::smilingFace(), {704, 576});
        const GreyFrame::Result result = GreyFrame::fromVideoFrame(FaceFrames::frame(picture, format));
        QVERIFY2(result.problem.isEmpty(), qPrintable(result.problem));
        QCOMPARE(result.grey.type(), CV_8UC1);
        QCOMPARE(QSize(result.grey.cols, result.grey.rows), QSize(352, 288));
        cv::Mat difference;
        cv::absdiff(result.grey, referenceGrey(picture, {352, 288}), difference);
        const double mean = cv::mean(difference)[0];
        QVERIFY2(mean < 4.0, qPrintable(QStringLiteral("mean grey difference %1").arg(mean)));
    }

    void unusableFramesAreRefusedUnread_data()
    {
        QTest::addColumn<QVideoFrame>("frame");
        QTest::newRow("no frame") << QVideoFrame();
        QTest::newRow("0 x 0") << QVideoFrame(QVideoFrameFormat(QSize(0, 0), Format::Format_BGRA8888));
        QTest::newRow("wider than any camera")
            << QVideoFrame(QVideoFrameFormat(QSize(GreyFrame::kMaxSide + 1, 2), Format::Format_Y8));
        QTest::newRow("no pixel format") << QVideoFrame(QVideoFrameFormat(QSize(352, 288), Format::Format_Invalid));
        // Qt 6.4 lays out its own buffer for this 10-bit format with 8-bit lines.
        QTest::newRow("fewer bytes than the size needs")
            << QVideoFrame(QVideoFrameFormat(QSize(352, 288), Format::Format_YUV420P10));
        QTest::newRow("texture only") << QVideoFrame(
            QVideoFrameFormat(QSize(352, 288), Format::Format_SamplerExternalOES));
        QVideoFrame garbage(QVideoFrameFormat(QSize(352, 288), Format::Format_Jpeg));
        garbage.map(QVideoFrame::WriteOnly);
        std::memset(garbage.bits(0), 0x5a, size_t(garbage.mappedBytes(0)));
        garbage.unmap();
        QTest::newRow("JPEG that is not one") << garbage;
    }
    void unusableFramesAreRefusedUnread()
    {
        QFETCH(QVideoFrame, frame);
        const GreyFrame::Result result = GreyFrame::fromVideoFrame(frame);
        QVERIFY(result.grey.empty());
        QVERIFY(!result.problem.isEmpty());
        FaceSearch search;
        QCOMPARE(search.search(frame, {}).outcome, Outcome::Unreadable);
    }

    // Frames are analysed with a short side of 288, shape kept, never
    // enlarged, and never more than 512 x 288 pixels in all. An 8000 x 8000
    // frame is read scaled down, without a full-size copy, and still smiles.
    void analysisSizeAndHugeFrames()
    {
        const std::pair<QSize, QSize> sizes[] = {
            {{352, 288}, {352, 288}},   {{704, 576}, {352, 288}},   {{640, 480}, {384, 288}}, {{1280, 720}, {512, 288}},
            {{8000, 8000}, {288, 288}}, {{4000, 300}, {1402, 105}}, {{16000, 1}, {16000, 1}}};
        for (const auto &[frame, analysed] : sizes)
            QCOMPARE(GreyFrame::analysisSize(frame), analysed);
        const QVideoFrame huge = FaceFrames::frame(FaceFrames::smilingFace().scaled(8000, 8000), Format::Format_Y8);
        const GreyFrame::Result grey = GreyFrame::fromVideoFrame(huge);
        QCOMPARE(QSize(grey.grey.cols, grey.grey.rows), QSize(288, 288));
        FaceSearch search;
        QCOMPARE(search.search(huge, {}).outcome, Outcome::Smile);
    }

    // The turns tried: the last face's first, else what camera and screen
    // report; with both known, that turn alone.
    void turnsToTry()
    {
        using Turns = QList<int>;
        const std::optional<int> none;
        QCOMPARE(FrameTurn::turnsToTry({}, none), (Turns{0, 90, 270}));
        QCOMPARE(FrameTurn::turnsToTry({}, 270), (Turns{270, 0, 90}));
        QCOMPARE(FrameTurn::turnsToTry({}, 180), (Turns{0, 90, 270})); // not a turn searched without a report
        QCOMPARE(FrameTurn::turnsToTry({90, {}}, none), (Turns{90, 180, 0}));
        QCOMPARE(FrameTurn::turnsToTry({{}, 270}, none), (Turns{270, 0, 180}));
        QCOMPARE(FrameTurn::turnsToTry({270, 180}, 0), Turns{90});
    }

    // The photos as cameras of several sizes deliver them, held four ways.
    // Without any report of the turn, the smile is found upright and at either
    // quarter turn; a camera that reports its turn is followed all four ways,
    // upside down included. The man with the camera shows no frontal face at
    // any size or turn.
    void facesFoundUprightAndTurned_data()
    {
        QTest::addColumn<bool>("smiling");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("reported");
        QTest::addColumn<Outcome>("expected");
        for (QSize size : {QSize(176, 144), QSize(352, 288), QSize(640, 480), QSize(1280, 720)}) {
            for (int turn : {0, 90, 180, 270}) {
                const QString name = QStringLiteral("%1x%2 turned %3").arg(size.width()).arg(size.height()).arg(turn);
                QTest::newRow(qPrintable(name + QStringLiteral(" no face")))
                    << false << size << turn << false << Outcome::NoFace;
                if (size.width() < 352)
                    continue;
                QTest::newRow(qPrintable(name + QStringLiteral(" unreported")))
                    << true << size << turn << false << (turn == 180 ? Outcome::NoFace : Outcome::Smile);
                if (turn != 0) // reported upright is the same frame as unreported
                    QTest::newRow(qPrintable(name + QStringLiteral(" reported")))
                        << true << size << turn << true << Outcome::Smile;
            }
        }
    }
    void facesFoundUprightAndTurned()
    {
        QFETCH(bool, smiling);
        QFETCH(QSize, size);
        QFETCH(int, turn);
        QFETCH(bool, reported);
        QVideoFrame frame = turnedFrame(smiling ? FaceFrames::smilingFace() : FaceFrames::noFrontalFace(), size, turn);
        if (reported)
            frame.setRotationAngle(QVideoFrame::RotationAngle(turn));
        FaceSearch search;
        const FrameFinding found = search.search(frame, OrientationHint::of(frame, nullptr));
        QTEST(found.outcome, "expected");
        if (found.outcome == Outcome::Smile)
            QCOMPARE(found.turn, turn);
    }

    // Two smiling frames win, however far apart; nothing counts after the win.
    void secondSmilingFrameWins()
    {
        using enum FrameFinding::Outcome;
        using enum SmileCount::Stage;
        const QList<Outcome> frames{NoFace, Face, NoFace, Smile, NoFace, Unreadable, Face, Smile, Smile, NoFace};
        SmileCount count;
        QList<int> wins;
        QList<SmileCount::Stage> stages;
        for (int i = 0; i < frames.size(); ++i) {
            if (count.record(frames[i]))
                wins << i;
            stages << count.stage();
        }
        QCOMPARE(stages, (QList<SmileCount::Stage>{LookingForFace, FaceSeen, LookingForFace, Smiling, Smiling, Smiling,
                                                   Smiling, Won, Won, Won}));
        QCOMPARE(wins, QList<int>{7});
    }

    void analyserGoneBeforeItsResult()
    {
        auto *analyser = new FrameAnalyser;
        QVERIFY(analyser->offer(turnedFrame(FaceFrames::smilingFace(), {352, 288}, 0), {}));
        delete analyser;    // must neither wait nor crash when the worker finishes (before it serves the next)
        FrameAnalyser next; // the worker still serves new games
        QSignalSpy analysed(&next, &FrameAnalyser::analysed);
        QVERIFY(next.offer(turnedFrame(FaceFrames::smilingFace(), {352, 288}, 0), {}));
        QVERIFY(analysed.wait(10000));
    }
};

QTEST_MAIN(TestSmileGame)
#include "tst_smilegame.moc"
