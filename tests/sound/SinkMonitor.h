#pragma once
// Listens to what really reaches the default sink: records its monitor source
// with `parec` (16-bit mono, 44.1 kHz) and keeps the peak level of every
// 10 ms block together with the time it arrived. Other tests may play to the
// same sink at the same time, so silence is checked per stream instead:
// thisProcessIsPlaying() asks the server whether a stream of ours runs.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtEndian>
#include <QVector>
#include <QtCore/qtestsupport_core.h>
#include <cmath>

class SinkMonitor
{
public:
    SinkMonitor()
    {
        clock_.start();
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { read(); });
        parec_.start(QStringLiteral("parec"), QStringLiteral("-d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 "
                                                             "--rate=44100 --latency-msec=10")
                                                  .split(' '));
    }
    ~SinkMonitor()
    {
        parec_.kill();
        parec_.waitForFinished(2000);
    }
    // Started, and the first block arrived: what plays from now on is heard.
    bool isRecording()
    {
        return parec_.waitForStarted(3000) && QTest::qWaitFor([this] { return !blocks_.isEmpty(); }, 3000);
    }

    // Highest sample level (0..1) of the blocks that arrived in the last `ms` of this monitor's clock.
    double peakOfLastMs(qint64 ms) const
    {
        const qint64 from = nowMs() - ms;
        double peak = 0;
        for (const Block &b : blocks_) {
            if (b.atMs >= from)
                peak = std::max(peak, b.peak);
        }
        return peak;
    }
    // Arrival time of the first block at or after `fromMs` louder than `level`; -1 if none.
    qint64 firstLouderThan(double level, qint64 fromMs) const
    {
        for (const Block &b : blocks_) {
            if (b.atMs >= fromMs && b.peak > level)
                return b.atMs;
        }
        return -1;
    }
    qint64 nowMs() const { return clock_.elapsed(); }

    // Indexes of this process's sink inputs that are not corked (paused or stopped).
    static QStringList playingInputsOfThisProcess()
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
        pactl.waitForFinished(5000);
        const QString ownPid
            = QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
        QStringList playing;
        for (const QString &input :
             QString::fromUtf8(pactl.readAllStandardOutput()).split(QStringLiteral("Sink Input #"))) {
            if (input.contains(ownPid) && input.contains(QLatin1String("Corked: no")))
                playing << input.section(QLatin1Char('\n'), 0, 0).trimmed();
        }
        return playing;
    }
    static bool thisProcessIsPlaying() { return !playingInputsOfThisProcess().isEmpty(); }

private:
    struct Block
    {
        qint64 atMs;
        double peak;
    };
    void read()
    {
        pending_ += parec_.readAllStandardOutput();
        constexpr int kBlockBytes = 441 * 2;
        while (pending_.size() >= kBlockBytes) {
            double peak = 0;
            for (int i = 0; i < kBlockBytes; i += 2)
                peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(pending_.constData() + i)) / 32768.0);
            blocks_.append({clock_.elapsed(), peak});
            pending_.remove(0, kBlockBytes);
        }
    }

    QProcess parec_;
    QElapsedTimer clock_;
    QByteArray pending_;
    QVector<Block> blocks_;
};
