// The smile game's eyes, without a window or a camera: camera frames of every
// pixel format made grey and small, unusable frames refused, frames turned
// upright, the face and smile detector on the committed photos at several
// sizes and turns, the win rule, and the analysis paced to one frame a
// second on a worker that outlives its games.
#include "FaceFrames.h"

#include "unlockers/games/smile/FaceSearch.h"
#include "unlockers/games/smile/FrameAnalyser.h"
#include "unlockers/games/smile/FrameTurn.h"
#include "unlockers/games/smile/GreyFrame.h"
#include "unlockers/games/smile/SmileCount.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <opencv2/core.hpp>

using Outcome = FrameFinding::Outcome;
using Format = QVideoFrameFormat::PixelFormat;
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
} // namespace

class TestSmileDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        const Outcome smile = Outcome::Smile, face = Outcome::Face, none = Outcome::NoFace, bad = Outcome::Unreadable;
        using Stage = SmileCount::Stage;
        const struct
        {
            QList<Outcome> frames;
            int winningFrame; // -1: not won
            Stage stage;
        } cases[] = {{{none, none}, -1, Stage::LookingForFace},
                     {{none, face}, -1, Stage::FaceSeen},
                     {{smile, face, none}, -1, Stage::Smiling},
                     {{smile, smile}, 1, Stage::Won},
                     {{face, smile, none, none, bad, face, none, smile}, 7, Stage::Won},
                     {{smile, smile, smile, none}, 1, Stage::Won}};
        for (const auto &c : cases) {
            SmileCount count;
            QList<int> wins;
            for (int i = 0; i < c.frames.size(); ++i)
                if (count.record(c.frames[i]))
                    wins << i;
            QCOMPARE(wins, c.winningFrame < 0 ? QList<int>{} : QList<int>{c.winningFrame});
            QCOMPARE(count.stage(), c.stage);
        }
    }

    // Frames offered faster than they can be analysed are dropped at once:
    // one analysis at a time, at most one a second, nothing queued.
    void analysisPacedToOneFrameASecond()
    {
        FrameAnalyser analyser;
        QSignalSpy analysed(&analyser, &FrameAnalyser::analysed);
        const QVideoFrame smile = turnedFrame(FaceFrames::smilingFace(), {352, 288}, 0);
        QElapsedTimer clock;
        clock.start();
        int offered = 0, taken = 0;
        while (clock.elapsed() < 2200) {
            taken += analyser.offer(smile, {});
            ++offered;
            QCoreApplication::processEvents();
        }
        QTRY_VERIFY(!analyser.isBusy());
        const qint64 seconds = clock.elapsed() / 1000;
        QVERIFY2(taken >= 2 && taken <= seconds + 1, qPrintable(QStringLiteral("%1 analysed").arg(taken)));
        QCOMPARE(analyser.analysedCount(), taken);
        QCOMPARE(analyser.droppedCount(), offered - taken);
        QCOMPARE(analysed.count(), taken);
        for (const QList<QVariant> &result : analysed)
            QCOMPARE(result.first().value<FrameFinding>().outcome, Outcome::Smile);
    }

    void analyserGoneBeforeItsResult()
    {
        auto *analyser = new FrameAnalyser;
        QVERIFY(analyser->offer(turnedFrame(FaceFrames::smilingFace(), {352, 288}, 0), {}));
        delete analyser; // must neither wait nor crash when the worker finishes
        QTest::qWait(300);
        FrameAnalyser next; // the worker still serves new games
        QSignalSpy analysed(&next, &FrameAnalyser::analysed);
        QVERIFY(next.offer(turnedFrame(FaceFrames::smilingFace(), {352, 288}, 0), {}));
        QVERIFY(analysed.wait(10000));
    }
};

QTEST_MAIN(TestSmileDetection)
#include "tst_smiledetection.moc"
