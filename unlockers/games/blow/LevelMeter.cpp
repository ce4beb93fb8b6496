#include "unlockers/games/blow/LevelMeter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
template<typename Sample>
Sample load(const char *p)
{
    Sample value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// One sample as a fraction of full scale.
double normalised(const char *p, QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return (int(load<quint8>(p)) - 128) / 128.0;
    case QAudioFormat::Int16:
        return load<qint16>(p) / 32768.0;
    case QAudioFormat::Int32:
        return load<qint32>(p) / 2147483648.0;
    case QAudioFormat::Float:
        return load<float>(p);
    default:
        return 0;
    }
}
} // namespace

void LevelMeter::setFormat(const QAudioFormat &format)
{
    format_ = format;
    partialFrame_.clear();
    const int channels = std::max(format.channelCount(), 0);
    sumOfSquares_ = QList<double>(channels, 0.0);
    counted_ = QList<qint64>(channels, 0);
    peak_ = 0;
    frames_ = 0;
}

void LevelMeter::add(const char *data, qint64 size)
{
    const int frameBytes = format_.bytesPerFrame();
    if (frameBytes <= 0 || size <= 0)
        return;
    if (!partialFrame_.isEmpty()) {
        const qint64 missing = std::min<qint64>(frameBytes - partialFrame_.size(), size);
        partialFrame_.append(data, missing);
        data += missing;
        size -= missing;
        if (partialFrame_.size() < frameBytes)
            return;
        addFrames(partialFrame_.constData(), 1);
        partialFrame_.clear();
    }
    const qint64 whole = size / frameBytes;
    addFrames(data, whole);
    partialFrame_.append(data + whole * frameBytes, size - whole * frameBytes);
}

void LevelMeter::addFrames(const char *data, qint64 frames)
{
    const int channels = sumOfSquares_.size();
    const int sampleBytes = format_.bytesPerSample();
    const QAudioFormat::SampleFormat sampleFormat = format_.sampleFormat();
    double *sums = sumOfSquares_.data();
    qint64 *counted = counted_.data();
    for (qint64 f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c, data += sampleBytes) {
            const double v = normalised(data, sampleFormat);
            if (!std::isfinite(v))
                continue;
            sums[c] += v * v;
            ++counted[c];
            peak_ = std::max(peak_, std::fabs(v));
        }
    }
    frames_ += frames;
}

LevelMeter::Reading LevelMeter::take()
{
    Reading reading;
    double loudest = 0;
    for (int c = 0; c < sumOfSquares_.size(); ++c) {
        if (counted_[c] > 0)
            loudest = std::max(loudest, sumOfSquares_[c] / counted_[c]);
        sumOfSquares_[c] = 0;
        counted_[c] = 0;
    }
    reading.averagePowerDb = decibels(loudest);
    reading.peak = peak_;
    reading.frames = frames_;
    peak_ = 0;
    frames_ = 0;
    return reading;
}

double LevelMeter::decibels(double power)
{
    if (!(power > 0))
        return kSilenceDb;
    return std::max(kSilenceDb, 10 * std::log10(power));
}
