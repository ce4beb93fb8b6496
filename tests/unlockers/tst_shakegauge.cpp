// The shake game's rules without a window: the two-threshold shake test, the
// gauge fed with recorded accelerometer sequences (a real shake fills it in
// 50 steps; walking, knocks on the table, a stuck or broken sensor never do),
// and the drag stand-in's fast back-and-forth drags.
#include "MotionRecording.h"

#include "unlockers/games/shake/DragAcceleration.h"
#include "unlockers/games/shake/ShakeGauge.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <memory>
#include <vector>
#include <limits>

namespace {
struct Recorder : QObject
{
    explicit Recorder(ShakeGauge &gauge)
    {
        connect(&gauge.fill(), &FillGauge::levelChanged, this, [this](int level) {
            levels.append(level);
            highest = std::max(highest, level);
        });
        connect(&gauge.fill(), &FillGauge::activeChanged, this, [this](bool shaken) { shakenCount += shaken; });
    }
    QList<int> levels;
    int highest = 0;
    int shakenCount = 0;
};

QList<int> evenSteps(int from, int to)
{
    QList<int> steps;
    for (int level = from; level <= to; level += 2)
        steps.append(level);
    return steps;
}

} // namespace

class TestShakeGauge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!MotionRecording::load(QStringLiteral("shake.csv")).isEmpty());
    }

    void shakingNeedsTwoAxes_data()
    {
        QTest::addColumn<Acceleration>("change");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<bool>("shaking");
        QTest::newRow("0.8 g on x and y starts") << Acceleration{0.8, 0.8, 0} << 0.7 << true;
        QTest::newRow("0.8 g on y and z starts") << Acceleration{0, -0.8, 0.8} << 0.7 << true;
        QTest::newRow("0.8 g on x only does not") << Acceleration{0.8, 0, 0} << 0.7 << false;
        QTest::newRow("0.7 g exactly does not") << Acceleration{0.7, 0.7, 0.7} << 0.7 << false;
        QTest::newRow("0.3 g on two axes keeps it") << Acceleration{0.3, 0, 0.3} << 0.2 << true;
        QTest::newRow("0.2 g on all axes ends it") << Acceleration{0.2, 0.2, 0.2} << 0.2 << false;
    }
    void shakingNeedsTwoAxes()
    {
        QFETCH(Acceleration, change);
        QFETCH(double, threshold);
        const Acceleration rest{0.1, -0.2, -1};
        const Acceleration moved{rest.x + change.x, rest.y + change.y, rest.z + change.z};
        QTEST(Acceleration::isShaking(rest, moved, threshold), "shaking");
        QTEST(Acceleration::isShaking(moved, rest, threshold), "shaking");
    }

    void impossibleReadings_data()
    {
        QTest::addColumn<Acceleration>("reading");
        QTest::addColumn<bool>("plausible");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("resting") << Acceleration{0, 0, -1} << true;
        QTest::newRow("16 g") << Acceleration{16, -16, 16} << true;
        QTest::newRow("NaN") << Acceleration{0, nan, -1} << false;
        QTest::newRow("+inf") << Acceleration{inf, 0, 0} << false;
        QTest::newRow("-inf") << Acceleration{0, 0, -inf} << false;
        QTest::newRow("huge") << Acceleration{1e300, 0, 0} << false;
    }
    void impossibleReadings()
    {
        QFETCH(Acceleration, reading);
        QTEST(reading.isPlausible(), "plausible");
    }

    // A real shake: the gauge rises 2 by 2 to exactly 100 without falling
    // back once, before the shaking in the recording is over.
    void recordedShakeFillsTheGauge()
    {
        const QList<Acceleration> samples = MotionRecording::load(QStringLiteral("shake.csv"));
        ShakeGauge gauge;
        Recorder seen(gauge);
        QSignalSpy full(&gauge.fill(), &FillGauge::full);
        ReplaySource source(samples);
        gauge.listenTo(&source);
        source.start();
        QTRY_VERIFY_WITH_TIMEOUT(gauge.isFull(), 12000);
        QCOMPARE(seen.levels, evenSteps(2, 100));
        QCOMPARE(seen.shakenCount, 1);
        QVERIFY2(source.played() <= 10 + 70, "filled only after the shaking stopped");
        QCOMPARE(full.count(), 1);
        // Full: nothing more is read, the gauge neither drains nor reports again.
        QTest::qWait(500);
        QCOMPARE(gauge.level(), 100);
        QCOMPARE(full.count(), 1);
        QVERIFY(!gauge.fill().isTicking());
    }

    // Walking, a stuck value and knocks on the table, played side by side.
    void noiseNeverWins()
    {
        struct Case
        {
            const char *recording;
            int highest; // a knock shows as one jump and one back: two steps, then it drains
        };
        const Case cases[] = {{"jitter.csv", 0}, {"stuck.csv", 0}, {"spikes.csv", 6}};
        std::vector<std::unique_ptr<ShakeGauge>> gauges;
        std::vector<std::unique_ptr<Recorder>> seen;
        std::vector<std::unique_ptr<ReplaySource>> sources;
        for (const Case &c : cases) {
            gauges.push_back(std::make_unique<ShakeGauge>());
            seen.push_back(std::make_unique<Recorder>(*gauges.back()));
            sources.push_back(std::make_unique<ReplaySource>(MotionRecording::load(QString::fromLatin1(c.recording))));
            QVERIFY(sources.back()->start());
            gauges.back()->listenTo(sources.back().get());
        }
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(sources.cbegin(), sources.cend(), [](auto &s) { return s->finished(); }),
                                 10000);
        for (size_t i = 0; i < std::size(cases); ++i) {
            QVERIFY2(seen[i]->highest <= cases[i].highest,
                     qPrintable(QStringLiteral("%1 reached %2").arg(cases[i].recording).arg(seen[i]->highest)));
            QTRY_COMPARE(gauges[i]->level(), 0);
        }
    }

    // Non-numbers and impossible values in between are ignored; what is left
    // of a real shake still fills the gauge, and broken values alone never do.
    void brokenValuesAreIgnored()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QList<Acceleration> broken{{nan, nan, nan}, {inf, -inf, inf}, {1e300, -1e300, 1e300},
                                         {-1e9, 1e9, -1e9}, {0, nan, 0}};
        QList<Acceleration> onlyBroken;
        for (int i = 0; i < 60; ++i)
            onlyBroken.append(broken.at(i % broken.size()));
        QList<Acceleration> shakeWithGarbage;
        for (const Acceleration &sample : MotionRecording::load(QStringLiteral("shake.csv"))) {
            shakeWithGarbage.append(sample);
            shakeWithGarbage.append(broken.at(shakeWithGarbage.size() % broken.size()));
        }
        ShakeGauge gauge, second;
        Recorder seen(gauge);
        ReplaySource garbage(onlyBroken), source(shakeWithGarbage, 2);
        gauge.listenTo(&garbage);
        second.listenTo(&source);
        garbage.start();
        source.start();
        QTRY_VERIFY_WITH_TIMEOUT(second.isFull(), 12000);
        QTRY_VERIFY(garbage.finished());
        QCOMPARE(seen.highest, 0);
        QCOMPARE(seen.shakenCount, 0);
    }

    // The sensor falls silent in the middle of a shake: the gauge must not
    // go on filling by itself.
    void silenceMidShakeDrains()
    {
        const QList<Acceleration> shake = MotionRecording::load(QStringLiteral("shake.csv"));
        ShakeGauge gauge;
        Recorder seen(gauge);
        ReplaySource source(shake.mid(0, 30)); // 1 s still, 2 s of shaking, then nothing
        gauge.listenTo(&source);
        source.start();
        QTRY_VERIFY(source.finished());
        QVERIFY(gauge.isShaken());
        QTRY_VERIFY(!gauge.isShaken());
        QVERIFY(seen.highest < 50);
        QTRY_COMPARE(gauge.level(), 0);
    }

    void backgroundStartsAgainFromEmpty()
    {
        const QList<Acceleration> shake = MotionRecording::load(QStringLiteral("shake.csv"));
        ShakeGauge gauge;
        ReplaySource source(shake);
        gauge.listenTo(&source);
        source.start();
        QTRY_VERIFY(gauge.level() >= 20);
        gauge.pause();
        source.stop();
        const int paused = gauge.level();
        QTest::qWait(300);
        QCOMPARE(gauge.level(), paused);
        gauge.restart();
        QCOMPARE(gauge.level(), 0);
        QVERIFY(!gauge.isShaken());
        // The rest of the shake fills it from 0 again, every step counted.
        Recorder seen(gauge);
        source.start();
        QTRY_VERIFY_WITH_TIMEOUT(gauge.isFull() || source.finished(), 10000);
        QVERIFY(gauge.isFull());
        QCOMPARE(seen.levels, evenSteps(2, 100));
    }

    void evenDragDoesNotShake()
    {
        // Equal steps: no acceleration at all.
        const Acceleration even = DragAcceleration::sampleFor({0, 0}, {30, 10}, {60, 20}, 0.1);
        QCOMPARE(even, (Acceleration{0, 0, 0}));
        // A turn of the pointer shows on two axes whatever its direction.
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const double r = qDegreesToRadians(double(degrees));
            // 20 points one way and back in 0.1 s steps: a reversal of 2 g.
            const QPointF step(20 * std::cos(r), 20 * std::sin(r));
            const Acceleration turned = DragAcceleration::sampleFor(-step / 2, step / 2, -step / 2, 0.1);
            QVERIFY2(Acceleration::isShaking({}, turned, ShakeGauge::kStartThreshold), qPrintable(QString::number(degrees)));
        }
    }

    // The stand-in: fast back-and-forth drags fill the gauge, an even drag
    // across the window and a drag that stops do not.
    void dragsShakeTheGauge()
    {
        DragAcceleration drags;
        ShakeGauge gauge;
        gauge.listenTo(&drags);
        drags.start();
        QElapsedTimer clock;
        QTimer pointer;
        pointer.setInterval(15);
        double speed = 0; // points/s of an even drag, or 0 for back and forth
        connect(&pointer, &QTimer::timeout, &drags, [&] {
            const double t = clock.elapsed() / 1000.0;
            if (speed > 0)
                drags.pointerMoved({20 + std::fmod(speed * t, 280), 200});
            else // 40 points each way, 2.5 times a second, a little slanted
                drags.pointerMoved({160 + 40 * std::sin(2 * M_PI * 2.5 * t), 240 + 15 * std::sin(2 * M_PI * 2.5 * t)});
        });
        speed = 150;
        clock.start();
        pointer.start();
        QTest::qWait(1500);
        QCOMPARE(gauge.level(), 0);

        speed = 0;
        QTRY_VERIFY_WITH_TIMEOUT(gauge.level() >= 30, 6000);
        pointer.stop();
        drags.pointerReleased();
        QTRY_VERIFY(!gauge.isShaken());
        QTRY_COMPARE_WITH_TIMEOUT(gauge.level(), 0, 3000);

        pointer.start();
        QTRY_VERIFY_WITH_TIMEOUT(gauge.isFull(), 30000); // the pointer timer slows down on a loaded machine
    }

};

QTEST_GUILESS_MAIN(TestShakeGauge)
#include "tst_shakegauge.moc"
