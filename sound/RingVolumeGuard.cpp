#include "sound/RingVolumeGuard.h"

#include "sound/MediaVolume.h"

#include <QDebug>

void RingVolumeGuard::engage()
{
    if (engaged_)
        return;
    MediaVolume &volume = MediaVolume::shared();
    wasMuted_ = volume.isMuted();
    previousVolume_ = volume.volume();
    if (!wasMuted_ && previousVolume_ >= kMinimumRingVolume)
        return;
    engaged_ = true;
    qInfo("tolvek: the output was muted or nearly silent; turned up while the alarm rings");
    if (wasMuted_)
        volume.setMuted(false);
    if (previousVolume_ < kMinimumRingVolume)
        volume.setVolume(kMinimumRingVolume);
    ringVolume_ = volume.volume();
}

void RingVolumeGuard::release()
{
    if (!engaged_)
        return;
    engaged_ = false;
    MediaVolume &volume = MediaVolume::shared();
    // A volume the user set while the alarm rang stays.
    if (qAbs(volume.volume() - ringVolume_) < 0.01f && previousVolume_ < kMinimumRingVolume)
        volume.setVolume(previousVolume_);
    if (wasMuted_)
        volume.setMuted(true);
}
