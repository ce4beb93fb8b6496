#pragma once
#include <QAudioFormat>
#include <QByteArray>
#include <QList>

// The input level of a microphone, measured from its PCM samples in whatever
// format the device delivers (8-bit unsigned, 16- or 32-bit signed, float; any
// rate, any number of channels). Between two readings it sums the squares of
// every channel; a reading is the average power of the loudest channel in dB
// below full scale (0 dB: a full-scale square wave, -160 dB: nothing at all),
// and the loudest sample seen. Samples that are no number are skipped.
class LevelMeter
{
public:
    static constexpr double kSilenceDb = -160;

    struct Reading
    {
        double averagePowerDb = kSilenceDb;
        double peak = 0;   // largest magnitude, 1 = full scale
        qint64 frames = 0; // how many frames the reading covers
    };

    void setFormat(const QAudioFormat &format);
    QAudioFormat format() const { return format_; }

    // Adds bytes as they come; a frame split between two calls is kept whole.
    void add(const char *data, qint64 size);
    void add(const QByteArray &bytes) { add(bytes.constData(), bytes.size()); }
    // The level since the last reading, and starts a new one.
    Reading take();

    static double decibels(double power);

private:
    void addFrames(const char *data, qint64 frames);

    QAudioFormat format_;
    QByteArray partialFrame_;
    QList<double> sumOfSquares_;
    QList<qint64> counted_;
    double peak_ = 0;
    qint64 frames_ = 0;
};
