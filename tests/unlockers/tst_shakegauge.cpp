// The shake game's rules without a window: the two-threshold shake test, the
// gauge fed with recorded accelerometer sequences (a real shake fills it in
// 50 steps; walking, knocks on the table, a stuck, broken or dying sensor
// never do), the watch that notices a sensor gone wrong within 5 s, and the
// drag stand-in.
#include "MotionRecording.h"

#include "unlockers/games/shake/DragAcceleration.h"
#include "unlockers/games/shake/SensorWatch.h"
#include "unlockers/games/shake/ShakeGauge.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {
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
} // namespace

class TestShakeGauge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two axes jumping by more than 0.7 g between samples start the shaking;
    // it lasts while two axes change by more than 0.2 g. Readings that are
    // no numbers or beyond any real sensor (16 g) are not plausible.
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
        for (const Acceleration &plausible : {Acceleration{0, 0, -1}, Acceleration{16, -16, 16}})
            QVERIFY(plausible.isPlausible());
        for (const Acceleration &impossible : {Acceleration{0, kNaN, -1}, Acceleration{kInf, 0, 0},
                                               Acceleration{0, 0, -kInf}, Acceleration{1e300, 0, 0}})
            QVERIFY(!impossible.isPlausible());
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

    // A sensor that goes wrong is noticed within 5 s of its last good
    // sample, with the reason: all four kinds played side by side.
    void watchNoticesABrokenSensor()
    {
        const QString silent = QStringLiteral("The motion sensor stopped answering.");
        struct Case
        {
            QList<Acceleration> samples;
            qint64 lastGoodMs;
            QString reason;
        };
        const Case cases[] = {{load("shake.csv").mid(0, 20), 2000, silent},
                              {{}, 0, silent},
                              {load("stuck.csv"), 0, QStringLiteral("The motion sensor is stuck on one value.")},
                              {QList<Acceleration>(120, Acceleration{kNaN, 0, 0}), 0,
                               QStringLiteral("The motion sensor sends readings that make no sense.")}};
        std::vector<std::unique_ptr<ReplaySource>> sensors;
        std::vector<std::unique_ptr<SensorWatch>> watches;
        QList<QStringList> reasons(std::size(cases));
        QList<qint64> failedAt(std::size(cases), -1);
        QElapsedTimer clock;
        clock.start();
        for (size_t i = 0; i < std::size(cases); ++i) {
            sensors.push_back(std::make_unique<ReplaySource>(cases[i].samples));
            watches.push_back(std::make_unique<SensorWatch>(sensors.back().get()));
            connect(watches.back().get(), &SensorWatch::failed, this, [&, i](const QString &reason) {
                reasons[i] << reason;
                failedAt[i] = clock.elapsed();
            });
            watches.back()->start();
            sensors.back()->start();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!failedAt.contains(-1), 8000);
        for (size_t i = 0; i < std::size(cases); ++i) {
            QCOMPARE(reasons[i], QStringList{cases[i].reason});
            QVERIFY2(failedAt[i] - cases[i].lastGoodMs <= 5000, qPrintable(QString::number(failedAt[i])));
            QVERIFY(watches[i]->hasFailed());
        }
    }

    // The stand-in: an even drag never shakes; a turn of the pointer shows
    // on two axes whatever its direction; fast back-and-forth drags fill the
    // gauge until the pointer is let go, when it drains.
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

        DragAcceleration drags;
        ShakeGauge gauge;
        gauge.listenTo(&drags);
        drags.start();
        QSignalSpy samples(&drags, &AccelerationSource::sampled);
        QSignalSpy shaken(&gauge.fill(), &FillGauge::activeChanged);
        QElapsedTimer clock;
        QTimer pointer;
        bool even = true;
        connect(&pointer, &QTimer::timeout, &drags, [&] {
            const double t = clock.elapsed() / 1000.0;
            if (even) // 150 points/s across the window
                drags.pointerMoved({20 + std::fmod(150 * t, 280), 200});
            else // 40 points each way, 2.5 times a second, a little slanted
                drags.pointerMoved({160 + 40 * std::sin(2 * M_PI * 2.5 * t), 240 + 15 * std::sin(2 * M_PI * 2.5 * t)});
        });
        clock.start();
        pointer.start(15);
        QTRY_VERIFY_WITH_TIMEOUT(samples.count() >= 15, 5000);
        QVERIFY(shaken.isEmpty());
        QCOMPARE(gauge.level(), 0);

        even = false;
        QTRY_VERIFY_WITH_TIMEOUT(gauge.level() >= 30, 6000);
        pointer.stop();
        drags.pointerReleased();
        QTRY_VERIFY(!gauge.isShaken());
        QTRY_COMPARE_WITH_TIMEOUT(gauge.level(), 0, 3000);
    }
};

QTEST_GUILESS_MAIN(TestShakeGauge)
#include "tst_shakegauge.moc"
