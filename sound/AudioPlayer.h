#pragma once
#include "sound/DecodedSound.h"

#include <QAudio>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QTimer>
#include <QUrl>

class QAudioSink;
class QIODevice;

// One sound file played to the default output: decoded once to PCM
// (DecodedSound) and written by this player into a QAudioSink with a short
// buffer. Playing starts with the first decoded block; the loop is this
// player's own (back to the first sample), so it never depends on a backend.
// A sink that runs dry is refilled, and one that fails or stops taking
// samples is opened again, for as long as the sound should play.
//
// It keeps its own volume 0..1, which is multiplied by MediaVolume's player
// gain (the in-app volume when there is no audio server). A file that cannot
// be opened or decoded, or a missing audio server, plays nothing, emits
// `failed` once and never `finished`.
//
//   AudioPlayer player(SoundResources::urlForPath(SoundResources::pathForSoundFile("Tolvek Launch.mp3")));
//   player.setLooping(true);
//   player.play();
class AudioPlayer : public QObject
{
    Q_OBJECT
public:
    explicit AudioPlayer(const QUrl &source, QObject *parent = nullptr);
    ~AudioPlayer() override;

    void setLooping(bool endless) { looping_ = endless; }
    bool isLooping() const { return looping_; }
    // Clamped to 0..1.
    void setVolume(float volume);
    float volume() const { return volume_; }
    // Speed and pitch together (the sink runs at rate × the sample rate); clamped to 0.25..4.
    void setRate(float rate);
    float rate() const { return rate_; }

    void play();
    void stop();
    void rewind();
    // Stops and deletes the player once the caller's signal handling is over.
    void retire();
    bool isPlaying() const { return playing_; }
    // Milliseconds from the start of the file, of the samples handed to the sink.
    qint64 position() const;
    bool hasFailed() const { return failed_; }
    // The file it plays (empty without an audio server).
    QUrl source() const { return source_; }

Q_SIGNALS:
    // Played to its end by itself (never for an endless loop).
    void finished();
    void failed(const QString &reason);
    void volumeChanged(float volume);

private:
    void feed();
    bool openSink();
    void closeSink();
    void sinkStateChanged(QAudio::State state);
    void reachEnd();
    bool endWasPlayed() const;
    void applyVolume();
    void fail(const QString &reason);

    QUrl source_;
    QSharedPointer<DecodedSound> sound_;
    QPointer<QAudioSink> sink_;
    QIODevice *sinkInput_ = nullptr;
    QTimer feedTimer_;
    QTimer reopenDelay_; // after a sink failed, before the next one
    QElapsedTimer sinceSinkTook_;
    QElapsedTimer sinceEndReached_;
    qint64 cursor_ = 0;      // bytes into the samples
    qint64 sinkWritten_ = 0; // bytes handed to the current sink
    qint64 endsAtUs_ = -1;   // the sink's playing time at the sound's end, once all of it was handed over
    float volume_ = 1.0f;
    float rate_ = 1.0f;
    bool looping_ = false;
    bool playing_ = false;
    bool failed_ = false;
};
