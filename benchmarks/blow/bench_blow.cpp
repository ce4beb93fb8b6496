// Figures of the blow detector; target: under 3 % of one core while listening.
//  - metering alone: CPU time to measure one second of 48 kHz stereo float
//    sound, as a share of that second;
//  - listening live: CPU of this process over 10 s while the challenge samples
//    a PulseAudio pipe microphone fed in real time, minus the same 10 s with
//    the microphone fed but nobody listening (the feeding itself), in the
//    device's own format and read as 48 kHz stereo float.
#include "PipeMicrophone.h"

#include "sound/MediaVolume.h"
#include "unlockers/games/blow/BlowChallenge.h"
#include "unlockers/games/blow/LevelMeter.h"

#include "../Figures.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <cstdio>
#include <sys/resource.h>

namespace {
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Per cent of one core used over `ms` of running the event loop.
double cpuPercentOver(int ms)
{
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    wait(ms);
    return 100 * (cpuSeconds() - before) / (wall.elapsed() / 1000.0);
}

double meteringPercent()
{
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Float);
    format.setSampleRate(48000);
    format.setChannelCount(2);
    QByteArray second(format.bytesForDuration(1000000), '\0');
    float *samples = reinterpret_cast<float *>(second.data());
    for (qsizetype i = 0; i < second.size() / qsizetype(sizeof(float)); ++i)
        samples[i] = float((i * 7919) % 2001 - 1000) / 1000; // any values will do
    LevelMeter meter;
    meter.setFormat(format);
    constexpr int kSeconds = 60;
    QElapsedTimer timer;
    timer.start();
    const double before = cpuSeconds();
    for (int s = 0; s < kSeconds; ++s) {
        for (int chunk = 0; chunk < 10; ++chunk) // in the detector's 0.1 s pieces
            meter.add(second.constData() + chunk * second.size() / 10, second.size() / 10);
        meter.take();
    }
    return 100 * (cpuSeconds() - before) / kSeconds;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!MediaVolume::shared().hasAudioServer()) {
        std::fprintf(stderr, "bench_blow: no PulseAudio server (source scripts/session-services.sh first)\n");
        return 1;
    }
    std::printf("metering 48 kHz stereo float: %.3f %% of one core\n", meteringPercent());

    PipeMicrophone microphone(QStringLiteral("tolvek_bench_mic"));
    if (!microphone.isReady()) {
        std::fprintf(stderr, "bench_blow: could not make the pipe microphone\n");
        return 1;
    }
    const QByteArray room = Sox::quietRoom(40);
    microphone.playInstead(room);
    wait(1000);
    const double feeding = cpuPercentOver(10000);
    std::printf("feeding the microphone, nobody listening: %.2f %% of one core\n", feeding);

    for (bool float48k : {false, true}) {
        BlowChallenge challenge;
        if (float48k) {
            QAudioFormat format;
            format.setSampleFormat(QAudioFormat::Float);
            format.setSampleRate(48000);
            format.setChannelCount(2);
            challenge.detector().setFormat(format);
        }
        challenge.start();
        wait(1000);
        const double listening = cpuPercentOver(10000);
        const QAudioFormat used = challenge.detector().format();
        std::printf("listening (%d Hz, %d ch, %s): %.2f %% of one core, detector's share %.2f %% (target < 3 %%)%s\n",
                    used.sampleRate(), used.channelCount(),
                    used.sampleFormat() == QAudioFormat::Float ? "float" : "integer", listening, listening - feeding,
                    challenge.isFallback() ? " [fell back!]" : "");
        reportFigure(std::string("Blow detector CPU while listening, ")
                         + (float48k ? "48 kHz float" : "default format"),
                     withUnit(listening - feeding, "% of a core", 2), "< 3 %",
                     listening - feeding < 3 && !challenge.isFallback());
        challenge.stop();
    }
    return 0;
}
