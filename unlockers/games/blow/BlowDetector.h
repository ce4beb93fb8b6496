#pragma once
#include "unlockers/games/blow/LevelMeter.h"

#include <QAudio>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QAudioSource;
class QIODevice;

// Hears whether the user blows into the microphone: the input level, read
// every time listen() is called, above a threshold set from the media volume
// (volume 0..1 minus 10 dB, so between -10 and -9 dB below full scale; only
// a blow straight into the microphone is that loud).
//
// It also tells when the microphone cannot serve, so the game can offer
// another way: none there, refused or failing to open, breaking down, no
// samples for kQuietLimitMs, samples that are all digital silence for as
// long (a muted or dead input), or the microphone leaving the system (pulled
// out: the sound server would carry on from another input, possibly one that
// hears the ring itself). failed() is emitted once per start.
class BlowDetector : public QObject
{
    Q_OBJECT
public:
    static constexpr double kThresholdBelowVolumeDb = 10;
    static constexpr int kQuietLimitMs = 3000;
    // Anything quieter than one step of a 16-bit sample is digital silence.
    static constexpr double kSilentPeak = 1.0 / 32768;
    static constexpr qint64 kBufferUs = 50000;

    explicit BlowDetector(QObject *parent = nullptr);
    ~BlowDetector() override;

    // The microphone and format to use; by default the system's default
    // input (or the first one that is a microphone) in the format it prefers.
    void setDevice(const QAudioDevice &device) { device_ = device; }
    void setFormat(const QAudioFormat &format) { requestedFormat_ = format; }
    QAudioFormat format() const { return meter_.format(); }

    // Opens the microphone; false (and failureReason()) when there is none.
    bool startListening(float systemVolume);
    void stopListening();
    bool isListening() const { return source_ != nullptr; }
    void setSystemVolume(float volume);

    // Takes the level heard since the last call.
    void listen();
    bool userIsBlowing() const { return level_ > threshold_; }
    double threshold() const { return threshold_; }
    double level() const { return level_; }
    QString failureReason() const { return failureReason_; }

Q_SIGNALS:
    void failed(const QString &reason);

private:
    void readAvailable();
    void stateChanged(QAudio::State state);
    void fail(const QString &reason);

    QAudioDevice device_;
    QAudioFormat requestedFormat_;
    QAudioSource *source_ = nullptr;
    QAudioDevice listeningTo_;
    QPointer<QIODevice> input_;
    LevelMeter meter_;
    double threshold_ = -kThresholdBelowVolumeDb;
    double level_ = LevelMeter::kSilenceDb;
    QElapsedTimer sinceData_, sinceSound_;
    QString failureReason_;
    bool failed_ = false;
};
