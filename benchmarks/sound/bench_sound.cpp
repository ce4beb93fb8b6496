// Figures of the ring player on the real pipeline:
//  - latency: play request → first frame above -50 dBFS at the default sink's
//    monitor (includes the MP3's encoder delay, the fade-in's start at 0.1
//    and the monitor's own 10 ms buffering, so it is an upper bound);
//    target under 150 ms;
//  - CPU of this process while one ring sound loops; target under 3 % of one core.
#include "SinkMonitor.h"
#include "sound/MediaVolume.h"
#include "sound/ZEBSoundManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool waitForSilence(SinkMonitor &monitor)
{
    for (int i = 0; i < 50; ++i) {
        QTest::qWait(100);
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
    MediaVolume::shared().setMuted(false);
    ZEBSoundManager *sound = ZEBSoundManager::sharedZEBSoundManager();
    auto listening = std::make_unique<SinkMonitor>();
    SinkMonitor &monitor = *listening;
    if (!monitor.isRecording()) {
        std::fprintf(stderr, "bench_sound: parec could not record the sink's monitor\n");
        return 1;
    }
    QTest::qWait(500);

    const QStringList rings{QStringLiteral("Calculator.mp3"), QStringLiteral("Alien Metron.mp3"),
                            QStringLiteral("Falling Stone.mp3"), QStringLiteral("Astronaut.mp3"),
                            QStringLiteral("Satellite.mp3")};
    QList<qint64> latencies;
    for (int round = 0; round < 2; ++round) {
        for (const QString &ring : rings) {
            waitForSilence(monitor);
            const qint64 requestedAt = monitor.nowMs();
            sound->playSoundWithSoundFile(ring, true);
            qint64 heardAt = -1;
            for (int i = 0; i < 100 && heardAt < 0; ++i) {
                QTest::qWait(10);
                heardAt = monitor.firstLouderThan(0.00316, requestedAt); // -50 dBFS
            }
            sound->stopSoundPlay();
            if (heardAt >= 0)
                latencies << heardAt - requestedAt;
            std::printf("latency %-18s %5lld ms\n", qPrintable(ring), heardAt >= 0 ? heardAt - requestedAt : -1LL);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.isEmpty()) {
        std::printf("play request -> first audible frame: median %lld ms, worst %lld ms (%lld runs; target < 150 ms)\n",
                    latencies.at(latencies.size() / 2), latencies.last(), qint64(latencies.size()));
    }

    listening.reset(); // its own reading of the monitor would count as our CPU
    sound->playSoundWithSoundFile(QStringLiteral("Airship.mp3"), true);
    QTest::qWait(2000); // past the fade-in
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(20000); // past one loop of the 17 s sound
    const double cpuUsed = cpuSeconds() - cpuBefore;
    const double percent = 100.0 * cpuUsed / (double(wall.elapsed()) / 1000.0);
    std::printf("CPU while \"Airship.mp3\" loops: %.2f %% of one core over %.1f s (target < 3 %%); still playing: %s\n",
                percent, double(wall.elapsed()) / 1000.0, sound->playing() ? "yes" : "no");
    sound->stopSoundPlay();
    return 0;
}
