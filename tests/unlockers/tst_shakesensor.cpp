// The accelerometer through Qt Sensors, from a backend registered with the
// sensor manager (the same path a phone's driver takes): readings in m/s²
// become g and fill the gauge; a sensor that falls silent, sticks or sends
// nonsense is noticed within 5 s and the challenge switches to the drag
// stand-in, which then wins; without any accelerometer it switches at once.
#include "MotionRecording.h"

#include "unlockers/games/shake/SensorAcceleration.h"
#include "unlockers/games/shake/SensorWatch.h"
#include "unlockers/games/shake/ShakeChallenge.h"

#include <QAccelerometer>
#include <QElapsedTimer>
#include <QSensorBackend>
#include <QSensorManager>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
const QByteArray kTestBackend = "test.accelerometer";

// An accelerometer driver that the test moves by hand, in m/s².
class HandBackend : public QSensorBackend
{
public:
    static inline HandBackend *current = nullptr;

    explicit HandBackend(QSensor *sensor) : QSensorBackend(sensor)
    {
        reading_ = setReading<QAccelerometerReading>(nullptr);
        addDataRate(1, 100);
        current = this;
    }
    ~HandBackend() override
    {
        if (current == this)
            current = nullptr;
    }
    void start() override { started = true; }
    void stop() override { started = false; }
    void push(const Acceleration &g)
    {
        reading_->setX(g.x * SensorAcceleration::kStandardGravity);
        reading_->setY(g.y * SensorAcceleration::kStandardGravity);
        reading_->setZ(g.z * SensorAcceleration::kStandardGravity);
        reading_->setTimestamp(++timestamp_);
        newReadingAvailable();
    }
    bool started = false;

private:
    QAccelerometerReading *reading_ = nullptr;
    quint64 timestamp_ = 0;
};

class HandBackendFactory : public QSensorBackendFactory
{
public:
    QSensorBackend *createBackend(QSensor *sensor) override { return new HandBackend(sensor); }
};

// Pushes `samples` through the hand-moved driver, one every 0.1 s.
class DriverFeed : public QObject
{
public:
    explicit DriverFeed(QList<Acceleration> samples) : samples_(std::move(samples))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (next_ < samples_.size() && HandBackend::current)
                HandBackend::current->push(samples_.at(next_++));
        });
        timer_.start(AccelerationSource::kSampleIntervalMs);
    }
    int next() const { return next_; }

private:
    QList<Acceleration> samples_;
    QTimer timer_;
    int next_ = 0;
};

// Back-and-forth drags of 40 points, 2.5 times a second, from a timer.
class Hand : public QObject
{
public:
    explicit Hand(DragAcceleration &drags)
    {
        clock_.start();
        connect(&timer_, &QTimer::timeout, this, [this, &drags] {
            drags.pointerMoved({160 + 40 * std::sin(2 * M_PI * 2.5 * clock_.elapsed() / 1000.0), 240});
        });
        timer_.start(15);
    }

private:
    QElapsedTimer clock_;
    QTimer timer_;
};
} // namespace

