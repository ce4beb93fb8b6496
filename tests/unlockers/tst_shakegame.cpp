// The shake game's screen: registered under its stored name; the
// accelerometer (a backend registered with Qt Sensors) fills the gauge while
// the fuelling sound plays, full flashes and launches the craft, then the win
// sequence runs once; without an accelerometer the drags stand in and the
// notice says so; the background empties the gauge; back closes everything.
#include "MotionRecording.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/shake/ShakeGame.h"

#include <QAccelerometer>
#include <QSensorBackend>
#include <QSensorManager>

using namespace UnlockHarness;

namespace {
const QByteArray kTestBackend = "test.shake.accelerometer";

// An accelerometer driver that replays a recording, in m/s², 10 times a second.
class ReplayBackend : public QSensorBackend
{
public:
    static inline QList<Acceleration> recording;
    static inline ReplayBackend *current = nullptr;

    explicit ReplayBackend(QSensor *sensor) : QSensorBackend(sensor)
    {
        reading_ = setReading<QAccelerometerReading>(nullptr);
        addDataRate(10, 10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (next_ >= recording.size())
                return;
            const Acceleration g = recording.at(next_++);
            reading_->setX(g.x * 9.80665);
            reading_->setY(g.y * 9.80665);
            reading_->setZ(g.z * 9.80665);
            reading_->setTimestamp(quint64(next_));
            newReadingAvailable();
        });
        current = this;
    }
    ~ReplayBackend() override
    {
        if (current == this)
            current = nullptr;
    }
    void start() override { timer_.start(100); }
    void stop() override { timer_.stop(); }
    bool running() const { return timer_.isActive(); }

private:
    QAccelerometerReading *reading_ = nullptr;
    QTimer timer_;
    int next_ = 0;
};

class ReplayFactory : public QSensorBackendFactory
{
public:
    QSensorBackend *createBackend(QSensor *sensor) override { return new ReplayBackend(sensor); }
};

ShakeGame *presentShake(bool previewMode)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->soundFile = QStringLiteral("Satellite.mp3");
    return qobject_cast<ShakeGame *>(present(kShake, alarm, previewMode));
}
} // namespace

class TestShakeGame : public QObject
{
    Q_OBJECT

private:
    ReplayFactory factory_;

