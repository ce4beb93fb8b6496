// The shake game's screen, its accelerometer a backend registered with Qt
// Sensors (the path a phone's driver takes): readings in m/s² arrive as g; a
// real shake fills the gauge while the fuelling sound plays, full flashes and
// launches the craft, then the screen closes; a sensor that falls silent,
// never answers, sticks or sends nonsense mid-game hands over to the drags
// within 5 s, with the reason; without an accelerometer the drags stand in at
// once and the background empties the gauge; back stops everything. And the
// rules without a window: the two-threshold shake test, the gauge fed with
// recorded accelerometer sequences (a real shake fills it in 50 steps;
// walking, knocks on the table, a stuck, broken or dying sensor never do),
// and the drag stand-in.
#include "MotionRecording.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "unlockers/games/shake/DragAcceleration.h"
#include "unlockers/games/shake/SensorAcceleration.h"
#include "unlockers/games/shake/ShakeGame.h"
#include "unlockers/games/shake/ShakeGauge.h"

#include <QAccelerometer>
#include <QElapsedTimer>
#include <QSensorBackend>
#include <QSensorManager>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace UnlockHarness;

namespace {
const QByteArray kTestBackend = "test.shake.accelerometer";
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

QList<Acceleration> load(const char *name) { return MotionRecording::load(QLatin1String(name)); }

// A recording played into a gauge of its own, with what the gauge showed.
struct Run
{
    Run(const QList<Acceleration> &samples, int perTick) : source(samples, perTick)
    {
        gauge.listenTo(&source);
        QObject::connect(&gauge.fill(), &FillGauge::levelChanged, &gauge, [this](int level) { levels << level; });
        QObject::connect(&gauge.fill(), &FillGauge::activeChanged, &gauge, [this](bool on) { shakenCount += on; });
        QObject::connect(&gauge.fill(), &FillGauge::full, &gauge, [this] { playedAtFull << source.played(); });
        source.start();
    }
    int highest() const { return levels.isEmpty() ? 0 : *std::max_element(levels.cbegin(), levels.cend()); }

