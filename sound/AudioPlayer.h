#pragma once
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

// One sound file played to the default output through Qt Multimedia
// (GStreamer decodes, PulseAudio plays). It keeps its own volume 0..1, which
// is multiplied by MediaVolume's player gain (the in-app volume when there is
// no audio server). A file that cannot be opened or decoded, or a missing
// audio server, plays nothing, emits `failed` once and never `finished`.
//
//   AudioPlayer player(SoundResources::urlForPath(SoundResources::pathForSoundFile("Tolvek Launch.mp3")));
//   player.setLooping(true);
//   player.play();
class AudioPlayer : public QObject
{
    Q_OBJECT
public:
    explicit AudioPlayer(const QUrl &source, QObject *parent = nullptr);

    void setLooping(bool endless);
    bool isLooping() const;
    // Clamped to 0..1.
    void setVolume(float volume);
    float volume() const { return volume_; }
    void setRate(float rate);
    float rate() const;

    void play();
    void stop();
    void rewind();
    // Stops, empties the media pipeline while this player is still whole, and
    // deletes the player a little later. Destroying a player whose GStreamer
    // pipeline is still being torn down can crash inside the backend.
    void retire();
    bool isPlaying() const;
    // Milliseconds from the start of the file.
    qint64 position() const { return player_.position(); }
    bool hasFailed() const { return failed_; }
    // The file it plays (empty without an audio server).
    QUrl source() const { return player_.source(); }

Q_SIGNALS:
    // Played to its end by itself (never for an endless loop).
    void finished();
    void failed(const QString &reason);
    void volumeChanged(float volume);

private:
    void applyVolume();
    void fail(const QString &reason);

    QAudioOutput output_;
    QMediaPlayer player_;
    float volume_ = 1.0f;
    bool failed_ = false;
};
