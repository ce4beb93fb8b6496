#pragma once
// What another process on this machine uses, read from /proc: for tests and
// benchmarks that run a service as its own process.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace ProcessStats {

// CPU seconds used so far, user and system, all threads.
inline double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // After the command name: state is field 3; utime and stime are fields 14 and 15.
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
    return double(fields.value(12).toLongLong() + fields.value(13).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// A size field of /proc/PID/status in kB, e.g. "VmRSS" (resident now) or "VmHWM" (resident at the peak).
inline qint64 statusKb(qint64 pid, const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

inline qsizetype openDescriptors(qint64 pid)
{
    return QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::NoDotAndDotDot | QDir::System).size();
}

} // namespace ProcessStats
