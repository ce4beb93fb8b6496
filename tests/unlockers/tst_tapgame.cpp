// The tap game: where the astronaut and the planet are at any moment, the
// tall-screen layout, the tap and its farewell, extra taps, and the stay in
// the background.
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "ui/ScreenMetrics.h"

#include <QtMath>

using namespace UnlockHarness;
using Tap = TapGame;

class TestTapGame : public QObject
{
    Q_OBJECT

private:
    static Tap *presentTap(bool previewMode)
    {
        auto alarm = std::make_shared<Alarm>();
        alarm->soundFile = QStringLiteral("Satellite.mp3");
        return qobject_cast<Tap *>(present(kTap, alarm, previewMode));
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kNormalMode);
    }

    void astronautPosition_data()
    {
        QTest::addColumn<bool>("floatingUp");
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<qreal>("y");
        QTest::newRow("start") << true << 0.0 << 100.0;
        QTest::newRow("up, 2 s") << true << 2.0 << 90.0;
        QTest::newRow("up, 4 s") << true << 4.0 << 80.0;
        QTest::newRow("down, 1 s") << false << 1.0 << 105.0;
        QTest::newRow("down, 4 s") << false << 4.0 << 120.0;
    }
    void astronautPosition()
    {
        QFETCH(bool, floatingUp);
        QFETCH(double, elapsed);
        QTEST(Tap::astronautYAfter(100, floatingUp, elapsed), "y");
    }

    void planetAngle_data()
    {
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<double>("angle");
        QTest::newRow("tapped at once") << 0.0 << 0.0;
        QTest::newRow("quarter turn") << 2.5 << M_PI / 2;
        QTest::newRow("half turn") << 5.0 << M_PI;
        QTest::newRow("almost round") << 9.9 << 2 * M_PI * 0.99;
    }
    void planetAngle()
    {
        QFETCH(double, elapsed);
        QFETCH(double, angle);
        QVERIFY(qAbs(Tap::planetAngleAfter(elapsed) - angle) < 1e-5);
    }

    void tallScreenMovesTheScene_data()
    {
        QTest::addColumn<QSize>("mode");
        QTest::addColumn<qreal>("offset");
        QTest::newRow("640 x 960") << ScreenMetrics::kNormalMode << 0.0;
        QTest::newRow("640 x 1136") << ScreenMetrics::kTallMode << 24.0;
        QTest::newRow("no mode") << QSize() << 0.0;
    }
    void tallScreenMovesTheScene()
    {
        QFETCH(QSize, mode);
        QFETCH(qreal, offset);
        ScreenMetrics::shared().setDisplayMode(mode);
        Tap screen;
        screen.loadIfNeeded();
        QCOMPARE(screen.planetFrame(), Tap::kPlanetFrame.translated(0, offset));
        QCOMPARE(screen.closeButtonFrame(), Tap::kCloseButtonFrame.translated(0, offset));
        QCOMPARE(screen.originalPlanetOriginY(), Tap::kAstronautFrame.y() + offset);
        QVERIFY(screen.backgroundPictureUrl().contains(offset ? "unlock-scene5-bg-568h" : "unlock-scene5-bg@2x"));
    }

    void sceneMovesWhileIdle()
    {
        Tap *screen = presentTap(true);
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 1);
        // The first float goes up by 20 points over 4 s.
        QVERIFY(screen->floatingUp());
        QCOMPARE(screen->astronautFrame().y(), screen->originalPlanetOriginY() - Tap::kFloatHeight);
        QCOMPARE(screen->astronautMoveDuration(), Tap::kAstronautFloatMs);
        QCOMPARE(screen->exclamationAlpha(), 0.0);
        screen->dismiss();
    }

    void theTapAndItsFarewell()
    {
        Tap *screen = presentTap(true);
        QPointer<Tap> guard(screen);
        QTest::qWait(500);
        QElapsedTimer clock;
        clock.start();
        screen->unlock();
        QVERIFY(screen->wasTapped());
        QVERIFY(!screen->isTimerRunning());
        QVERIFY(!screen->dismissButtonEnabled());
        QCOMPARE(screen->closeButtonAlpha(), 0.0);
        QVERIFY(screen->planetExiting());
        // About half a second into the first turn and the first float.
        QVERIFY(screen->planetExitStartAngle() > 0.1 && screen->planetExitStartAngle() < 1.5);
        const qreal y = screen->astronautFrame().y();
        QVERIFY(y < screen->originalPlanetOriginY() && y > screen->originalPlanetOriginY() - 20);
        QCOMPARE(screen->astronautMoveDuration(), 0);
        QCOMPARE(screen->exclamationAlpha(), 1.0);
        QCOMPARE(screen->exclamationFrame().y(), y - Tap::kExclamationFrame.height() + 8);
        QVERIFY(!screen->isExiting());
        // The planet spins away, then the astronaut drops below the bottom edge.
        QTRY_VERIFY_WITH_TIMEOUT(!screen->planetVisible(), 5000);
        QVERIFY(clock.elapsed() >= Tap::kPlanetExitMs - 50);
        QCOMPARE(screen->exclamationAlpha(), 0.0);
        QCOMPARE(screen->astronautFrame().y(), 480.0);
        QCOMPARE(screen->astronautMoveDuration(), Tap::kAstronautDropMs);
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
    }

    void extraTapsChangeNothing()
    {
        Tap *screen = presentTap(false);
        QSignalSpy scene(screen, &Tap::sceneChanged);
        screen->unlock();
        const int afterFirst = scene.count();
        const qreal angle = screen->planetExitStartAngle();
        const qreal y = screen->astronautFrame().y();
        for (int i = 0; i < 50; ++i) {
            QTest::qWait(i % 10 == 0 ? 30 : 0);
            screen->unlock();
        }
        QCOMPARE(scene.count(), afterFirst);
        QCOMPARE(screen->planetExitStartAngle(), angle);
        QCOMPARE(screen->astronautFrame().y(), y);
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 6000);
        screen->unlock();
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    void backgroundStopsAndRestartsTheScene()
    {
        Tap *screen = presentTap(false);
        Broadcaster &center = Broadcaster::shared();
        center.post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!screen->isTimerRunning());
        const int turns = screen->planetTurnCount();
        center.post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), turns + 1); // a turn starts at once
        // Going away mid-farewell and coming back does not bring the scene back.
        screen->unlock();
        center.post(ApplicationLifecycle::WillResignActive);
        center.post(ApplicationLifecycle::WillEnterForeground);
        QVERIFY(!screen->isTimerRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }
};

QTEST_MAIN(TestTapGame)
#include "tst_tapgame.moc"
