#include "sound/MuteProbe.h"

#include "sound/SoundResources.h"
#include "sound/SystemSound.h"

#include <QMetaMethod>

namespace {
constexpr float kTick = 0.001f;
constexpr float kMutedBelow = 0.01f; // ten ticks
} // namespace

MuteProbe *MuteProbe::shared()
{
    static MuteProbe *instance = new MuteProbe;
    return instance;
}

MuteProbe::MuteProbe()
{
    playbackTimer_.setInterval(1);
    playbackTimer_.setTimerType(Qt::PreciseTimer);
    connect(&playbackTimer_, &QTimer::timeout, this, &MuteProbe::incrementTimer);
}

void MuteProbe::detect()
{
    soundDuration_ = 0;
    if (!probe_)
        probe_ = new SystemSound(SoundResources::pathForResource(QStringLiteral("detection"), QStringLiteral("aiff")),
                                 this);
    playbackTimer_.start();
    probe_->play([this] { playbackComplete(); });
}

void MuteProbe::incrementTimer() { soundDuration_ += kTick; }

void MuteProbe::playbackComplete()
{
    QObject *delegate = delegate_;
    const int method = delegate ? delegate->metaObject()->indexOfMethod("isMuted(bool)") : -1;
    if (method >= 0) {
        muted_ = soundDuration_ < kMutedBelow;
        delegate->metaObject()->method(method).invoke(delegate, Qt::DirectConnection, Q_ARG(bool, muted_));
    }
    playbackTimer_.stop();
}