    void withAccelerometer(const QString &recording)
    {
        ReplayBackend::recording = MotionRecording::load(recording);
        QSensorManager::registerBackend(QAccelerometer::sensorType, kTestBackend, &factory_);
    }

private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }
    void cleanup()
    {
        if (QSensorManager::isBackendRegistered(QAccelerometer::sensorType, kTestBackend))
            QSensorManager::unregisterBackend(QAccelerometer::sensorType, kTestBackend);
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
    }

    void registeredUnderItsStoredName()
    {
        QVERIFY(ScreenRegistry::shared().contains(StoredNames::kShakeScreen));
        ShakeGame *screen = presentShake(false);
        QVERIFY(screen);
        QCOMPARE(screen->className(), QStringLiteral("ShakeGame"));
        QVERIFY(sound()->playing());
        QVERIFY(sound()->audioPlayer()->isLooping());
        screen->dismiss();
    }

    // A real shake in ringing mode: the gauge fills 2 by 2 while the fuel
    // sound plays, flashes, launches, and the alarm is settled once.
    void shakenToTheWin()
    {
        withAccelerometer(QStringLiteral("shake.csv"));
        ShakeGame *screen = presentShake(false);
        QPointer<ShakeGame> guard(screen);
        WinRecorder recorder(screen);
        QVERIFY(!screen->usesStandIn());
        QCOMPARE(screen->noticeText(), QStringLiteral("Shake to launch"));
        QList<int> levels;
        connect(screen, &ShakeGame::gaugeChanged, this, [&] {
            if (levels.isEmpty() || levels.last() != screen->gaugeLevel())
                levels.append(screen->gaugeLevel());
        });
        QTRY_VERIFY_WITH_TIMEOUT(screen->isShaken(), 5000);
        QTRY_VERIFY(screen->isFuelSoundPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(screen->flashing(), 10000);
        QCOMPARE(levels.last(), 100);
        QVERIFY(levels.size() >= 50);
        QVERIFY(!screen->isFuelSoundPlaying());
        QVERIFY(!ReplayBackend::current->running()); // full: the sensor is no longer read
        QCOMPARE(screen->glowOpacity(), 0.0);
        QTRY_VERIFY(screen->launching());
        QVERIFY(!screen->dismissButtonEnabled());
        QVERIFY(!screen->isExiting()); // the craft flies for 1.5 s first
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
        QCOMPARE(recorder.settleCount, 1);
    }

    void withoutAccelerometerTheDragsStandIn()
    {
        ShakeGame *screen = presentShake(true);
        QVERIFY(screen->usesStandIn());
        QCOMPARE(screen->noticeText(), QStringLiteral("Drag fast to shake"));
        QCOMPARE(screen->standInText(), QStringLiteral("There is no motion sensor here. Drag the screen fast back "
                                                       "and forth to fill the gauge."));
        QElapsedTimer clock;
        clock.start();
        QTimer hand;
        connect(&hand, &QTimer::timeout, screen, [&] {
            screen->dragMoved(160 + 40 * std::sin(2 * M_PI * 2.5 * clock.elapsed() / 1000.0), 300);
        });
        hand.start(15);
        QTRY_VERIFY_WITH_TIMEOUT(screen->gaugeLevel() >= 20, 5000);
        QVERIFY(screen->glowOpacity() > 0);
        // Going to the background and back empties the gauge.
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        const int paused = screen->gaugeLevel();
        QVERIFY(!screen->isFuelSoundPlaying());
        QTest::qWait(300);
        QCOMPARE(screen->gaugeLevel(), paused);
        Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
        QCOMPARE(screen->gaugeLevel(), 0);
        QVERIFY(screen->usesStandIn());
        QTRY_VERIFY_WITH_TIMEOUT(screen->flashing(), 8000);
        hand.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    // The sensor stops after 2 s: the notice changes within 5 s and says why.
    void sensorDyingMidGame()
    {
        withAccelerometer(QStringLiteral("shake.csv"));
        ReplayBackend::recording = ReplayBackend::recording.mid(0, 30);
        ShakeGame *screen = presentShake(true);
        QSignalSpy standIn(screen, &ShakeGame::standInChanged);
        QVERIFY(!screen->usesStandIn());
        QTRY_VERIFY_WITH_TIMEOUT(screen->isShaken(), 4000);
        QVERIFY(standIn.wait(3000 + 5000));
        QCOMPARE(screen->noticeText(), QStringLiteral("Drag fast to shake"));
        QVERIFY(screen->standInText().startsWith(QStringLiteral("The motion sensor stopped answering.")));
        QTRY_COMPARE(screen->gaugeLevel(), 0); // what the dead sensor had filled drains away
        screen->dismiss();
    }

    void backStopsEverything()
    {
        withAccelerometer(QStringLiteral("shake.csv"));
        ShakeGame *screen = presentShake(true);
        QTRY_VERIFY_WITH_TIMEOUT(screen->isFuelSoundPlaying(), 5000);
        QVERIFY(ReplayBackend::current->running());
        screen->dismiss();
        QVERIFY(!ReplayBackend::current || !ReplayBackend::current->running());
        QVERIFY(!screen->isFuelSoundPlaying());
        const int level = screen->gaugeLevel();
        QTest::qWait(300);
        QCOMPARE(screen->gaugeLevel(), level);
        QTRY_VERIFY(!isPresented(screen));
    }
};

QTEST_MAIN(TestShakeGame)
#include "tst_shakegame.moc"
