#include "sound/SystemSound.h"

#include "sound/MediaVolume.h"
#include "sound/OutputSink.h"

#include <algorithm>

SystemSound::SystemSound(const QString &path, QObject *parent) : QObject(parent), aiff_(AiffFile::read(path))
{
    endTimer_.setSingleShot(true);
    connect(&endTimer_, &QTimer::timeout, this, &SystemSound::complete);
}

SystemSound::~SystemSound() { releaseSink(); }

void SystemSound::play(std::function<void()> completion)
{
    releaseSink();
    endTimer_.stop();
    completion_ = std::move(completion);

    MediaVolume &volume = MediaVolume::shared();
    volume.refresh();
    if (!isValid() || !volume.hasAudioServer() || volume.isMuted()) {
        endTimer_.start(0);
        return;
    }
    buffer_.close();
    buffer_.setData(aiff_.samples());
    buffer_.open(QIODevice::ReadOnly);
    sink_ = OutputSink::open(aiff_.format());
    connect(sink_, &QAudioSink::stateChanged, this, &SystemSound::sinkStateChanged);
    started_.start();
    sink_->start(&buffer_);
}

void SystemSound::sinkStateChanged()
{
    if (!sink_ || sink_->state() == QAudio::ActiveState || endTimer_.isActive())
        return;
    // Idle means every sample went to the server, which still has the last of
    // them to play: the sound ends when its length has passed.
    endTimer_.start(int(std::max<qint64>(0, durationMs() - started_.elapsed())));
}

void SystemSound::complete()
{
    releaseSink();
    if (!completion_)
        return;
    std::function<void()> run = std::move(completion_);
    completion_ = nullptr;
    run();
}

void SystemSound::releaseSink()
{
    if (!sink_)
        return;
    OutputSink::close(sink_);
    sink_ = nullptr;
}
