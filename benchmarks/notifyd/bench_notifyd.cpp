// Figures for the notification service: delivery latency from fire date to the
// app receiving the notification (100 notifications), and the idle service's
// wake-ups, CPU time and memory. Runs its own private bus; prints, asserts nothing.
#include "NotifydHarness.h"
#include "app/AlarmBusEndpoint.h"
#include "platform/DBusNotificationScheduler.h"
#include "platform/NotificationBus.h"
#include "platform/NotificationStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
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
    s.rssKb = statusField(readProcFile(base + QStringLiteral("/status")), "VmRSS");
    for (const QString &task : QDir(base + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray status = readProcFile(base + QStringLiteral("/task/") + task + QStringLiteral("/status"));
        s.contextSwitches += statusField(status, "voluntary_ctxt_switches")
                             + statusField(status, "nonvoluntary_ctxt_switches");
    }
    return s;
}

void reportIdle(const char *label, qint64 pid)
{
    const ProcessSample before = sample(pid);
    QTest::qWait(kIdleSecs * 1000);
    const ProcessSample after = sample(pid);
    const double cpuPercent = 100.0 * double(after.cpuTicks - before.cpuTicks) / double(sysconf(_SC_CLK_TCK))
                              / kIdleSecs;
    std::printf("idle, %s, over %d s: %lld wake-ups (context switches), CPU %.2f %%, RSS %.1f MB (target: no "
                "wake-ups, under 15 MB)\n",
                label, kIdleSecs, after.contextSwitches - before.contextSwitches, cpuPercent,
                double(after.rssKb) / 1024.0);
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

    DBusNotificationScheduler scheduler(bus.connection());
    LocalNotificationScheduler::setShared(&scheduler);
    AlarmBusEndpoint endpoint;
    endpoint.registerOn(bus.connection());

    QTest::qWait(1000);
    reportIdle("nothing pending", pid);

    QList<qint64> latenciesMs;
    QObject::connect(&scheduler, &LocalNotificationScheduler::notificationReceived,
                     [&](const LocalNotification &n) {
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

    LocalNotification later;
    later.fireDate = QDateTime::currentDateTime().addSecs(3600);
    scheduler.scheduleLocalNotification(later);
    QTest::qWait(500);
    reportIdle("one notification an hour ahead", pid);
    LocalNotificationScheduler::setShared(nullptr);
    return 0;
}
