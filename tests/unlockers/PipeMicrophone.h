#pragma once
// A real microphone for the blow tests: a PulseAudio pipe source, made the
// default input, fed in real time with PCM (16-bit mono) that sox makes.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QElapsedTimer>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Sox {
constexpr int kRate = 44100;

// What sox writes to standard output, or with `diagnostics` to standard error.
inline QByteArray run(const QStringList &arguments, const QByteArray &input = {}, bool diagnostics = false)
{
    QProcess sox;
    sox.start(QStringLiteral("sox"), arguments);
    sox.write(input);
    sox.closeWriteChannel();
    sox.waitForFinished(30000);
    return diagnostics ? sox.readAllStandardError() : sox.readAllStandardOutput();
}

inline QStringList raw() { return {"-t", "raw", "-r", QString::number(kRate), "-c", "1", "-b", "16", "-e", "signed"}; }

// The RMS level in dB below full scale, as sox measures it.
inline double rmsDb(const QByteArray &pcm)
{
    const QString stats = QString::fromUtf8(run(raw() + QStringList{"-", "-n", "stats"}, pcm, true));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("RMS lev dB\\s+(-?[0-9.]+|-inf)")).match(stats);
    return m.hasMatch() ? m.captured(1).toDouble() : -999;
}

// `seconds` of sound made by the sox effects `synth`, scaled so its RMS level
// is `targetDb`. Loud noise clips, which takes some level away: the gain is
// corrected until sox measures the target.
inline QByteArray sound(double seconds, const QStringList &synth, double targetDb)
{
    const QByteArray made
        = run(QStringList{"-n"} + raw() + QStringList{"-", "synth", QString::number(seconds)} + synth);
    double gain = std::pow(10.0, (targetDb - rmsDb(made)) / 20);
    QByteArray scaled;
    for (int pass = 0; pass < 4; ++pass) {
        scaled = run(raw() + QStringList{"-"} + raw() + QStringList{"-", "vol", QString::number(gain)}, made);
        const double error = targetDb - rmsDb(scaled);
        if (qAbs(error) < 0.05)
            break;
        gain *= std::pow(10.0, error / 20);
    }
    return scaled;
}

// Breath on a microphone: rushing noise up to 6 kHz.
inline QByteArray blow(double seconds, double db)
{
    return sound(seconds, {"whitenoise", "lowpass", "6000", "highpass", "100"}, db);
}
// Talking in the room: pink noise coming and going four times a second.
inline QByteArray speech(double seconds, double db) { return sound(seconds, {"pinknoise", "tremolo", "4", "90"}, db); }
// A quiet bedroom.
inline QByteArray quietRoom(double seconds) { return sound(seconds, {"pinknoise"}, -65); }
inline QByteArray digitalSilence(double seconds) { return QByteArray(int(seconds * kRate) * 2, '\0'); }
} // namespace Sox

class PipeMicrophone : public QObject
{
public:
    explicit PipeMicrophone(const QString &name)
    {
        path_ = dir_.filePath(name);
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {"load-module", "module-pipe-source", "source_name=" + name, "file=" + path_, "format=s16le",
                     "rate=" + QString::number(Sox::kRate), "channels=1"});
        pactl.waitForFinished(10000);
        module_ = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
        QProcess::execute(QStringLiteral("pactl"), {"set-default-source", name});
        fd_ = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_NONBLOCK);
        // A small pipe: while nobody records, little stale sound waits in it.
        if (fd_ >= 0)
            ::fcntl(fd_, F_SETPIPE_SZ, 4096);
        connect(&timer_, &QTimer::timeout, this, &PipeMicrophone::feed);
        timer_.start(20);
        clock_.start();
    }
    ~PipeMicrophone() override
    {
        if (fd_ >= 0)
            ::close(fd_);
        unplug();
    }
    bool isReady() const { return !module_.isEmpty() && fd_ >= 0; }
    // Plays `pcm` from now on, in place of what was still playing.
    void playInstead(const QByteArray &pcm)
    {
        feed();
        queue_ = pcm;
    }
    bool idle() const { return queue_.isEmpty(); }
    // The microphone goes away (pulled out).
    void unplug()
    {
        if (module_.isEmpty())
            return;
        QProcess::execute(QStringLiteral("pactl"), {"unload-module", module_});
        module_.clear();
    }

private:
    // Sound happens in real time whether anyone listens or not: what is due
    // goes into the pipe, and what does not fit (nobody reads) is lost.
    void feed()
    {
        const qint64 due = (clock_.elapsed() * Sox::kRate / 1000 * 2 - written_) & ~1LL;
        if (due <= 0)
            return;
        written_ += due;
        const qint64 n = std::min<qint64>(due, queue_.size());
        if (n > 0 && fd_ >= 0 && ::write(fd_, queue_.constData(), size_t(n)) < 0 && errno != EAGAIN)
            qWarning("pipe microphone: %s", strerror(errno));
        queue_.remove(0, n);
    }

    QTemporaryDir dir_;
    QString path_, module_;
    int fd_ = -1;
    QByteArray queue_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 written_ = 0;
};
