#include "unlockers/games/blow/BlowChallenge.h"

#include "sound/MediaVolume.h"

BlowChallenge::BlowChallenge(QObject *parent) : QObject(parent)
{
    sampler_.setInterval(kSampleIntervalMs);
    connect(&sampler_, &QTimer::timeout, this, &BlowChallenge::sample);
    connect(&detector_, &BlowDetector::failed, this, &BlowChallenge::fallBack);
    connect(&push_, &FillGauge::full, this, &BlowChallenge::stop);
    connect(&MediaVolume::shared(), &MediaVolume::volumeChanged, this,
            [this](float volume) { detector_.setSystemVolume(volume); });
}

void BlowChallenge::start()
{
    if (fallback_ || push_.isFull())
        return;
    if (!detector_.startListening(MediaVolume::shared().volume()))
        return; // the detector has reported why
    sampler_.start();
    push_.resume(); // back from the background: the push goes on at its level
}

void BlowChallenge::sample()
{
    detector_.listen();
    push_.setActive(detector_.userIsBlowing());
}

void BlowChallenge::pause()
{
    sampler_.stop();
    detector_.stopListening();
    push_.pause();
}

void BlowChallenge::stop()
{
    sampler_.stop();
    detector_.stopListening();
}

void BlowChallenge::fallBack(const QString &reason)
{
    if (fallback_)
        return;
    fallback_ = true;
    fallbackReason_ = reason;
    stop();
    push_.empty();
    Q_EMIT fallbackStarted(reason);
}