class TestShakeSensor : public QObject
{
    Q_OBJECT

private:
    HandBackendFactory factory_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!MotionRecording::load(QStringLiteral("shake.csv")).isEmpty());
        QSensorManager::registerBackend(QAccelerometer::sensorType, kTestBackend, &factory_);
    }

    // The accelerometer as Qt Sensors delivers it, from a registered backend.
    void accelerometerThroughQtSensors()
    {
        SensorAcceleration sensor;
        QVERIFY(sensor.start());
        QCOMPARE(sensor.backendIdentifier(), kTestBackend);
        QVERIFY(HandBackend::current && HandBackend::current->started);
        ShakeGauge gauge;
        gauge.listenTo(&sensor);
        SensorWatch watch(&sensor);
        QSignalSpy failed(&watch, &SensorWatch::failed);
        watch.start();
        QSignalSpy samples(&sensor, &AccelerationSource::sampled);
        const QList<Acceleration> shake = MotionRecording::load(QStringLiteral("shake.csv"));
        QTimer feed;
        int next = 0;
        connect(&feed, &QTimer::timeout, &feed, [&] {
            if (next < shake.size())
                HandBackend::current->push(shake.at(next++));
        });
        feed.start(AccelerationSource::kSampleIntervalMs);
        QTRY_VERIFY_WITH_TIMEOUT(gauge.isFull(), 12000);
        QVERIFY(failed.isEmpty());
        // m/s² arrive as g.
        const auto first = samples.first().first().value<Acceleration>();
        QVERIFY(qAbs(first.z - shake.first().z) < 1e-6);
        sensor.stop();
        QVERIFY(!HandBackend::current->started);
    }

    // A sensor that goes wrong mid-game is noticed within 5 s, with the reason.
    void watchNoticesABrokenSensor_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("reason");
        QTest::newRow("falls silent") << "shake.csv" << 20 << "The motion sensor stopped answering.";
        QTest::newRow("never answers") << "shake.csv" << 0 << "The motion sensor stopped answering.";
        QTest::newRow("stuck") << "stuck.csv" << 120 << "The motion sensor is stuck on one value.";
        QTest::newRow("nonsense") << "" << 120 << "The motion sensor sends readings that make no sense.";
    }
    void watchNoticesABrokenSensor()
    {
        QFETCH(QString, recording);
        QFETCH(int, played);
        QList<Acceleration> samples = recording.isEmpty()
            ? QList<Acceleration>(played, Acceleration{std::numeric_limits<double>::quiet_NaN(), 0, 0})
            : MotionRecording::load(recording).mid(0, played);
        ReplaySource sensor(samples);
        SensorWatch watch(&sensor);
        QSignalSpy failed(&watch, &SensorWatch::failed);
        QElapsedTimer clock;
        clock.start();
        watch.start();
        sensor.start();
        QVERIFY(failed.wait(8000));
        const qint64 failedAfter = clock.elapsed();
        QTEST(failed.first().first().toString(), "reason");
        // Counted from the last good sample, the report came within 5 s.
        const qint64 lastGoodAt = recording == QLatin1String("shake.csv") ? played * 100 : 0;
        QVERIFY2(failedAfter - lastGoodAt <= 5000, qPrintable(QString::number(failedAfter)));
        QVERIFY(watch.hasFailed());
    }

    void challengeShakenWithTheSensor()
    {
        ShakeChallenge challenge;
        QSignalSpy standIn(&challenge, &ShakeChallenge::standInStarted);
        challenge.start();
        QVERIFY(!challenge.usesStandIn());
        DriverFeed feed(MotionRecording::load(QStringLiteral("shake.csv")));
        QTRY_VERIFY_WITH_TIMEOUT(challenge.gauge().isFull(), 12000);
        QVERIFY(standIn.isEmpty());
        QVERIFY(!HandBackend::current->started); // full: the sensor is stopped
    }

    // The sensor dies after 2 s of shaking: the drags take over within 5 s,
    // the reason is given, and the drags win.
    void challengeSwitchesWhenTheSensorDies()
    {
        ShakeChallenge challenge;
        QSignalSpy standIn(&challenge, &ShakeChallenge::standInStarted);
        challenge.start();
        DriverFeed feed(MotionRecording::load(QStringLiteral("shake.csv")).mid(0, 30));
        QTRY_COMPARE(feed.next(), 30);
        QElapsedTimer sinceLast;
        sinceLast.start();
        QVERIFY(standIn.wait(6000));
        QVERIFY2(sinceLast.elapsed() <= 5000, qPrintable(QString::number(sinceLast.elapsed())));
        QCOMPARE(standIn.first().first().toString(), QStringLiteral("The motion sensor stopped answering."));
        QVERIFY(challenge.usesStandIn());
        QCOMPARE(challenge.standInReason(), QStringLiteral("The motion sensor stopped answering."));
        QTRY_COMPARE(challenge.gauge().level(), 0);
        Hand hand(challenge.drags());
        QTRY_VERIFY_WITH_TIMEOUT(challenge.gauge().isFull(), 10000);
    }

    void challengeWithoutAccelerometer()
    {
        // Only simulated backends are left: they count as no accelerometer.
        for (const QByteArray &id : QSensor::sensorsForType(QAccelerometer::sensorType))
            if (!id.startsWith("dummy."))
                QSensorManager::unregisterBackend(QAccelerometer::sensorType, id);
        ShakeChallenge challenge;
        QSignalSpy standIn(&challenge, &ShakeChallenge::standInStarted);
        challenge.start();
        QCOMPARE(standIn.count(), 1); // at once
        QCOMPARE(challenge.standInReason(), QStringLiteral("There is no motion sensor here."));
        // Background and back: still the stand-in, from an empty gauge.
        Hand hand(challenge.drags());
        QTRY_VERIFY(challenge.gauge().level() >= 10);
        challenge.pause();
        challenge.resume();
        QCOMPARE(challenge.gauge().level(), 0);
        QVERIFY(challenge.usesStandIn());
        QTRY_VERIFY_WITH_TIMEOUT(challenge.gauge().isFull(), 10000);
        QCOMPARE(standIn.count(), 1);
        QSensorManager::registerBackend(QAccelerometer::sensorType, kTestBackend, &factory_);
    }
};

QTEST_GUILESS_MAIN(TestShakeSensor)
#include "tst_shakesensor.moc"
