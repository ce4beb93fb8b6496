// The shake game's screen, its accelerometer a backend registered with Qt
// Sensors (the path a phone's driver takes): readings in m/s² arrive as g; a
// real shake fills the gauge while the fuelling sound plays, full flashes and
// launches the craft, then the screen closes; a sensor that dies
// mid-game hands over to the drags within 5 s, with the reason; without an
// accelerometer the drags stand in at once and the background empties the
// gauge; back stops everything.
#include "MotionRecording.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/shake/SensorAcceleration.h"
#include "unlockers/games/shake/ShakeGame.h"

#include <QAccelerometer>
#include <QElapsedTimer>
#include <QSensorBackend>
#include <QSensorManager>

using namespace UnlockHarness;

namespace {
const QByteArray kTestBackend = "test.shake.accelerometer";

// An accelerometer driver that plays a recording, in m/s², 10 times a second.
class ReplayBackend : public QSensorBackend
{
public:
    static inline QList<Acceleration> recording;
    static inline ReplayBackend *current = nullptr;

    explicit ReplayBackend(QSensor *sensor) : QSensorBackend(sensor), replay(recording)
    {
        auto *reading = setReading<QAccelerometerReading>(nullptr);
        addDataRate(10, 10);
        connect(&replay, &AccelerationSource::sampled, this, [this, reading](const Acceleration &g) {
            reading->setX(g.x * SensorAcceleration::kStandardGravity);
            reading->setY(g.y * SensorAcceleration::kStandardGravity);
            reading->setZ(g.z * SensorAcceleration::kStandardGravity);
            reading->setTimestamp(quint64(replay.played()));
            newReadingAvailable();
        });
        current = this;
    }
    ~ReplayBackend() override
    {
        if (current == this)
            current = nullptr;
    }
    void start() override { replay.start(); }
    void stop() override { replay.stop(); }
    ReplaySource replay;
};

class ReplayFactory : public QSensorBackendFactory
{
public:
    QSensorBackend *createBackend(QSensor *sensor) override { return new ReplayBackend(sensor); }
};

// Fast drags back and forth over 40 points, 2.5 times a second, while it lives.
class Hand : public QObject
{
public:
    explicit Hand(ShakeGame *screen)
    {
        clock_.start();
        connect(&timer_, &QTimer::timeout, screen, [this, screen] {
            screen->dragMoved(160 + 40 * std::sin(2 * M_PI * 2.5 * clock_.elapsed() / 1000.0), 300);
        });
        timer_.start(15);
    }

private:
    QElapsedTimer clock_;
    QTimer timer_;
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

    void withAccelerometer(const QList<Acceleration> &recording)
    {
        ReplayBackend::recording = recording;
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

    void readingsArriveInG()
    {
        withAccelerometer(MotionRecording::load(QStringLiteral("shake.csv")));
        SensorAcceleration sensor;
        QSignalSpy samples(&sensor, &AccelerationSource::sampled);
        QVERIFY(sensor.start());
        QCOMPARE(sensor.backendIdentifier(), kTestBackend);
        QVERIFY(samples.wait());
        const auto first = samples.first().first().value<Acceleration>();
        const Acceleration recorded = ReplayBackend::recording.first();
        QVERIFY(qAbs(first.x - recorded.x) + qAbs(first.y - recorded.y) + qAbs(first.z - recorded.z) < 1e-6);
        sensor.stop();
        QVERIFY(!ReplayBackend::current->replay.isRunning());
    }

    // A real shake in ringing mode: the gauge fills while the fuel sound
    // plays; full, the sensor is let go, the gauge flashes, the craft
    // launches for 1.5 s and the screen closes.
    void shakenToTheWin()
    {
        withAccelerometer(MotionRecording::load(QStringLiteral("shake.csv")));
        ShakeGame *screen = presentShake(false);
        QVERIFY(screen);
        QPointer<ShakeGame> guard(screen);
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
        QVERIFY(!ReplayBackend::current->replay.isRunning()); // full: the sensor is no longer read
        QCOMPARE(screen->glowOpacity(), 0.0);
        QTRY_VERIFY(screen->launching());
        QVERIFY(!screen->dismissButtonEnabled());
        QVERIFY(!screen->isExiting()); // the craft flies for 1.5 s first
        QTRY_VERIFY_WITH_TIMEOUT(screen->isExiting(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs); // the win sequence itself: the alarm road's shake
    }

    // The sensor stops after 2 s of shaking: within 5 s of its last sample the
    // notice says why, what it had filled drains away, and the drags fill the gauge.
    void sensorDyingMidGame()
    {
        withAccelerometer(MotionRecording::load(QStringLiteral("shake.csv")).mid(0, 30));
        ShakeGame *screen = presentShake(true);
        QSignalSpy standIn(screen, &ShakeGame::standInChanged);
        QVERIFY(!screen->usesStandIn());
        QTRY_VERIFY_WITH_TIMEOUT(screen->isShaken(), 4000);
        QTRY_COMPARE_WITH_TIMEOUT(ReplayBackend::current->replay.played(), 30, 5000);
        QElapsedTimer sinceLast;
        sinceLast.start();
        QVERIFY(standIn.wait(6000));
        QVERIFY2(sinceLast.elapsed() <= 5000, qPrintable(QString::number(sinceLast.elapsed())));
        QCOMPARE(screen->noticeText(), QStringLiteral("Drag fast to shake"));
        QVERIFY(screen->standInText().startsWith(QStringLiteral("The motion sensor stopped answering.")));
        QTRY_COMPARE(screen->gaugeLevel(), 0);
        Hand hand(screen);
        QTRY_VERIFY_WITH_TIMEOUT(screen->gaugeLevel() >= 20, 5000);
        screen->dismiss();
    }

    void withoutAccelerometerTheDragsStandIn()
    {
        ShakeGame *screen = presentShake(true);
        QVERIFY(screen->usesStandIn());
        QCOMPARE(screen->noticeText(), QStringLiteral("Drag fast to shake"));
        QCOMPARE(screen->standInText(), QStringLiteral("There is no motion sensor here. Drag the screen fast back "
                                                       "and forth to fill the gauge."));
        {
            Hand hand(screen);
            QTRY_VERIFY_WITH_TIMEOUT(screen->gaugeLevel() >= 20, 5000);
            QVERIFY(screen->glowOpacity() > 0);
            // In the background the gauge stands still; back, it starts again empty.
            Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
            QVERIFY(!screen->isFuelSoundPlaying());
            QSignalSpy changed(screen, &ShakeGame::gaugeChanged);
            QVERIFY(!changed.wait(300));
            Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
            QCOMPARE(screen->gaugeLevel(), 0);
            QVERIFY(screen->usesStandIn());
            QTRY_VERIFY_WITH_TIMEOUT(screen->flashing(), 8000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!isPresented(screen), kWinTimeoutMs);
    }

    void backStopsEverything()
    {
        withAccelerometer(MotionRecording::load(QStringLiteral("shake.csv")));
        ShakeGame *screen = presentShake(true);
        QTRY_VERIFY_WITH_TIMEOUT(screen->isFuelSoundPlaying(), 5000);
        QVERIFY(ReplayBackend::current->replay.isRunning());
        screen->dismiss();
        QVERIFY(!ReplayBackend::current || !ReplayBackend::current->replay.isRunning());
        QVERIFY(!screen->isFuelSoundPlaying());
        QSignalSpy changed(screen, &ShakeGame::gaugeChanged);
        QVERIFY(!changed.wait(300));
        QTRY_VERIFY(!isPresented(screen));
    }
};

QTEST_MAIN(TestShakeGame)
#include "tst_shakegame.moc"
