#include "sound/ZEBSoundManager.h"

#include "sound/AudioPlayer.h"
#include "sound/SoundResources.h"

#include <limits>

namespace {
constexpr int kFadeStepMs = 100;
constexpr float kStartVolume = 0.1f;
constexpr float kFadeInStep = 0.05f;
constexpr float kDefaultGap = 0.1f;

// Runs a one-shot callback: cleared before it runs, so it may set a new one.
void runOnce(ZEBSoundManager::Completion &block)
{
    if (!block)
        return;
    ZEBSoundManager::Completion run = std::move(block);
    block = nullptr;
    run();
}
} // namespace

ZEBSoundManager *ZEBSoundManager::sharedZEBSoundManager()
{
    static ZEBSoundManager *manager = new ZEBSoundManager;
    return manager;
}

ZEBSoundManager::ZEBSoundManager()
{
    fadeInTimer_.setSingleShot(true);
    fadeInTimer_.setInterval(kFadeStepMs);
    connect(&fadeInTimer_, &QTimer::timeout, this, &ZEBSoundManager::doVolumeFadeIn);
    fadeOutTimer_.setSingleShot(true);
    fadeOutTimer_.setInterval(kFadeStepMs);
    connect(&fadeOutTimer_, &QTimer::timeout, this, &ZEBSoundManager::fadeOutStep);
}

void ZEBSoundManager::playSoundWithSoundFile(const QString &fileName)
{
    playSoundWithSoundFile(fileName, false, nullptr, AudioSessionCategory::Playback);
}

void ZEBSoundManager::playSoundWithSoundFile(const QString &fileName, bool repeat)
{
    playSoundWithSoundFile(fileName, repeat, nullptr, AudioSessionCategory::Playback);
}

void ZEBSoundManager::playSoundWithSoundFile(const QString &fileName, bool repeat, AudioSessionCategory option)
{
    playSoundWithSoundFile(fileName, repeat, nullptr, option);
}

void ZEBSoundManager::playSoundWithSoundFile(const QString &fileName, bool repeat, Completion complete)
{
    playSoundWithSoundFile(fileName, repeat, std::move(complete), AudioSessionCategory::Playback);
}

void ZEBSoundManager::playSoundWithSoundFile(const QString &fileName, bool repeat, Completion complete,
                                             AudioSessionCategory option)
{
    if (fileName.isEmpty())
        return;
    dropPlayer();
    // A running fade-out belongs to the sound just dropped: abandon it.
    fadeOutTimer_.stop();
    stoping_ = false;
    gap_ = kDefaultGap;

    const QString path = SoundResources::pathForSoundFile(fileName);
    if (path.isEmpty())
        return;
    audioPlayer_ = new AudioPlayer(SoundResources::urlForPath(path), this);
    // A file that turns out unplayable leaves no player, as if it never loaded.
    connect(audioPlayer_, &AudioPlayer::failed, this, &ZEBSoundManager::dropPlayer);
    connect(audioPlayer_, &AudioPlayer::finished, this, &ZEBSoundManager::playerFinished);

    AudioSession::shared().setCategory(option);
    AudioSession::shared().setActive(true);

    audioPlayer_->setLooping(repeat);
    playCompleteBlock_ = std::move(complete);
    audioPlayer_->setVolume(kStartVolume);
    audioPlayer_->play();
    doVolumeFadeIn();
}

void ZEBSoundManager::stopSoundPlay()
{
    if (audioPlayer_)
        audioPlayer_->stop();
}

void ZEBSoundManager::doVolumeFadeIn()
{
    if (!audioPlayer_ || audioPlayer_->volume() >= 1.0f)
        return;
    audioPlayer_->setVolume(audioPlayer_->volume() + kFadeInStep);
    fadeInTimer_.start();
}

void ZEBSoundManager::doVolumeFadeOut()
{
    if (stoping_)
        return;
    // A fade-in still running would work against the fade-out.
    fadeInTimer_.stop();
    fadeOutStep();
}

void ZEBSoundManager::doVolumeFadeWithDuration(float duration)
{
    // A duration that is not positive silences at the first step.
    gap_ = duration > 0 ? 1.0f / duration : std::numeric_limits<float>::infinity();
    doVolumeFadeOut();
}

void ZEBSoundManager::fadeOutStep()
{
    if (audioPlayer_ && audioPlayer_->volume() > kStartVolume) {
        stoping_ = true;
        audioPlayer_->setVolume(audioPlayer_->volume() - gap_);
        fadeOutTimer_.start();
        return;
    }
    stoping_ = false;
    if (audioPlayer_) {
        audioPlayer_->stop();
        audioPlayer_->rewind();
        audioPlayer_->setVolume(1.0f);
    }
    runOnce(fadeCompleteBlock_);
}

bool ZEBSoundManager::playing() const
{
    return audioPlayer_ && audioPlayer_->isPlaying();
}

void ZEBSoundManager::dropPlayer()
{
    if (!audioPlayer_)
        return;
    audioPlayer_->disconnect(this);
    // Not deleted now: this may run inside the player's own signal.
    audioPlayer_->retire();
    audioPlayer_ = nullptr;
}

void ZEBSoundManager::playerFinished()
{
    runOnce(playCompleteBlock_);
}
