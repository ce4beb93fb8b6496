#include "unlockers/games/shake/ShakeGauge.h"

#include "unlockers/games/shake/AccelerationSource.h"

#include <algorithm>
#include <optional>

ShakeGauge::ShakeGauge(QObject *parent) : QObject(parent)
{
    clock_.start();
    staleTimer_.setSingleShot(true);
    connect(&staleTimer_, &QTimer::timeout, this, &ShakeGauge::calmStaleTracks);
}

void ShakeGauge::listenTo(AccelerationSource *source)
{
    connect(source, &AccelerationSource::sampled, this,
            [this, source](const Acceleration &sample) { addSample(source, sample); });
    connect(source, &QObject::destroyed, this, [this, source] {
        tracks_.remove(source);
        updateShaken();
    });
}

void ShakeGauge::addSample(const QObject *source, const Acceleration &sample)
{
    if (isFull() || !sample.isPlausible())
        return;
    Track &track = tracks_[source];
    if (track.hasLast) {
        if (!track.shaken && Acceleration::isShaking(track.last, sample, kStartThreshold))
            track.shaken = true;
        else if (track.shaken && !Acceleration::isShaking(track.last, sample, kStopThreshold))
            track.shaken = false;
    }
    track.last = sample;
    track.hasLast = true;
    track.lastAtMs = clock_.elapsed();
    if (track.shaken)
        staleTimer_.start(kStaleMs);
    updateShaken();
}

void ShakeGauge::calmStaleTracks()
{
    const qint64 now = clock_.elapsed();
    std::optional<qint64> oldestShakenAt;
    for (Track &track : tracks_) {
        if (track.shaken && now - track.lastAtMs >= kStaleMs)
            track.shaken = false;
        if (track.shaken)
            oldestShakenAt = std::min(oldestShakenAt.value_or(track.lastAtMs), track.lastAtMs);
    }
    if (oldestShakenAt)
        staleTimer_.start(int(kStaleMs - (now - *oldestShakenAt)));
    updateShaken();
}

void ShakeGauge::updateShaken()
{
    fill_.setActive(std::any_of(tracks_.cbegin(), tracks_.cend(), [](const Track &t) { return t.shaken; }));
}

void ShakeGauge::pause()
{
    fill_.pause();
    staleTimer_.stop();
}

void ShakeGauge::restart()
{
    tracks_.clear();
    fill_.empty();
}
