#include "../Figures.h"
#include "alarms/RingTime.h"
#include "alarms/AlarmSchedule.h"
#include "platform/Clock.h"
#include "platform/KeyedArchive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

// Prints how long the alarm file takes to save and load, and how long the ring
// times of a full set of weekly alarms take to compute. Targets: 64 alarms
// load+save under 5 ms; cost growing linearly with the number of alarms.
// Wall-clock figures include waiting for the disk and for a busy machine's
// cores; CPU figures are this thread's own work.
namespace {
const QTimeZone kZone("Europe/Berlin");
const QDateTime kNow(QDate(2025, 3, 26), QTime(8, 0), kZone); // a Wednesday, days before a DST change

double medianOf(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Wall-clock and CPU milliseconds of one piece of work.
struct Cost
{
    double wallMs = 0, cpuMs = 0;
};

template<typename Work>
Cost costOf(Work work)
{
    QElapsedTimer timer;
    const double cpuStart = threadCpuMs();
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e6, threadCpuMs() - cpuStart};
}

struct Medians
{
    QList<double> wall, cpu;
    void add(const Cost &cost)
    {
        wall << cost.wallMs;
        cpu << cost.cpuMs;
    }
    Cost median() const { return {medianOf(wall), medianOf(cpu)}; }
};

// Weekly alarms as the schedule manager stores them: one notification per set day.
AlarmList weeklyAlarms(int count, quint32 mask)
{
    AlarmList alarms;
    for (int i = 0; i < count; ++i) {
        auto alarm = std::make_shared<Alarm>();
        alarm->repeatMask = mask;
        const QTime time(i % 24, i % 60);
        alarm->alarmTime = QDateTime(kNow.date(), time, kZone);
        LocalNotification n = AlarmSchedule::notificationTemplate(alarm);
        for (unsigned bit = 1; bit <= 64; bit <<= 1) {
            if (!(mask & bit))
                continue;
            n.fireDate = RingTime::nextRingTime(time, bit, kNow, kZone);
            alarm->scheduledNotifications->insert(Alarm::notificationKeyForBit(bit), n);
        }
        alarms << alarm;
    }
    return alarms;
}

struct FileFigures
{
    Cost save, load, both;
};

FileFigures measureFile(int count, int runs, quint32 mask)
{
    AlarmSchedule &manager = AlarmSchedule::shared();
    const AlarmList alarms = weeklyAlarms(count, mask);
    Medians saves, loads, both;
    for (int i = 0; i < runs; ++i) {
        qsizetype loaded = 0;
        QString error;
        const Cost save = costOf([&] {
            if (!manager.writeAlarmFile(alarms, &error))
                qFatal("could not save %d alarms: %s", count, qPrintable(error));
        });
        const Cost load = costOf([&] { loaded = manager.reload().size(); });
        if (loaded != count)
            qFatal("read back %lld alarms instead of %d", qint64(loaded), count);
        saves.add(save);
        loads.add(load);
        both.add({save.wallMs + load.wallMs, save.cpuMs + load.cpuMs});
    }
    return {saves.median(), loads.median(), both.median()};
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

    const FileFigures weekdays = measureFile(64, 51, Alarm::kWeekdays);
    std::printf("alarm file load+save, medians, wall-clock / CPU:\n"
                "  64 weekday alarms (5 notifications each), 51 runs: %.2f / %.2f ms (save %.2f / %.2f, load %.2f / "
                "%.2f)\n",
                weekdays.both.wallMs, weekdays.both.cpuMs, weekdays.save.wallMs, weekdays.save.cpuMs,
                weekdays.load.wallMs, weekdays.load.cpuMs);
    // The share of the save that is encoding, not the file's writing and syncing.
    {
        const AlarmList alarms = weeklyAlarms(64, Alarm::kWeekdays);
        Medians encodes;
        for (int run = 0; run < 51; ++run)
            encodes.add(costOf([&] {
                JsonTextWriter json;
                json.beginArray();
                for (const AlarmPtr &alarm : alarms)
                    KeyedArchiver::write(json, alarm.get());
                json.endArray();
                json.take();
            }));
        std::printf("  of the save, encoding to JSON text: %.2f ms CPU\n", encodes.median().cpuMs);
    }
    reportFigure("64 alarms: load + save, CPU (wall-clock " + withUnit(weekdays.both.wallMs, "ms", 2) + ")",
                 withUnit(weekdays.both.cpuMs, "ms", 2), "<= 5 ms", weekdays.both.cpuMs <= 5);

    // Growth: alarms on one weekday each, so 10,000 of them stay within the
    // largest alarm file the app reads (5 notifications each would not).
    struct Size
    {
        int alarms, runs;
    };
    double cpuPerAlarm64 = 0, cpuPerAlarm10k = 0;
    for (const Size size : {Size{64, 51}, Size{1000, 11}, Size{10000, 5}}) {
        const FileFigures f = measureFile(size.alarms, size.runs, Alarm::maskBitForQtDayOfWeek(1));
        const double cpuUsPerAlarm = f.both.cpuMs * 1000 / size.alarms;
        if (size.alarms == 64)
            cpuPerAlarm64 = cpuUsPerAlarm;
        if (size.alarms == 10000)
            cpuPerAlarm10k = cpuUsPerAlarm;
        std::printf("  %5d Monday alarms, %2d runs: load+save %9.2f / %9.2f ms (save %8.2f / %8.2f, load %8.2f / "
                    "%8.2f); CPU %5.1f us/alarm, x%.2f of the 64-alarm cost per alarm; file %lld bytes\n",
                    size.alarms, size.runs, f.both.wallMs, f.both.cpuMs, f.save.wallMs, f.save.cpuMs, f.load.wallMs,
                    f.load.cpuMs, cpuUsPerAlarm, cpuUsPerAlarm / cpuPerAlarm64,
                    qint64(QFileInfo(AlarmSchedule::alarmFilePath()).size()));
    }
    // Linear: the cost per alarm at 10,000 no more than a quarter above the one at 64.
    reportFigure("Alarm file growth 64 -> 10,000 alarms: CPU per alarm",
                 withUnit(cpuPerAlarm10k / cpuPerAlarm64, "x", 2), "<= 1.25 x (linear)",
                 cpuPerAlarm10k / cpuPerAlarm64 <= 1.25);

    const AlarmList everyDay = weeklyAlarms(64, Alarm::kEveryDay);
    Medians ringRuns;
    int rings = 0;
    for (int run = 0; run < 101; ++run) {
        rings = 0;
        ringRuns.add(costOf([&] {
            for (const AlarmPtr &alarm : everyDay)
                for (unsigned bit = 1; bit <= 64; bit <<= 1, ++rings)
                    RingTime::nextRingTime(alarm->alarmTime.time(), bit, kNow, kZone);
        }));
    }
    const Cost ring = ringRuns.median();
    std::printf(
        "ring times of 64 every-day alarms (mask 127, %d ring times), 101 runs: %.3f / %.3f ms (CPU %.2f us each)\n",
        rings, ring.wallMs, ring.cpuMs, ring.cpuMs * 1000 / rings);
    Clock::setCurrent(nullptr);
    return 0;
}
