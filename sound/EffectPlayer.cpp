#include "sound/EffectPlayer.h"

#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"
#include "sound/SoundResources.h"

EffectPlayer *EffectPlayer::shared()
{
    static EffectPlayer *manager = new EffectPlayer;
    return manager;
}

void EffectPlayer::play(const QString &fileName)
{
    const QString path = SoundResources::pathForSoundFile(fileName);
    if (path.isEmpty())
        return;
    if (audioPlayer_)
        audioPlayer_->retire();
    audioPlayer_ = new AudioPlayer(SoundResources::urlForPath(path), this);
    AudioSession::shared().setCategory(AudioSessionCategory::Playback);
    AudioSession::shared().setActive(true);
    audioPlayer_->setLooping(true);
    audioPlayer_->setRate(1.0f);
    audioPlayer_->setVolume(1.0f);
    audioPlayer_->play();
}

void EffectPlayer::stop()
{
    if (audioPlayer_)
        audioPlayer_->stop();
}

bool EffectPlayer::playing() const { return audioPlayer_ && audioPlayer_->isPlaying(); }

void EffectPlayer::setRate(float rate)
{
    if (rate == rate_)
        return;
    rate_ = rate;
    if (playing())
        audioPlayer_->setRate(rate_);
}

void EffectPlayer::setVolume(float volume)
{
    if (volume == volume_)
        return;
    volume_ = volume;
    if (playing())
        audioPlayer_->setVolume(volume_);
}
