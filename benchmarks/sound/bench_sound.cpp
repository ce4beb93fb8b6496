// Figures of the ring player on the real pipeline:
//  - latency: play request → first frame above -50 dBFS at the default sink's
//    monitor (includes the MP3's encoder delay, the fade-in's start at 0.1
//    and the monitor's own 10 ms buffering, so it is an upper bound);
//    target under 150 ms;
//  - the same for a replay of the ring just played (its samples are kept decoded);
//  - CPU of this process while one ring sound loops; target under 3 % of one core;
//  - memory of the decoded samples of that ring.
#include "../Figures.h"
#include "SinkMonitor.h"
#include "sound/AudioPlayer.h"
#include "sound/DecodedSound.h"
#include "sound/MediaVolume.h"
#include "sound/SoundResources.h"
#include "sound/RingPlayer.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
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

// Milliseconds from `requestedAt` to the first frame above -50 dBFS; -1 when none came within a second.
qint64 heardAfter(SinkMonitor &monitor, qint64 requestedAt)
{
    for (int i = 0; i < 100; ++i) {
        wait(10);
        const qint64 heardAt = monitor.firstLouderThan(0.00316, requestedAt);
        if (heardAt >= 0)
            return heardAt - requestedAt;
    }
    return -1;
}

bool waitForSilence(SinkMonitor &monitor)
{
    for (int i = 0; i < 50; ++i) {
        wait(100);
        if (monitor.peakOfLastMs(300) < 0.001)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!MediaVolume::shared().hasAudioServer()) {
        std::fprintf(stderr, "bench_sound: no PulseAudio server (source scripts/session-services.sh first)\n");
        return 1;
    }
    // BENCH_SOUNDS_DIR=assets/sounds measures plain files instead of the compiled-in resources.
    if (!qEnvironmentVariableIsEmpty("BENCH_SOUNDS_DIR"))
        SoundResources::addSearchDirectory(qEnvironmentVariable("BENCH_SOUNDS_DIR"));
    MediaVolume::shared().setMuted(false);
    RingPlayer *sound = RingPlayer::shared();
    auto listening = std::make_unique<SinkMonitor>();
    SinkMonitor &monitor = *listening;
    if (!monitor.isRecording()) {
        std::fprintf(stderr, "bench_sound: parec could not record the sink's monitor\n");
        return 1;
    }
    wait(500);

    const QStringList rings{QStringLiteral("Calculator.mp3"), QStringLiteral("Alien Metron.mp3"),
                            QStringLiteral("Falling Stone.mp3"), QStringLiteral("Astronaut.mp3"),
                            QStringLiteral("Satellite.mp3")};
    QList<qint64> latencies;
    for (int round = 0; round < 2; ++round) {
        for (const QString &ring : rings) {
            waitForSilence(monitor);
            const qint64 requestedAt = monitor.nowMs();
            sound->play(ring, true);
            const qint64 latency = heardAfter(monitor, requestedAt);
            sound->stop();
            if (latency >= 0)
                latencies << latency;
            std::printf("latency %-18s %5lld ms\n", qPrintable(ring), latency);
        }
    }
    QList<qint64> replays;
    for (int round = 0; round < 5; ++round) {
        waitForSilence(monitor);
        const qint64 requestedAt = monitor.nowMs();
        sound->play(rings.last(), true);
        const qint64 latency = heardAfter(monitor, requestedAt);
        sound->stop();
        if (latency >= 0)
            replays << latency;
    }
    std::sort(replays.begin(), replays.end());
    reportFigure("Replay of the current ring -> first non-silent frame (median)",
                 replays.isEmpty() ? "never heard" : std::to_string(replays.at(replays.size() / 2)) + " ms",
                 "<= 150 ms", replays.size() == 5 && replays.at(replays.size() / 2) <= 150);

    // The floor of this measure: raw PCM straight into a QAudioSink (no file,
    // no decoder, no fade), through the same server and monitor.
    QList<qint64> floors;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QByteArray tone(44100 / 2 * 2, '\0');
    for (int i = 0; i < tone.size() / 2; ++i)
        reinterpret_cast<qint16 *>(tone.data())[i] = qint16(8000 * std::sin(i * 2 * M_PI * 440 / 44100));
    for (int round = 0; round < 5; ++round) {
        waitForSilence(monitor);
        QBuffer buffer(&tone);
        buffer.open(QIODevice::ReadOnly);
        QAudioSink sink(QMediaDevices::defaultAudioOutput(), format);
        const qint64 requestedAt = monitor.nowMs();
        sink.start(&buffer);
        const qint64 latency = heardAfter(monitor, requestedAt);
        sink.stop();
        if (latency >= 0)
            floors << latency;
    }
    std::sort(floors.begin(), floors.end());
    if (!floors.isEmpty())
        std::printf("floor (raw PCM via QAudioSink, same server and monitor): median %lld ms\n",
                    floors.at(floors.size() / 2));

    std::sort(latencies.begin(), latencies.end());
    if (!latencies.isEmpty()) {
        std::printf("play request -> first audible frame: median %lld ms, worst %lld ms (%lld runs; target < 150 ms)\n",
                    latencies.at(latencies.size() / 2), latencies.last(), qint64(latencies.size()));
    }
    const bool allHeard = latencies.size() == 2 * rings.size();
    reportFigure("Play request -> first non-silent frame at the sink (median)",
                 latencies.isEmpty() ? "never heard" : std::to_string(latencies.at(latencies.size() / 2)) + " ms",
                 "<= 150 ms", allHeard && latencies.at(latencies.size() / 2) <= 150);

    listening.reset(); // its own reading of the monitor would count as our CPU
    sound->play(QStringLiteral("Airship.mp3"), true);
    wait(2000); // past the fade-in
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    wait(20000); // past one loop of the 17 s sound
    const double cpuUsed = cpuSeconds() - cpuBefore;
    const double percent = 100.0 * cpuUsed / (double(wall.elapsed()) / 1000.0);
    std::printf("CPU while \"Airship.mp3\" loops: %.2f %% of one core over %.1f s (target < 3 %%); still playing: %s\n",
                percent, double(wall.elapsed()) / 1000.0, sound->playing() ? "yes" : "no");
    reportFigure("CPU while a ring sound loops", withUnit(percent, "% of a core", 2), "< 3 %",
                 percent < 3 && sound->playing());
    const qint64 bytes
        = sound->audioPlayer() ? DecodedSound::forSource(sound->audioPlayer()->source())->samples().size() : 0;
    std::printf("decoded samples of \"Airship.mp3\" (16.9 s): %.2f MB\n", double(bytes) / 1e6);
    reportFigure("Memory of the looping ring's decoded samples (16.9 s)", withUnit(double(bytes) / 1e6, "MB", 2),
                 "<= 6 MB", bytes > 0 && bytes <= 6'000'000);
    sound->stop();
    return 0;
}
