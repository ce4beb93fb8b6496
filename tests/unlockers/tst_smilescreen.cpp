// The smile game on the app's window, offscreen: the camera picture in the
// visor, the camera status and the notice as assistive technology reads
// them, the fallback sum played by taps on its keys. With
// TOLVEK_SCREENSHOT_DIR set, the window is also saved there as PNGs.
#include "FaceFrames.h"
#include "FeedFrameSource.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "assembly/AppWindow.h"
#include "unlockers/games/smile/SmileGame.h"

#include <QAccessible>
#include <QDir>
#include <QQuickItem>

using namespace UnlockHarness;

namespace {
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = findItem(child, name))
            return found;
    return nullptr;
}

QString accessibleText(QQuickItem *item, QAccessible::Text which)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
    return accessible ? accessible->text(which) : QString();
}

// How much the picture varies inside `area` (in window points): a flat
// placeholder gives almost nothing, a photo a lot.
double variation(const QImage &shot, const QRectF &area, qreal scale)
{
    const QRect pixels(int(area.x() * scale), int(area.y() * scale), int(area.width() * scale),
                       int(area.height() * scale));
    qint64 sum = 0, squares = 0, count = 0;
    for (int y = pixels.top() + 20; y < pixels.bottom() - 20; y += 3)
        for (int x = pixels.left() + 60; x < pixels.right() - 60; x += 3) {
            const int grey = qGray(shot.pixel(x, y));
            sum += grey;
            squares += grey * grey;
            ++count;
        }
    const double mean = double(sum) / count;
    return double(squares) / count - mean * mean;
}

void keep(const QImage &shot, const QString &name)
{
    const QString folder = qEnvironmentVariable("TOLVEK_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(shot.save(QDir(folder).filePath(name)));
}
} // namespace

class TestSmileScreen : public QObject
{
    Q_OBJECT

private:
    struct Shown
    {
        std::unique_ptr<AppWindow> window;
        SmileGame *screen;
        FeedFrameSource *camera;
    };

    static Shown show(AppWindow::Height height, bool previewMode)
    {
        Shown shown{std::make_unique<AppWindow>(height), nullptr, new FeedFrameSource};
        if (!shown.window->load())
            return shown;
        shown.window->show();
        if (!QTest::qWaitForWindowExposed(shown.window->window()))
            return shown;
        shown.screen = new SmileGame(shown.camera, {}, 5u);
        shown.screen->setAlarm(std::make_shared<Alarm>());
        shown.screen->setPreviewMode(previewMode);
        ModalLayer::shared().presentModal(shown.screen, false, {});
        return shown;
    }

    static QQuickItem *item(const Shown &shown, const char *name)
    {
        return findItem(shown.window->window()->contentItem(), QLatin1String(name));
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        sound()->stop();
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
        Shown shown = show(height, true);
        QVERIFY(shown.screen);
        QTRY_VERIFY(shown.screen->previewSink()); // the visor's video output takes the picture
        QQuickItem *visor = item(shown, "helmetPlaceholder");
        QQuickItem *status = item(shown, "cameraStatus");
        QQuickItem *notice = item(shown, "noticeLabel");
        QVERIFY(visor && status && notice && item(shown, "ufo1") && item(shown, "ufo2"));
        QCOMPARE(accessibleText(notice, QAccessible::Name), QStringLiteral("Smile into the camera to wake up"));
        QCOMPARE(accessibleText(status, QAccessible::Name), QStringLiteral("Camera"));
        QCOMPARE(accessibleText(status, QAccessible::Description), QStringLiteral("starting the camera"));

        const QVideoFrame face = FaceFrames::frame(FaceFrames::scene(FaceFrames::smilingFace(), {352, 288}),
                                                   QVideoFrameFormat::Format_BGRA8888);
        QVERIFY(QTest::qWaitFor(
            [&] {
                shown.camera->deliver(face);
                QTest::qWait(40);
                return shown.screen->watch().count().smiles() == 1;
            },
            10000));
        QTest::qWait(300); // the last frame on screen
        QCOMPARE(accessibleText(status, QAccessible::Description), QStringLiteral("smile 1 of 2"));
        QCOMPARE(status->property("text").toString(), QStringLiteral("smile 1 of 2"));

        const QImage shot = shown.window->window()->grabWindow();
        const qreal scale = shot.width() / qreal(shown.window->points().width());
        const QRectF visorArea = visor->mapRectToScene(QRectF(0, 0, visor->width(), visor->height()));
        QVERIFY2(variation(shot, visorArea, scale) > 200, "the visor shows the camera picture");
        keep(shot, QStringLiteral("smile-camera-%1.png").arg(QTest::currentDataTag()));
        shown.screen->dismiss();
        QTRY_VERIFY(!isPresented(shown.screen));
    }

    // No camera: the notice says so, and the sum is won by taps on the window.
    void fallbackWonByTaps()
    {
        Shown shown = show(AppWindow::Height::Tall, false);
        QVERIFY(shown.screen);
        QPointer<SmileGame> guard(shown.screen);
        shown.camera->breakDown(FrameSource::Failure::NoCamera);
        QTRY_VERIFY(shown.screen->fallbackActive());
        SumChallenge *sum = shown.screen->sumChallenge();
        QTRY_COMPARE(sum->shownKeyCount(), 11);
        QTest::qWait(500); // the last key has popped up
        QQuickItem *notice = item(shown, "noticeLabel");
        QCOMPARE(accessibleText(notice, QAccessible::Name),
                 QStringLiteral("No camera found. Solve the sum instead."));
        QQuickItem *problem = item(shown, "arithmeticLabel");
        QVERIFY(problem && problem->isVisible());
        QCOMPARE(accessibleText(problem, QAccessible::Name), sum->arithmeticString());
        QVERIFY(!item(shown, "cameraStatus")->isVisible());
        keep(shown.window->window()->grabWindow(), QStringLiteral("smile-fallback.png"));

        for (QChar digit : QString::number(sum->result())) {
            QQuickItem *key = item(shown, qPrintable(QStringLiteral("key%1").arg(digit)));
            QVERIFY(key);
            QCOMPARE(accessibleText(key, QAccessible::Name), QString(digit));
            QTest::mouseClick(shown.window->window(), Qt::LeftButton, {},
                              key->mapToScene(QPointF(key->width() / 2, key->height() / 2)).toPoint());
        }
        QVERIFY(shown.screen->isExiting());
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
    }
};

QTEST_MAIN(TestSmileScreen)
#include "tst_smilescreen.moc"
