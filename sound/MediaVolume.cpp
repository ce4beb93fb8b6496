#include "sound/MediaVolume.h"

#include "platform/Broadcaster.h"
#include "sound/AudioServer.h"

#include <algorithm>

MediaVolume &MediaVolume::shared()
{
    static MediaVolume volume;
    return volume;
}

MediaVolume::MediaVolume()
{
    AudioServer &server = AudioServer::shared();
    moveToThread(server.thread());
    volume_ = server.sink().volume;
    muted_ = server.sink().muted;
    connect(&server, &AudioServer::sinkChanged, this, &MediaVolume::serverChanged);
}

bool MediaVolume::hasAudioServer() const { return AudioServer::shared().isAvailable(); }

float MediaVolume::volume() const { return volume_; }

bool MediaVolume::isMuted() const { return muted_; }

float MediaVolume::playerGain() const
{
    if (hasAudioServer())
        return 1.0f;
    return muted_ ? 0.0f : volume_;
}

void MediaVolume::setVolume(float volume)
{
    volume = std::clamp(volume, 0.0f, 1.0f);
    if (hasAudioServer()) {
        AudioServer::shared().setSinkVolume(volume); // the change comes back through serverChanged
        return;
    }
    const float oldVolume = volume_;
    volume_ = volume;
    announce(oldVolume, muted_);
}

void MediaVolume::setMuted(bool muted)
{
    if (hasAudioServer()) {
        AudioServer::shared().setSinkMuted(muted);
        return;
    }
    const bool oldMuted = muted_;
    muted_ = muted;
    announce(volume_, oldMuted);
}

void MediaVolume::refresh() { AudioServer::shared().refresh(); }

void MediaVolume::serverChanged(const SinkState &sink)
{
    const float oldVolume = volume_;
    const bool oldMuted = muted_;
    volume_ = sink.volume;
    muted_ = sink.muted;
    announce(oldVolume, oldMuted);
}

void MediaVolume::announce(float oldVolume, bool oldMuted)
{
    if (muted_ != oldMuted)
        Q_EMIT mutedChanged(muted_);
    if (volume_ != oldVolume) {
        Q_EMIT volumeChanged(volume_);
        Broadcaster::shared().post(kMediaVolumeDidChangeNotification, volume_);
    }
    if (!hasAudioServer() && (volume_ != oldVolume || muted_ != oldMuted))
        Q_EMIT playerGainChanged(playerGain());
}
