#include "sound/DecodedSound.h"

#include "sound/SoundLog.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QHash>

namespace {
QString pathOf(const QUrl &source)
{
    if (source.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + source.path();
    return source.isLocalFile() ? source.toLocalFile() : QString();
}
} // namespace

QSharedPointer<DecodedSound> DecodedSound::forSource(const QUrl &source)
{
    // Never destroyed: the process may end without an event loop to delete them.
    static auto *living = new QHash<QUrl, QWeakPointer<DecodedSound>>;
    static auto *current = new QSharedPointer<DecodedSound>;
    living->removeIf([](const auto &entry) { return entry.value().isNull(); });
    QSharedPointer<DecodedSound> sound = living->value(source).toStrongRef();
    if (!sound || sound->hasFailed()) {
        // Deleted later: the last holder may let go inside one of its signals.
        sound = QSharedPointer<DecodedSound>(new DecodedSound(source), &QObject::deleteLater);
        living->insert(source, sound);
    }
    *current = sound;
    return sound;
}

QAudioFormat DecodedSound::format()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

DecodedSound::DecodedSound(const QUrl &source)
{
    file_.setFileName(pathOf(source));
    if (file_.fileName().isEmpty() || !file_.open(QIODevice::ReadOnly)) {
        QMetaObject::invokeMethod(
            this, [this] { fail(QStringLiteral("cannot open the file")); }, Qt::QueuedConnection);
        return;
    }
    decoder_ = new QAudioDecoder(this);
    decoder_->setAudioFormat(format());
    decoder_->setSourceDevice(&file_);
    connect(decoder_, &QAudioDecoder::bufferReady, this, &DecodedSound::readBuffers);
    connect(decoder_, &QAudioDecoder::finished, this, &DecodedSound::decoderFinished);
    connect(decoder_, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, &DecodedSound::decoderFailed);
    decoder_->start();
}

// The decoder reads from file_, so it goes first.
DecodedSound::~DecodedSound() { delete decoder_; }

void DecodedSound::readBuffers()
{
    const qint64 before = samples_.size();
    while (decoder_ && decoder_->bufferAvailable()) {
        const QAudioBuffer buffer = decoder_->read();
        if (buffer.format() != format()) {
            fail(QStringLiteral("the decoder gave samples in another format"));
            return;
        }
        samples_.append(buffer.constData<char>(), buffer.byteCount());
    }
    if (samples_.size() > before)
        Q_EMIT grown();
}

void DecodedSound::decoderFinished()
{
    readBuffers();
    if (failed_)
        return;
    if (samples_.isEmpty()) {
        fail(QStringLiteral("no sound in the file"));
        return;
    }
    complete_ = true;
    releaseDecoder();
    Q_EMIT grown();
}

void DecodedSound::decoderFailed()
{
    const QString reason = decoder_->errorString();
    readBuffers();
    if (failed_)
        return;
    // A file damaged near its end still plays what came before the damage.
    if (samples_.isEmpty()) {
        fail(reason.isEmpty() ? QStringLiteral("not a playable sound") : reason);
        return;
    }
    qCDebug(lcSound).noquote() << file_.fileName() << "decoded up to an error:" << reason;
    decoderFinished();
}

void DecodedSound::fail(const QString &reason)
{
    if (failed_)
        return;
    failed_ = true;
    samples_.clear();
    releaseDecoder();
    qCDebug(lcSound).noquote() << "cannot decode" << file_.fileName() << "-" << reason;
    Q_EMIT failed(reason);
}

void DecodedSound::releaseDecoder()
{
    if (!decoder_)
        return;
    decoder_->disconnect(this);
    decoder_->stop();
    // Not deleted here: this may run inside the decoder's own signal.
    decoder_->deleteLater();
    decoder_ = nullptr;
}
