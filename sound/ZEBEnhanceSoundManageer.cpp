#include "sound/ZEBEnhanceSoundManageer.h"

#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"
#include "sound/SoundResources.h"

ZEBEnhanceSoundManageer *ZEBEnhanceSoundManageer::sharedZEBEnhanceSoundManageer()
{
    static ZEBEnhanceSoundManageer *manager = new ZEBEnhanceSoundManageer;
    return manager;
}

void ZEBEnhanceSoundManageer::playSoundWithSoundFile(const QString &fileName)
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

void ZEBEnhanceSoundManageer::stopSoundPlay()
{
    if (audioPlayer_)
        audioPlayer_->stop();
}

bool ZEBEnhanceSoundManageer::playing() const
{
    return audioPlayer_ && audioPlayer_->isPlaying();
}

void ZEBEnhanceSoundManageer::setRate(float rate)
{
    if (rate == rate_)
        return;
    rate_ = rate;
    if (playing())
        audioPlayer_->setRate(rate_);
}

void ZEBEnhanceSoundManageer::setVolume(float volume)
{
    if (volume == volume_)
        return;
    volume_ = volume;
    if (playing())
        audioPlayer_->setVolume(volume_);
}
