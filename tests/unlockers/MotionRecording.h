#pragma once
// Accelerometer sequences for the shake tests (motion/*.csv, made by
// motion/make-recordings.py), and a source that plays them back at the
// accelerometer's pace through the same interface the real sensor implements.
#include "unlockers/games/shake/AccelerationSource.h"

#include <QFile>
#include <QTimer>
#include <functional>

namespace MotionRecording {
inline QList<Acceleration> load(const QString &name)
{
    QList<Acceleration> samples;
    QFile file(qEnvironmentVariable("TOLVEK_SOURCE_DIR") + QStringLiteral("/tests/unlockers/motion/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return samples;
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split(',');
        if (parts.size() == 3)
            samples.append({parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble()});
    }
    return samples;
}
} // namespace MotionRecording

// Plays `perTick` samples every 0.1 s, then falls silent (a sensor that stopped).
class ReplaySource : public AccelerationSource
{
public:
    explicit ReplaySource(QList<Acceleration> samples, int perTick = 1, QObject *parent = nullptr)
        : AccelerationSource(parent),
          samples_(std::move(samples))
    {
        timer_.setInterval(kSampleIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, this, [this, perTick] {
            for (int i = 0; i < perTick && played_ < samples_.size(); ++i)
                Q_EMIT sampled(samples_.at(played_++));
            if (played_ >= samples_.size())
                timer_.stop();
        });
    }
    bool start() override
    {
        timer_.start();
        return true;
    }
    void stop() override { timer_.stop(); }
    bool isRunning() const { return timer_.isActive(); }
    bool finished() const { return played_ >= samples_.size(); }
    int played() const { return played_; }

private:
    QList<Acceleration> samples_;
    QTimer timer_;
    int played_ = 0;
};
