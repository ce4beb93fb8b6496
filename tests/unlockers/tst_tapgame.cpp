// The tap game: the scene turning and floating while nobody taps, the stay
// in the background, the tap and its farewell (in its phases and as it looks
// in the window), and extra taps.
#include "ItemLookup.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "assembly/AppWindow.h"
#include "platform/ApplicationLifecycle.h"

#include <QElapsedTimer>

using namespace UnlockHarness;

class TestTapGame : public QObject
{
    Q_OBJECT

private:
    static TapGame *presentTap(bool previewMode)
    {
        auto alarm = std::make_shared<Alarm>();
        alarm->soundFile = QStringLiteral("Satellite.mp3");
        return qobject_cast<TapGame *>(present(kTap, alarm, previewMode));
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    void sceneMovesUntilTheTapAndRestsInTheBackground()
    {
        TapGame *screen = presentTap(false);
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 1);
        QVERIFY(screen->floatingUp()); // the first float goes up
        Broadcaster &center = Broadcaster::shared();
        center.post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!screen->isTimerRunning());
        center.post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(screen->isTimerRunning());
        QCOMPARE(screen->planetTurnCount(), 2); // a turn starts at once
        // Going away mid-farewell and coming back does not bring the scene back.
        screen->unlock();
        center.post(ApplicationLifecycle::WillResignActive);
        center.post(ApplicationLifecycle::WillEnterForeground);
        QVERIFY(!screen->isTimerRunning());
        QCOMPARE(screen->phase(), TapGame::Phase::PlanetLeaving);
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    // The planet leaves, then the astronaut falls, each phase lasting at
    // least as long as the view's animation of it; further taps change nothing.
    void theTapAndItsFarewell()
    {
        TapGame *screen = presentTap(true);
        QPointer<TapGame> guard(screen);
        QSignalSpy phases(screen, &TapGame::phaseChanged);
        QElapsedTimer clock;
        clock.start();
        screen->unlock();
        QCOMPARE(screen->phase(), TapGame::Phase::PlanetLeaving);
        QVERIFY(!screen->isTimerRunning());
        QVERIFY(!screen->dismissButtonEnabled());
        for (int i = 0; i < 20; ++i)
            screen->unlock();
        QTRY_COMPARE_WITH_TIMEOUT(phases.count(), 2, 10000);
        QCOMPARE(screen->phase(), TapGame::Phase::AstronautFalling);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs - 20);
        QVERIFY(!screen->isExiting());
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 5000);
        QVERIFY(clock.elapsed() >= TapGame::kPlanetExitMs + TapGame::kAstronautDropMs - 20);
        screen->unlock();
        QCOMPARE(phases.count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
    }

    // In the window: the astronaut floats, stops where it is when tapped with
    // the exclamation mark on its head, stays there while the planet spins
    // away, and ends below the window's bottom edge.
    void theFarewellOnScreen()
    {
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        TapGame *screen = presentTap(true);
        QQuickItem *root = window.window()->contentItem();
        QQuickItem *astronaut = findItem(root, QStringLiteral("astronautIllustrate"));
        QQuickItem *mark = findItem(root, QStringLiteral("exclamationMarkImageView"));
        QQuickItem *planet = findItem(root, QStringLiteral("planetIllustrate"));
        QQuickItem *closeButton = findItem(root, QStringLiteral("closeButton"));
        QVERIFY(astronaut && mark && planet && closeButton);
        const QRectF start = sceneRect(astronaut);
        QVERIFY(window.window()->contentItem()->boundingRect().contains(sceneRect(closeButton)));
        QCOMPARE(mark->opacity(), 0.0);
        QTRY_VERIFY(sceneRect(astronaut).top() < start.top() - 2); // floating up

        screen->unlock();
        const QRectF stopped = sceneRect(astronaut);
        QVERIFY(stopped.top() < start.top() && stopped.top() >= start.top() - 20);
        QCOMPARE(mark->opacity(), 1.0);
        const QRectF markRect = sceneRect(mark);
        QVERIFY(markRect.bottom() > stopped.top() && markRect.top() < stopped.top());
        QVERIFY(qAbs(markRect.center().x() - stopped.center().x()) < 1);

        QSignalSpy phases(screen, &TapGame::phaseChanged);
        QTRY_VERIFY_WITH_TIMEOUT(planet->scale() < 0.5, 5000); // spinning away
        QCOMPARE(sceneRect(astronaut), stopped);
        QVERIFY(phases.wait(5000));
        QCOMPARE(sceneRect(astronaut), stopped);
        QVERIFY(!planet->isVisible());
        QCOMPARE(mark->opacity(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(sceneRect(astronaut).top() >= window.window()->height(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }
};

QTEST_MAIN(TestTapGame)
#include "tst_tapgame.moc"
