#include "unlockers/games/blow/BlowDetector.h"

#include <QAudioSource>
#include <QMediaDevices>
#include <algorithm>

namespace {
// A sound server's monitor input hears what the device plays (the ring
// itself), not the room: it is no microphone.
bool isMicrophone(const QAudioDevice &device) { return !device.isNull() && !device.id().endsWith(".monitor"); }

QAudioDevice microphone()
{
    const QAudioDevice preferred = QMediaDevices::defaultAudioInput();
    if (isMicrophone(preferred))
        return preferred;
    const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
    auto found = std::find_if(inputs.cbegin(), inputs.cend(), isMicrophone);
    return found == inputs.cend() ? QAudioDevice() : *found;
}
} // namespace

BlowDetector::BlowDetector(QObject *parent) : QObject(parent) { }

BlowDetector::~BlowDetector() { stopListening(); }

void BlowDetector::setSystemVolume(float volume)
{
    threshold_ = double(std::clamp(volume, 0.0f, 1.0f)) - kThresholdBelowVolumeDb;
}

bool BlowDetector::startListening(float systemVolume)
{
    setSystemVolume(systemVolume);
    stopListening();
    failed_ = false;
    failureReason_.clear();
    const QAudioDevice device = device_.isNull() ? microphone() : device_;
    if (device.isNull()) {
        fail(tr("There is no microphone here."));
        return false;
    }
    QAudioFormat format = requestedFormat_;
    if (!format.isValid() || !device.isFormatSupported(format))
        format = device.preferredFormat();
    meter_.setFormat(format);
    source_ = new QAudioSource(device, format, this);
    source_->setBufferSize(format.bytesForDuration(kBufferUs)); // samples arrive well within each 0.1 s step
    connect(source_, &QAudioSource::stateChanged, this, &BlowDetector::stateChanged);
    input_ = source_->start();
    if (!input_ || source_->error() != QAudio::NoError) {
        fail(tr("The microphone cannot be opened; access may be refused."));
        return false;
    }
    connect(input_, &QIODevice::readyRead, this, &BlowDetector::readAvailable);
    listeningTo_ = device;
    sinceData_.start();
    sinceSound_.start();
    level_ = LevelMeter::kSilenceDb;
    return true;
}

void BlowDetector::stopListening()
{
    if (!source_)
        return;
    source_->disconnect(this);
    if (input_)
        input_->disconnect(this);
    source_->stop();
    delete source_;
    source_ = nullptr;
    input_ = nullptr;
    listeningTo_ = QAudioDevice();
    level_ = LevelMeter::kSilenceDb;
}

void BlowDetector::readAvailable()
{
    if (input_)
        meter_.add(input_->readAll());
}

void BlowDetector::listen()
{
    if (!source_)
        return;
    readAvailable();
    const LevelMeter::Reading reading = meter_.take();
    // Samples come in the device's periods, not in our 0.1 s steps: a step
    // without new samples keeps the level heard last.
    if (reading.frames > 0) {
        level_ = reading.averagePowerDb;
        sinceData_.start();
    }
    if (reading.peak >= kSilentPeak)
        sinceSound_.start();
    // Pulled out, the sound server carries the recording on from another
    // input, maybe one that hears the ring: no error reaches us, and the
    // device list (which Qt updates without telling) is the only sign.
    if (!QMediaDevices::audioInputs().contains(listeningTo_))
        fail(tr("The microphone stopped working."));
    else if (sinceData_.elapsed() > kQuietLimitMs)
        fail(tr("The microphone delivers no sound."));
    else if (sinceSound_.elapsed() > kQuietLimitMs)
        fail(tr("The microphone is muted or hears nothing."));
}

void BlowDetector::stateChanged(QAudio::State)
{
    if (!source_)
        return;
    switch (source_->error()) {
    case QAudio::NoError:
    case QAudio::UnderrunError: // no samples for a while: listen() judges that
        return;
    case QAudio::OpenError:
        fail(tr("The microphone cannot be opened; access may be refused."));
        return;
    default:
        fail(tr("The microphone stopped working."));
        return;
    }
}

void BlowDetector::fail(const QString &reason)
{
    if (failed_)
        return;
    failed_ = true;
    failureReason_ = reason;
    level_ = LevelMeter::kSilenceDb;
    Q_EMIT failed(reason);
}