    ShakeGauge gauge;
    ReplaySource source;
    QList<int> levels, playedAtFull;
    int shakenCount = 0;
};

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

ShakeGame *presentShake(bool previewMode) { return present<ShakeGame>(kShake, alarmRinging(), previewMode); }
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
        closeAll();
    }

    // The driver's readings in m/s² arrive as g. A real shake in ringing
    // mode: the gauge fills while the fuel sound plays; full, the sensor is
    // let go, the gauge flashes, the craft launches for 1.5 s and the screen closes.
    void shakenToTheWin()
    {
        withAccelerometer(load("shake.csv"));
        SensorAcceleration sensor;
        QSignalSpy samples(&sensor, &AccelerationSource::sampled);
        QVERIFY(sensor.start());
        QCOMPARE(sensor.backendIdentifier(), kTestBackend);
        QVERIFY(samples.wait());
        const auto first = samples.first().first().value<Acceleration>(), recorded = ReplayBackend::recording.first();
        QVERIFY(qAbs(first.x - recorded.x) + qAbs(first.y - recorded.y) + qAbs(first.z - recorded.z) < 1e-6);
        sensor.stop();
        QVERIFY(!ReplayBackend::current->replay.isRunning());

        ShakeGame *screen = presentShake(false);
        QPointer<ShakeGame> guard(screen);
        QVERIFY(!screen->usesStandIn());
        QCOMPARE(screen->noticeText(), QStringLiteral("Shake to launch"));
        QTRY_VERIFY_WITH_TIMEOUT(screen->isShaken(), 5000);
        QTRY_VERIFY(screen->isFuelSoundPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(screen->flashing(), 10000);
        QCOMPARE(screen->gaugeLevel(), 100); // the steps on the way: onlyARealShakeFillsTheGauge
        QVERIFY(!screen->isFuelSoundPlaying());
        QVERIFY(!ReplayBackend::current->replay.isRunning()); // full: the sensor is no longer read
        QCOMPARE(screen->glowOpacity(), 0.0);
        QTRY_VERIFY(screen->launching());
        QVERIFY(!screen->dismissButtonEnabled());
        QVERIFY(!screen->isExiting());                   // the craft flies for 1.5 s first
        QTRY_VERIFY_WITH_TIMEOUT(!guard, kWinTimeoutMs); // the win sequence itself: the alarm road's shake
    }

    // A sensor that goes wrong mid-game is noticed within 5 s of its last
    // good sample: the notice says why, what it had filled drains away, and
    // the drags fill the gauge.
    void brokenSensorHandsOverToTheDrags_data()
    {
        QTest::addColumn<QList<Acceleration>>("samples");
        QTest::addColumn<QString>("reason");
        const QString silent = QStringLiteral("The motion sensor stopped answering.");
        QTest::newRow("silent after 3 s of shaking") << load("shake.csv").mid(0, 30) << silent;
        QTest::newRow("never answers") << QList<Acceleration>() << silent;
        QTest::newRow("stuck") << load("stuck.csv") << QStringLiteral("The motion sensor is stuck on one value.");
        QTest::newRow("nonsense") << QList<Acceleration>(120, Acceleration{kNaN, 0, 0})
                                  << QStringLiteral("The motion sensor sends readings that make no sense.");
    }
    void brokenSensorHandsOverToTheDrags()
    {
        QFETCH(QList<Acceleration>, samples);
        QFETCH(QString, reason);
        withAccelerometer(samples);
        ShakeGame *screen = presentShake(true);
        QSignalSpy standIn(screen, &ShakeGame::standInChanged);
        QVERIFY(!screen->usesStandIn());
        QElapsedTimer sinceLastGood;
        sinceLastGood.start();
        if (QTest::currentDataTag() == QLatin1String("silent after 3 s of shaking")) {
            QTRY_VERIFY_WITH_TIMEOUT(screen->isShaken(), 4000);
            QTRY_COMPARE_WITH_TIMEOUT(ReplayBackend::current->replay.played(), 30, 5000);
            sinceLastGood.restart();
        }
        QVERIFY(standIn.wait(6000));
        QVERIFY2(sinceLastGood.elapsed() <= 5000, qPrintable(QString::number(sinceLastGood.elapsed())));
        QCOMPARE(screen->noticeText(), QStringLiteral("Drag fast to shake"));
        QVERIFY2(screen->standInText().startsWith(reason), qPrintable(screen->standInText()));
        QTRY_COMPARE(screen->gaugeLevel(), 0);
        Hand hand(screen);
        QTRY_VERIFY_WITH_TIMEOUT(screen->gaugeLevel() >= 20, 5000);
        QCOMPARE(standIn.count(), 1);
        screen->dismiss();
    }

    void withoutAccelerometerTheDragsStandIn()
    {
        ShakeGame *screen = presentShake(true);
        QCOMPARE(screen->standInText(), QStringLiteral("There is no motion sensor here. Drag the screen fast back "
                                                       "and forth to fill the gauge."));
        Hand hand(screen);
        QTRY_VERIFY_WITH_TIMEOUT(screen->gaugeLevel() >= 20, 5000);
        QVERIFY(screen->glowOpacity() > 0);
        // In the background the gauge stands still; back, it starts again empty
        // and the drags fill it (the win itself: the alarm road's shake by drags).
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!screen->isFuelSoundPlaying());
        QSignalSpy changed(screen, &ShakeGame::gaugeChanged);
        QVERIFY(!changed.wait(300));
        Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
        QCOMPARE(screen->gaugeLevel(), 0);
        QVERIFY(screen->usesStandIn());
        QTRY_VERIFY_WITH_TIMEOUT(screen->flashing(), 8000);
    }

    void backStopsEverything()
    {
        withAccelerometer(load("shake.csv"));
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

    // Two axes jumping by more than 0.7 g between samples start the shaking;
    // it lasts while two axes change by more than 0.2 g (readings that are no
    // numbers or beyond any real sensor: the broken values in the recordings).
    void shakeRules()
    {
        const Acceleration rest{0.1, -0.2, -1};
        const struct
        {
            Acceleration change;
            double threshold;
            bool shaking;
        } changes[] = {{{0.8, 0.8, 0}, 0.7, true},    {{0, -0.8, 0.8}, 0.7, true}, {{0.8, 0, 0}, 0.7, false},
                       {{0.7, 0.7, 0.7}, 0.7, false}, {{0.3, 0, 0.3}, 0.2, true},  {{0.2, 0.2, 0.2}, 0.2, false}};
        for (const auto &c : changes) {
            const Acceleration moved{rest.x + c.change.x, rest.y + c.change.y, rest.z + c.change.z};
            QCOMPARE(Acceleration::isShaking(rest, moved, c.threshold), c.shaking);
            QCOMPARE(Acceleration::isShaking(moved, rest, c.threshold), c.shaking);
        }
    }

    // Recordings played side by side. A real shake fills the gauge 2 by 2 to
    // exactly 100 before the shaking in it is over, even with broken values
    // in between; full, it reports once and reads nothing more. Walking, a
    // stuck value, broken values alone and a sensor that falls silent
    // mid-shake never fill it; a knock shows as one jump and one back (two
    // steps), and all of them drain back to 0.
    void onlyARealShakeFillsTheGauge()
    {
        const QList<Acceleration> shake = load("shake.csv");
        QVERIFY(!shake.isEmpty());
        const QList<Acceleration> broken{
            {kNaN, kNaN, kNaN}, {kInf, -kInf, kInf}, {1e300, -1e300, 1e300}, {-1e9, 1e9, -1e9}, {0, kNaN, 0}};
        QList<Acceleration> onlyBroken, shakeWithBroken;
        for (int i = 0; i < 60; ++i)
            onlyBroken << broken.at(i % broken.size());
        for (int i = 0; i < shake.size(); ++i)
            shakeWithBroken << shake.at(i) << broken.at(i % broken.size());
        struct Case
        {
            const char *name;
            QList<Acceleration> samples;
            int perTick; // samples played each 0.1 s
            int highest; // 100: fills
        };
        const Case cases[] = {{"shake", shake, 1, 100},
                              {"shake with broken values", shakeWithBroken, 2, 100},
                              {"walking", load("jitter.csv"), 1, 0},
                              {"stuck", load("stuck.csv"), 1, 0},
                              {"knocks", load("spikes.csv"), 1, 6},
                              {"broken values alone", onlyBroken, 1, 0},
                              {"silent after 2 s of shaking", shake.mid(0, 30), 1, 48}};
        std::vector<std::unique_ptr<Run>> runs;
        for (const Case &c : cases)
            runs.push_back(std::make_unique<Run>(c.samples, c.perTick));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(runs.cbegin(), runs.cend(), [](auto &r) { return r->source.finished(); }),
                                 15000);
        QList<int> filling;
        for (int level = 2; level <= 100; level += 2)
            filling << level;
        for (size_t i = 0; i < std::size(cases); ++i) {
            const Case &c = cases[i];
            Run &run = *runs[i];
            const QByteArray what = QByteArray(c.name) + " reached " + QByteArray::number(run.highest());
            if (c.highest == 100) {
                QVERIFY2(run.levels == filling, what.constData());
                QCOMPARE(run.playedAtFull.size(), 1);
                QVERIFY2(run.playedAtFull.first() <= 80 * c.perTick, "filled only after the shaking stopped");
                QCOMPARE(run.gauge.level(), 100);
                QVERIFY(!run.gauge.fill().isTicking());
            } else {
                QVERIFY2(run.highest() <= c.highest, what.constData());
                QCOMPARE(run.shakenCount > 0, c.highest > 0);
                QTRY_COMPARE(run.gauge.level(), 0);
                QVERIFY(!run.gauge.isShaken());
            }
        }
    }

    // The stand-in: an even drag never shakes; a turn of the pointer shows
    // on two axes whatever its direction (fast drags filling the gauge: the
    // drags standing in above, and the alarm road's shake on the window).
    void dragsShakeTheGauge()
    {
        QCOMPARE(DragAcceleration::sampleFor({0, 0}, {30, 10}, {60, 20}, 0.1), (Acceleration{0, 0, 0}));
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const double r = qDegreesToRadians(double(degrees));
            // 20 points one way and back in 0.1 s steps: a reversal of 2 g.
            const QPointF step(20 * std::cos(r), 20 * std::sin(r));
            const Acceleration turned = DragAcceleration::sampleFor(-step / 2, step / 2, -step / 2, 0.1);
            QVERIFY2(Acceleration::isShaking({}, turned, ShakeGauge::kStartThreshold),
                     qPrintable(QString::number(degrees)));
        }
    }
};

QTEST_MAIN(TestShakeGame)
#include "tst_shakegame.moc"
