#pragma once
#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// The PCM samples of an AIFF file (8- or 16-bit, any rate and channel count),
// converted to native 16-bit samples for QAudioSink. A file that is not such an
// AIFF reads as invalid (no samples), whatever its content.
class AiffFile
{
public:
    static AiffFile read(const QString &path);
    static AiffFile parse(const QByteArray &bytes);

    bool isValid() const { return format_.isValid() && !samples_.isEmpty(); }
    QAudioFormat format() const { return format_; }
    QByteArray samples() const { return samples_; }
    qint64 durationMs() const;

private:
    QAudioFormat format_;
    QByteArray samples_;
};
