#include "sound/AudioPlayer.h"

#include "sound/MediaVolume.h"
#include "sound/SoundLog.h"

#include <QTimer>
#include <algorithm>

AudioPlayer::AudioPlayer(const QUrl &source, QObject *parent) : QObject(parent)
{
    player_.setAudioOutput(&output_);
    connect(&MediaVolume::shared(), &MediaVolume::playerGainChanged, this, &AudioPlayer::applyVolume);
    connect(&player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &reason) { fail(reason); });
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            fail(QStringLiteral("not a playable sound"));
        else if (status == QMediaPlayer::EndOfMedia && !failed_)
            Q_EMIT finished();
    });
    applyVolume();
    // Without a server GStreamer "plays" into nothing and even reports the
    // end: fail instead, after the caller had a chance to connect.
    if (!MediaVolume::shared().hasAudioServer()) {
        failed_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT failed(QStringLiteral("no audio server")); }, Qt::QueuedConnection);
        return;
    }
    player_.setSource(source);
}

void AudioPlayer::retire()
{
    disconnect();
    player_.stop();
    player_.setSource(QUrl());
    constexpr int kTeardownMs = 2000;
    QTimer::singleShot(kTeardownMs, this, &QObject::deleteLater);
}

void AudioPlayer::setLooping(bool endless) { player_.setLoops(endless ? QMediaPlayer::Infinite : QMediaPlayer::Once); }

bool AudioPlayer::isLooping() const { return player_.loops() == QMediaPlayer::Infinite; }

void AudioPlayer::setVolume(float volume)
{
    volume = std::clamp(volume, 0.0f, 1.0f);
    if (volume == volume_)
        return;
    volume_ = volume;
    applyVolume();
    Q_EMIT volumeChanged(volume_);
}

void AudioPlayer::setRate(float rate) { player_.setPlaybackRate(rate); }

float AudioPlayer::rate() const { return float(player_.playbackRate()); }

void AudioPlayer::play()
{
    if (!failed_)
        player_.play();
}

void AudioPlayer::stop() { player_.stop(); }

void AudioPlayer::rewind() { player_.setPosition(0); }

bool AudioPlayer::isPlaying() const { return !failed_ && player_.playbackState() == QMediaPlayer::PlayingState; }

void AudioPlayer::applyVolume() { output_.setVolume(volume_ * MediaVolume::shared().playerGain()); }

void AudioPlayer::fail(const QString &reason)
{
    if (failed_)
        return;
    failed_ = true;
    qCDebug(lcSound).noquote() << "cannot play" << player_.source().toString() << "-" << reason;
    player_.stop();
    Q_EMIT failed(reason);
}
