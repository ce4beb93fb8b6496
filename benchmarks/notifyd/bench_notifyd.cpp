// Figures for the notification service: delivery latency from fire date to the
// app receiving the notification (100 notifications), the idle service's
// wake-ups, CPU time and memory, and its memory and pending list under hostile
// calls (huge bodies, absurd dates, zones and repeats). Runs its own private
// bus; prints, asserts nothing. --hostile runs only the hostile calls.
#include "NotifydHarness.h"
#include "app/AlarmBusEndpoint.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationStore.h"

#include "../Figures.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <unistd.h>

namespace {
constexpr int kCount = 100;
constexpr int kPerRound = 50;
constexpr int kSpacingMs = 40;
constexpr int kIdleSecs = 10;

struct ProcessSample
{
    qint64 cpuTicks = 0;        // user + system, all threads
    qint64 contextSwitches = 0; // voluntary + involuntary, all threads: each wake-up is at least one
    qint64 rssKb = 0;
    qint64 peakRssKb = 0; // the most the process ever held
};

qint64 statusField(const QByteArray &status, const QByteArray &field)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ProcessSample sample(qint64 pid)
{
    ProcessSample s;
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    const QList<QByteArray> stat = readProcFile(base + QStringLiteral("/stat")).split(')').value(1).split(' ');
    // After the command name: state is field 3, utime 14 and stime 15 (1-based, counting pid and comm).
    s.cpuTicks = stat.value(12).toLongLong() + stat.value(13).toLongLong();
    const QByteArray status = readProcFile(base + QStringLiteral("/status"));
    s.rssKb = statusField(status, "VmRSS");
    s.peakRssKb = statusField(status, "VmHWM");
    for (const QString &task : QDir(base + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray status = readProcFile(base + QStringLiteral("/task/") + task + QStringLiteral("/status"));
        s.contextSwitches
            += statusField(status, "voluntary_ctxt_switches") + statusField(status, "nonvoluntary_ctxt_switches");
    }
    return s;
}

QDBusMessage callService(const QDBusConnection &bus, const QString &method, const QString &argument)
{
    QDBusMessage call = QDBusMessage::createMethodCall(NotificationBus::kServiceName, NotificationBus::kServicePath,
                                                       NotificationBus::kServiceName, method);
    call << argument;
    return bus.call(call, QDBus::Block, 120000);
}

// What a hostile caller sends: 64 Schedule calls with a 20 MB body (the pending
// list's limit), then dates, zones and repeats no alarm has. The service's
// memory is sampled before, at its peak, and once the calls are answered.
void reportHostile(const QDBusConnection &bus, qint64 pid)
{
    const qint64 before = sample(pid).rssKb;
    const auto notification = [](auto change) {
        LocalNotification n;
        n.fireDate = QDateTime::currentDateTime().addSecs(3600);
        n.timeZone = QStringLiteral("Europe/Oslo");
        n.repeatCalendar = QStringLiteral("gregorian");
        n.alertAction = QStringLiteral("Rock & Roll");
        change(n);
        return NotificationBus::toWire(n);
    };
    const QString huge = notification([](LocalNotification &n) { n.alertBody = QString(20 << 20, QLatin1Char('z')); });
    int refused = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < LocalNotification::kMaxPending; ++i)
        refused += callService(bus, QStringLiteral("Schedule"), huge).type() == QDBusMessage::ErrorMessage;
    const qint64 hugeMs = timer.elapsed();
    const QString odd[] = {
        notification([](LocalNotification &n) { n.fireDate = QDateTime(QDate(1, 1, 1), QTime(7, 0)); }),
        notification([](LocalNotification &n) { n.fireDate = QDateTime(QDate(9999, 12, 31), QTime(7, 0)); }),
        notification([](LocalNotification &n) { n.timeZone = QStringLiteral("../../../etc/passwd"); }),
        notification([](LocalNotification &n) { n.repeatInterval = std::numeric_limits<int>::min(); }),
    };
    int oddRefused = 0;
    for (const QString &text : odd)
        oddRefused += callService(bus, QStringLiteral("Schedule"), text).type() == QDBusMessage::ErrorMessage;
    QTest::qWait(1000);
    const ProcessSample after = sample(pid);
    std::printf("hostile: %d of %d Schedule calls with a 20 MB body refused (%lld ms); %d of 4 with year 1, year "
                "9999, zone ../../../etc/passwd, repeat -2^31 refused\n",
                refused, LocalNotification::kMaxPending, hugeMs, oddRefused);
    std::printf("hostile: service RSS %.1f MB before, %.1f MB at its peak, %.1f MB a second after; pending file %lld "
                "bytes (target: back to the start, file under 1 KB)\n",
                double(before) / 1024.0, double(after.peakRssKb) / 1024.0, double(after.rssKb) / 1024.0,
                qint64(QFileInfo(NotificationStore::path()).size()));
}

void reportIdle(const char *label, qint64 pid)
{
    const ProcessSample before = sample(pid);
    QTest::qWait(kIdleSecs * 1000);
    const ProcessSample after = sample(pid);
    const double cpuPercent
        = 100.0 * double(after.cpuTicks - before.cpuTicks) / double(sysconf(_SC_CLK_TCK)) / kIdleSecs;
    std::printf("idle, %s, over %d s: %lld wake-ups (context switches), CPU %.2f %%, RSS %.1f MB (target: no "
                "wake-ups, under 15 MB)\n",
                label, kIdleSecs, after.contextSwitches - before.contextSwitches, cpuPercent,
                double(after.rssKb) / 1024.0);
    reportFigure(std::string("Notification service idle CPU, ") + label, withUnit(cpuPercent, "%", 2),
                 "~0 % (no wake-ups)", after.contextSwitches == before.contextSwitches);
    reportFigure("Notification service RSS, idle", withUnit(double(after.rssKb) / 1024.0, "MiB"), "< 15 MiB",
                 after.rssKb < 15 * 1024);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Private documents so the benchmark never touches a user's alarms.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());

    PrivateBus bus;
    if (!bus.isValid()) {
        std::fprintf(stderr, "cannot start a private bus (dbus-daemon)\n");
        return 1;
    }
    QProcessEnvironment env = serviceEnvironment(bus);
    env.insert(QStringLiteral("TOLVEK_ALARM_BINARY"), QStringLiteral("/bin/true"));
    ServiceProcess service(bus, env);
    if (!service.start()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(ServiceProcess::binary()));
        return 1;
    }
    const qint64 pid = service.process().processId();
    if (app.arguments().contains(QStringLiteral("--hostile"))) {
        reportHostile(bus.connection(), pid);
        return 0;
    }

