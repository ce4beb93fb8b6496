#include "sound/AiffFile.h"

#include <QFile>
#include <QtEndian>
#include <cmath>

namespace {
// AIFF stores the sample rate as an 80-bit IEEE extended float.
double extendedToDouble(const uchar *p)
{
    const int exponent = ((p[0] & 0x7f) << 8) | p[1];
    const quint64 mantissa = qFromBigEndian<quint64>(p + 2);
    if (exponent == 0 && mantissa == 0)
        return 0;
    const double value = std::ldexp(double(mantissa), exponent - 16383 - 63);
    return (p[0] & 0x80) ? -value : value;
}
} // namespace

AiffFile AiffFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return AiffFile();
    return parse(file.readAll());
}

AiffFile AiffFile::parse(const QByteArray &bytes)
{
    AiffFile aiff;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 size = bytes.size();
    if (size < 12 || bytes.left(4) != "FORM" || bytes.mid(8, 4) != "AIFF")
        return aiff;

    int channels = 0, bits = 0;
    quint32 frames = 0;
    double rate = 0;
    const uchar *sound = nullptr;
    qint64 soundBytes = 0;
    for (qint64 at = 12; at + 8 <= size;) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 length = qFromBigEndian<quint32>(data + at + 4);
        const qint64 body = at + 8;
        if (length > size - body)
            return aiff;
        if (id == "COMM" && length >= 18) {
            channels = qFromBigEndian<quint16>(data + body);
            frames = qFromBigEndian<quint32>(data + body + 2);
            bits = qFromBigEndian<quint16>(data + body + 6);
            rate = extendedToDouble(data + body + 8);
        } else if (id == "SSND" && length >= 8) {
            const qint64 offset = qFromBigEndian<quint32>(data + body);
            if (offset > length - 8)
                return aiff;
            sound = data + body + 8 + offset;
            soundBytes = length - 8 - offset;
        }
        at = body + length + (length & 1); // chunks are padded to an even size
    }
    if (channels < 1 || channels > 8 || (bits != 8 && bits != 16) || !(rate >= 1000 && rate <= 192000) || !sound)
        return aiff;

    const int bytesPerSample = bits / 8;
    const qint64 samples = std::min<qint64>(qint64(frames) * channels, soundBytes / bytesPerSample);
    aiff.samples_.resize(samples * 2);
    auto *out = reinterpret_cast<qint16 *>(aiff.samples_.data());
    for (qint64 i = 0; i < samples; ++i) {
        out[i] = bits == 16 ? qFromBigEndian<qint16>(sound + 2 * i) : qint16(qint8(sound[i]) * 256);
    }
    aiff.format_.setSampleRate(int(std::lround(rate)));
    aiff.format_.setChannelCount(channels);
    aiff.format_.setSampleFormat(QAudioFormat::Int16);
    return aiff;
}

qint64 AiffFile::durationMs() const
{
    if (!isValid())
        return 0;
    return format_.durationForBytes(samples_.size()) / 1000;
}
