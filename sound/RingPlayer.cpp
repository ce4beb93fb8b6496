#include "sound/RingPlayer.h"

#include "sound/AudioPlayer.h"
#include "sound/SoundResources.h"

#include <limits>

namespace {
constexpr int kFadeStepMs = 100;
constexpr float kStartVolume = 0.1f;
constexpr float kFadeInStep = 0.05f;
constexpr float kDefaultGap = 0.1f;

// Runs a one-shot callback: cleared before it runs, so it may set a new one.
void runOnce(RingPlayer::Completion &block)
{
    if (!block)
        return;
    RingPlayer::Completion run = std::move(block);
    block = nullptr;
    run();
}
} // namespace

RingPlayer *RingPlayer::shared()
{
    static RingPlayer *manager = new RingPlayer;
    return manager;
}

RingPlayer::RingPlayer()
{
    fadeInTimer_.setSingleShot(true);
    fadeInTimer_.setInterval(kFadeStepMs);
    connect(&fadeInTimer_, &QTimer::timeout, this, &RingPlayer::fadeInStep);
    fadeOutTimer_.setSingleShot(true);
    fadeOutTimer_.setInterval(kFadeStepMs);
    connect(&fadeOutTimer_, &QTimer::timeout, this, &RingPlayer::fadeOutStep);
}

void RingPlayer::play(const QString &fileName) { play(fileName, false, nullptr, AudioSessionCategory::Playback); }

void RingPlayer::play(const QString &fileName, bool repeat)
{
    play(fileName, repeat, nullptr, AudioSessionCategory::Playback);
}

void RingPlayer::play(const QString &fileName, bool repeat, AudioSessionCategory option)
{
    play(fileName, repeat, nullptr, option);
}

void RingPlayer::play(const QString &fileName, bool repeat, Completion complete)
{
    play(fileName, repeat, std::move(complete), AudioSessionCategory::Playback);
}

void RingPlayer::play(const QString &fileName, bool repeat, Completion complete, AudioSessionCategory option)
{
    if (fileName.isEmpty())
        return;
    dropPlayer();
    // A running fade-out belongs to the sound just dropped: abandon it.
    fadeOutTimer_.stop();
    fadingOut_ = false;
    gap_ = kDefaultGap;

    const QString path = SoundResources::pathForSoundFile(fileName);
    if (path.isEmpty())
        return;
    audioPlayer_ = new AudioPlayer(SoundResources::urlForPath(path), this);
    // A file that turns out unplayable leaves no player, as if it never loaded.
    connect(audioPlayer_, &AudioPlayer::failed, this, &RingPlayer::dropPlayer);
    connect(audioPlayer_, &AudioPlayer::finished, this, &RingPlayer::playerFinished);

    AudioSession::shared().setCategory(option);
    AudioSession::shared().setActive(true);

    audioPlayer_->setLooping(repeat);
    playCompletion_ = std::move(complete);
    audioPlayer_->setVolume(kStartVolume);
    audioPlayer_->play();
    fadeInStep();
}

void RingPlayer::stop()
{
    if (audioPlayer_)
        audioPlayer_->stop();
}

void RingPlayer::fadeInStep()
{
    if (!audioPlayer_ || audioPlayer_->volume() >= 1.0f)
        return;
    audioPlayer_->setVolume(audioPlayer_->volume() + kFadeInStep);
    fadeInTimer_.start();
}

void RingPlayer::fadeOut()
{
    if (fadingOut_)
        return;
    // A fade-in still running would work against the fade-out.
    fadeInTimer_.stop();
    fadeOutStep();
}

void RingPlayer::fadeOutOver(float duration)
{
    // A duration that is not positive silences at the first step.
    gap_ = duration > 0 ? 1.0f / duration : std::numeric_limits<float>::infinity();
    fadeOut();
}

void RingPlayer::fadeOutStep()
{
    if (audioPlayer_ && audioPlayer_->volume() > kStartVolume) {
        fadingOut_ = true;
        audioPlayer_->setVolume(audioPlayer_->volume() - gap_);
        fadeOutTimer_.start();
        return;
    }
    fadingOut_ = false;
    if (audioPlayer_) {
        audioPlayer_->stop();
        audioPlayer_->rewind();
        audioPlayer_->setVolume(1.0f);
    }
    runOnce(fadeCompletion_);
}

bool RingPlayer::playing() const { return audioPlayer_ && audioPlayer_->isPlaying(); }

void RingPlayer::dropPlayer()
{
    if (!audioPlayer_)
        return;
    audioPlayer_->disconnect(this);
    // Not deleted now: this may run inside the player's own signal.
    audioPlayer_->retire();
    audioPlayer_ = nullptr;
}

void RingPlayer::playerFinished() { runOnce(playCompletion_); }
