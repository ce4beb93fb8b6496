#include "sound/AudioPlayer.h"

#include "sound/MediaVolume.h"
#include "sound/OutputSink.h"
#include "sound/SoundLog.h"

#include <algorithm>

namespace {
// Short enough for a quick start and a fade that is heard at once, long
// enough to ride out a busy moment between two feeds.
constexpr int kSinkBufferMs = 150;
constexpr int kFeedMs = 20;
constexpr int kReopenMs = 250;
// A sink that takes no sample for this long (its buffer holds 0.15 s) is stuck.
constexpr int kStuckMs = 1000;
} // namespace

AudioPlayer::AudioPlayer(const QUrl &source, QObject *parent) : QObject(parent)
{
    feedTimer_.setInterval(kFeedMs);
    connect(&feedTimer_, &QTimer::timeout, this, &AudioPlayer::feed);
    reopenDelay_.setSingleShot(true);
    reopenDelay_.setInterval(kReopenMs);
    connect(&MediaVolume::shared(), &MediaVolume::playerGainChanged, this, &AudioPlayer::applyVolume);
    // Without a server there is nowhere to play to: fail, after the caller had a chance to connect.
    if (!MediaVolume::shared().hasAudioServer()) {
        failed_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT failed(QStringLiteral("no audio server")); }, Qt::QueuedConnection);
        return;
    }
    source_ = source;
    sound_ = DecodedSound::forSource(source);
    connect(sound_.data(), &DecodedSound::grown, this, &AudioPlayer::feed);
    connect(sound_.data(), &DecodedSound::failed, this, &AudioPlayer::fail);
}

AudioPlayer::~AudioPlayer() { closeSink(); }

void AudioPlayer::retire()
{
    disconnect();
    stop();
    deleteLater();
}

void AudioPlayer::setVolume(float volume)
{
    volume = std::clamp(volume, 0.0f, 1.0f);
    if (volume == volume_)
        return;
    volume_ = volume;
    applyVolume();
    Q_EMIT volumeChanged(volume_);
}

void AudioPlayer::setRate(float rate)
{
    rate = std::clamp(rate, 0.25f, 4.0f);
    if (rate == rate_)
        return;
    rate_ = rate;
    // The sink's sample rate is fixed once open: a new one plays on from here.
    if (sink_) {
        closeSink();
        feed();
    }
}

void AudioPlayer::play()
{
    if (failed_ || playing_)
        return;
    playing_ = true;
    feedTimer_.start();
    feed();
}

void AudioPlayer::stop()
{
    playing_ = false;
    feedTimer_.stop();
    closeSink();
    cursor_ = 0;
}

void AudioPlayer::rewind()
{
    cursor_ = 0;
    // What the sink still holds would delay the start: a new sink begins with the first sample.
    if (sink_) {
        closeSink();
        feed();
    }
}

qint64 AudioPlayer::position() const { return DecodedSound::format().durationForBytes(cursor_) / 1000; }

void AudioPlayer::feed()
{
    if (!playing_)
        return;
    if (!sink_ && (reopenDelay_.isActive() || !openSink()))
        return;
    if (endsAtUs_ >= 0) {
        if (endWasPlayed()) {
            stop();
            Q_EMIT finished();
        }
        return;
    }
    const int frameBytes = DecodedSound::format().bytesPerFrame();
    qint64 room = sink_->bytesFree() / frameBytes * frameBytes;
    if (room > 0) {
        sinceSinkTook_.restart();
    } else if (sink_->bytesFree() < 0 || sinceSinkTook_.elapsed() > kStuckMs) {
        // Its stream is gone (the server dropped it) or takes nothing.
        qCDebug(lcSound) << "the output is lost or stuck (nothing taken for" << sinceSinkTook_.elapsed()
                         << "ms); opening it again";
        closeSink();
        return;
    }
    const QByteArray &samples = sound_->samples();
    while (room > 0) {
        if (cursor_ >= samples.size()) {
            if (!sound_->isComplete())
                return; // the decoder has yet to catch up
            if (!looping_) {
                reachEnd();
                return;
            }
            cursor_ = 0;
        }
        const qint64 written
            = sinkInput_->write(samples.constData() + cursor_, std::min(room, samples.size() - cursor_));
        if (written <= 0)
            return;
        cursor_ += written;
        sinkWritten_ += written;
        room -= written;
    }
}

void AudioPlayer::reachEnd()
{
    endsAtUs_ = sink_->format().durationForBytes(sinkWritten_);
    sinceEndReached_.start();
    // The server starts a stream once its buffer is full: silence after a
    // short sound fills it.
    const int frameBytes = sink_->format().bytesPerFrame();
    sinkInput_->write(QByteArray(int(sink_->bytesFree() / frameBytes * frameBytes), '\0'));
}

bool AudioPlayer::endWasPlayed() const
{
    // A sink that reports no progress ends the sound once its length and the buffer's have passed.
    constexpr qint64 kSlackMs = 2 * kSinkBufferMs;
    return sink_->processedUSecs() >= endsAtUs_ || sinceEndReached_.elapsed() > endsAtUs_ / 1000 + kSlackMs;
}

bool AudioPlayer::openSink()
{
    QAudioFormat format = DecodedSound::format();
    format.setSampleRate(qRound(float(format.sampleRate()) * rate_));
    QAudioSink *sink = OutputSink::open(format);
    sink->setBufferSize(format.bytesForDuration(qint64(kSinkBufferMs) * 1000));
    sink_ = sink;
    applyVolume();
    sinkInput_ = sink->start();
    if (!sinkInput_) {
        qCDebug(lcSound) << "cannot open the output:" << sink->error();
        closeSink();
        reopenDelay_.start();
        return false;
    }
    connect(sink, &QAudioSink::stateChanged, this, &AudioPlayer::sinkStateChanged);
    sinceSinkTook_.start();
    return true;
}

void AudioPlayer::closeSink()
{
    if (!sink_)
        return;
    OutputSink::close(sink_);
    sink_ = nullptr;
    sinkInput_ = nullptr;
    sinkWritten_ = 0;
    endsAtUs_ = -1;
}

void AudioPlayer::sinkStateChanged(QAudio::State state)
{
    if (!playing_ || !sink_)
        return;
    if (state == QAudio::IdleState) {
        feed(); // ran dry: refill now rather than at the next feed
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        qCDebug(lcSound) << "the output stopped:" << sink_->error() << "; opening it again";
        closeSink();
        reopenDelay_.start();
    }
}

void AudioPlayer::applyVolume()
{
    if (sink_)
        sink_->setVolume(volume_ * MediaVolume::shared().playerGain());
}

void AudioPlayer::fail(const QString &reason)
{
    if (failed_)
        return;
    failed_ = true;
    stop();
    qCDebug(lcSound).noquote() << "cannot play" << source_.toString() << "-" << reason;
    Q_EMIT failed(reason);
}