    DBusNotificationScheduler scheduler(bus.connection());
    LocalNotificationScheduler::setShared(&scheduler);
    AlarmBusEndpoint endpoint;
    endpoint.registerOn(bus.connection());

    QTest::qWait(1000);
    reportIdle("nothing pending", pid);

    QList<qint64> latenciesMs;
    QObject::connect(&scheduler, &LocalNotificationScheduler::notificationReceived, [&](const LocalNotification &n) {
        latenciesMs.append(n.fireDate.msecsTo(QDateTime::currentDateTime()));
    });
    // In rounds, as at most 64 may be pending; each round far enough ahead that
    // all of it is scheduled before its first one fires.
    for (int round = 0; round < kCount / kPerRound; ++round) {
        const QDateTime first = QDateTime::currentDateTime().addSecs(5);
        QElapsedTimer scheduling;
        scheduling.start();
        for (int i = 0; i < kPerRound; ++i) {
            LocalNotification n;
            n.fireDate = first.addMSecs(i * kSpacingMs);
            n.alertAction = QStringLiteral("Rock & Roll");
            n.alertBody = QStringLiteral("benchmark %1").arg(round * kPerRound + i);
            scheduler.scheduleLocalNotification(n);
        }
        std::printf("scheduling %d notifications over the bus: %lld ms\n", kPerRound, scheduling.elapsed());
        QElapsedTimer waited;
        waited.start();
        while (latenciesMs.size() < (round + 1) * kPerRound && waited.elapsed() < 30000)
            QTest::qWait(50);
    }
    if (latenciesMs.isEmpty()) {
        std::fprintf(stderr, "no notification arrived\n");
        return 1;
    }
    std::sort(latenciesMs.begin(), latenciesMs.end());
    std::printf("delivery latency over %lld of %d notifications: median %lld ms, worst %lld ms (target: median "
                "under 20 ms, worst under 100 ms)\n",
                qint64(latenciesMs.size()), kCount, latenciesMs.at(latenciesMs.size() / 2), latenciesMs.last());
    reportFigure(
        "Notification delivery latency (median / worst)",
        std::to_string(latenciesMs.at(latenciesMs.size() / 2)) + " / " + std::to_string(latenciesMs.last()) + " ms",
        "< 20 / < 100 ms",
        latenciesMs.size() == kCount && latenciesMs.at(latenciesMs.size() / 2) < 20 && latenciesMs.last() < 100);

    LocalNotification later;
    later.fireDate = QDateTime::currentDateTime().addSecs(3600);
    scheduler.scheduleLocalNotification(later);
    QTest::qWait(500);
    reportIdle("one notification an hour ahead", pid);
    LocalNotificationScheduler::setShared(nullptr);
    reportHostile(bus.connection(), pid);
    return 0;
}
