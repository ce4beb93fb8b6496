#include "unlockers/games/shake/SensorAcceleration.h"

#include <QAccelerometer>

namespace {
QByteArray realBackend()
{
    const QByteArray preferred = QSensor::defaultSensorForType(QAccelerometer::sensorType);
    QList<QByteArray> candidates = QSensor::sensorsForType(QAccelerometer::sensorType);
    candidates.removeAll(preferred);
    candidates.prepend(preferred);
    for (const QByteArray &id : candidates)
        if (!id.isEmpty() && !id.startsWith("dummy."))
            return id;
    return {};
}
} // namespace

SensorAcceleration::SensorAcceleration(QObject *parent) : AccelerationSource(parent) { }

QByteArray SensorAcceleration::backendIdentifier() const { return sensor_ ? sensor_->identifier() : QByteArray(); }

bool SensorAcceleration::start()
{
    if (!sensor_) {
        const QByteArray id = realBackend();
        if (id.isEmpty()) {
            setFailureReason(tr("There is no motion sensor here."));
            return false;
        }
        sensor_ = new QAccelerometer(this);
        sensor_->setIdentifier(id);
        sensor_->setAccelerationMode(QAccelerometer::Combined);
        connect(sensor_, &QSensor::readingChanged, this, &SensorAcceleration::readingChanged);
        if (!sensor_->connectToBackend()) {
            setFailureReason(tr("The motion sensor cannot be reached."));
            return false;
        }
        sensor_->setDataRate(1000 / kSampleIntervalMs);
    }
    if (!sensor_->start()) {
        setFailureReason(tr("The motion sensor does not start."));
        return false;
    }
    return true;
}

void SensorAcceleration::stop()
{
    if (sensor_)
        sensor_->stop();
}

void SensorAcceleration::readingChanged()
{
    const QAccelerometerReading *reading = sensor_->reading();
    // A little under the interval, so a backend running at exactly 10 Hz loses nothing.
    constexpr int kThinningMs = kSampleIntervalMs * 9 / 10;
    if (!reading || (sinceSample_.isValid() && sinceSample_.elapsed() < kThinningMs))
        return;
    sinceSample_.start();
    Q_EMIT sampled({reading->x() / kStandardGravity, reading->y() / kStandardGravity, reading->z() / kStandardGravity});
}
