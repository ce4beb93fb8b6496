#pragma once
#include "sound/AudioPlayer.h"

#include <QObject>
#include <QPointer>

// A second player for a sound that loops while a game changes its speed and
// loudness. play("Tolvek Launch.mp3") loops the file
// endlessly at rate 1.0 and volume 1.0 (the stored rate and volume are not
// applied at start). setRate / setVolume store a changed value and apply it
// only while the sound is playing. Unknown or type-less names play nothing.
// Main thread only.
class EffectPlayer : public QObject
{
    Q_OBJECT
public:
    static EffectPlayer *shared();

    void play(const QString &fileName);
    void stop();
    bool playing() const;

    float rate() const { return rate_; }
    void setRate(float rate);
    float volume() const { return volume_; }
    void setVolume(float volume);
    AudioPlayer *audioPlayer() const { return audioPlayer_; }

private:
    EffectPlayer() = default;

    QPointer<AudioPlayer> audioPlayer_;
    float rate_ = 0;
    float volume_ = 0;
};
