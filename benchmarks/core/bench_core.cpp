#include "alarms/RingTime.h"
#include "alarms/ZEBAlarmClockManager.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

// Prints how long the alarm file takes to save and load, and how long the ring
// times of a full set of weekly alarms take to compute. Targets: 64 alarms
// load+save under 5 ms; cost growing linearly with the number of alarms.
namespace {
const QTimeZone kZone("Europe/Berlin");
const QDateTime kNow(QDate(2025, 3, 26), QTime(8, 0), kZone); // a Wednesday, days before a DST change

double medianOf(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

template <typename Work>
double medianMs(int runs, Work work)
{
    QList<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples << timer.nsecsElapsed() / 1e6;
    }
    return medianOf(samples);
}

// Weekly alarms as the schedule manager stores them: one notification per set day.
ZEBAlarmClockList weeklyAlarms(int count, quint32 mask)
{
    ZEBAlarmClockList alarms;
    for (int i = 0; i < count; ++i) {
        auto alarm = std::make_shared<ZEBAlarmClock>();
        alarm->dateChoosingMask = mask;
        const QTime time(i % 24, i % 60);
        alarm->alarmTime = QDateTime(kNow.date(), time, kZone);
        LocalNotification n = ZEBAlarmClockManager::notificationTemplate(alarm);
        for (unsigned bit = 1; bit <= 64; bit <<= 1) {
            if (!(mask & bit))
                continue;
            n.fireDate = RingTime::nextRingTime(time, bit, kNow, kZone);
            alarm->referenceNotificationsDic->insert(ZEBAlarmClock::notificationKeyForBit(bit), n);
        }
        alarms << alarm;
    }
    return alarms;
}

struct FileFigures
{
    double saveMs, loadMs, bothMs;
};

FileFigures measureFile(int count, int runs)
{
    ZEBAlarmClockManager &manager = ZEBAlarmClockManager::sharedZEBAlarmClockManager();
    const ZEBAlarmClockList alarms = weeklyAlarms(count, ZEBAlarmClock::kWeekdays);
    QList<double> saves, loads, both;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        manager.writeAlarmClocksToCacheFile(alarms);
        const qint64 saved = timer.nsecsElapsed();
        const qsizetype loaded = manager.alarmClocksOnSystemSchedule().size();
        const qint64 total = timer.nsecsElapsed();
        if (loaded != count)
            qFatal("read back %lld alarms instead of %d", qint64(loaded), count);
        saves << saved / 1e6;
        loads << (total - saved) / 1e6;
        both << total / 1e6;
    }
    return {medianOf(saves), medianOf(loads), medianOf(both)};
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    const FixedClock clock(kNow, kZone);
    Clock::setCurrent(&clock);

    std::printf("alarm file load+save (weekday alarms, 5 notifications each), median of runs:\n");
    struct Size
    {
        int alarms, runs;
    };
    double perAlarm64 = 0;
    for (const Size size : {Size{64, 51}, Size{1000, 11}, Size{10000, 7}}) {
        const FileFigures f = measureFile(size.alarms, size.runs);
        const double usPerAlarm = f.bothMs * 1000 / size.alarms;
        if (size.alarms == 64)
            perAlarm64 = usPerAlarm;
        std::printf("  %6d alarms: %9.3f ms (save %8.3f, load %8.3f)  %6.1f us/alarm  x%.2f of the 64-alarm cost per alarm  [%d runs]\n",
                    size.alarms, f.bothMs, f.saveMs, f.loadMs, usPerAlarm, usPerAlarm / perAlarm64, size.runs);
        if (size.alarms == 64)
            std::printf("          target under 5 ms: %s\n", f.bothMs < 5 ? "met" : "NOT met");
    }

    const ZEBAlarmClockList everyDay = weeklyAlarms(64, ZEBAlarmClock::kEveryDay);
    int rings = 0;
    const double ringMs = medianMs(101, [&] {
        rings = 0;
        for (const ZEBAlarmClockPtr &alarm : everyDay)
            for (unsigned bit = 1; bit <= 64; bit <<= 1, ++rings)
                RingTime::nextRingTime(alarm->alarmTime.time(), bit, kNow, kZone);
    });
    std::printf("ring times of 64 alarms, every day (mask 127, %d ring times): %.3f ms median of 101 runs (%.2f us each)\n",
                rings, ringMs, ringMs * 1000 / rings);
    Clock::setCurrent(nullptr);
    return 0;
}
