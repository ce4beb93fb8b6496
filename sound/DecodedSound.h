#pragma once
#include <QAudioFormat>
#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QSharedPointer>
#include <QUrl>

class QAudioDecoder;

// The samples of one sound file ("qrc:" or "file:"), decoded once by Qt
// Multimedia into 16-bit stereo PCM at 44.1 kHz. The samples grow while the
// decoder runs, so a player can start with the first block. A file that is
// missing or holds no decodable sound fails once (never at once: on a later
// turn of the event loop). Main thread only.
//
// forSource() shares one decoding between all players of a file and keeps
// the sound asked for last even when no player holds it, so playing the
// current ring again costs nothing. Memory: 176 kB per second of sound
// (a 30 s ring is 5.3 MB).
class DecodedSound : public QObject
{
    Q_OBJECT
public:
    static QSharedPointer<DecodedSound> forSource(const QUrl &source);
    ~DecodedSound() override;

    static QAudioFormat format();
    const QByteArray &samples() const { return samples_; }
    // Every sample is there: the samples end where the sound ends.
    bool isComplete() const { return complete_; }
    bool hasFailed() const { return failed_; }

Q_SIGNALS:
    // More samples arrived, or the last of them did.
    void grown();
    void failed(const QString &reason);

private:
    explicit DecodedSound(const QUrl &source);
    void readBuffers();
    void decoderFinished();
    void decoderFailed();
    void fail(const QString &reason);
    void releaseDecoder();

    QFile file_;
    QAudioDecoder *decoder_ = nullptr;
    QByteArray samples_;
    bool complete_ = false;
    bool failed_ = false;
};
