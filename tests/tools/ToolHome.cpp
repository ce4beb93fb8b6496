#include "ToolHome.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <sys/resource.h>

QString ToolHome::Result::describe() const
{
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3").arg(exitCode).arg(out, err);
}

QJsonArray ToolHome::Result::jsonArray() const { return QJsonDocument::fromJson(out.toUtf8()).array(); }

ToolHome::Result ToolHome::ctl(const QStringList &arguments) const
{
    return run(QStringLiteral(TOLVEKCTL_PATH), arguments);
}

ToolHome::Result ToolHome::app(const QStringList &arguments) const
{
    return run(QStringLiteral(TOLVEK_ALARM_PATH), arguments);
}

QString ToolHome::preferencesFile() const
{
    return dir_.filePath(QStringLiteral("config/tolvek-alarm/preferences.conf"));
}

QString ToolHome::alarmFile() const { return dataFile(QStringLiteral("accache")); }

QString ToolHome::dataFile(const QString &name) const
{
    return dir_.filePath(QStringLiteral("data/tolvek-alarm/") + name);
}

std::unique_ptr<QProcess> ToolHome::startCtl(const QStringList &arguments) const
{
    auto process = std::make_unique<QProcess>();
    start(*process, QStringLiteral(TOLVEKCTL_PATH), arguments);
    return process;
}

QProcessEnvironment ToolHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), dir_.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("TZ"), QLatin1String(kZone));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Without a bus of their own the children keep their pending notifications in
    // this home only, whatever other test has a notification service running.
    if (busAddress_.isEmpty())
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    else
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    if (!fakeTime_.isEmpty()) {
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        // faketime preloads its library ahead of the sanitizer runtime in sanitizer builds.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("verify_asan_link_order=0"));
    }
    return env;
}

QProcessEnvironment ToolHome::onThisHome(QProcessEnvironment env) const
{
    const QProcessEnvironment mine = environment();
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TZ"})
        env.insert(QLatin1String(name), mine.value(QLatin1String(name)));
    return env;
}

void ToolHome::start(QProcess &process, const QString &program, const QStringList &arguments) const
{
    process.setProcessEnvironment(environment());
    if (fileSizeLimit_ > 0) {
        const rlim_t limit = rlim_t(fileSizeLimit_);
        process.setChildProcessModifier([limit] {
            const rlimit fileSize{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
            ::signal(SIGXFSZ, SIG_IGN);
        });
    }
    if (fakeTime_.isEmpty()) {
        process.start(program, arguments);
    } else {
        const QString faketime = QStandardPaths::findExecutable(QStringLiteral("faketime"));
        process.start(faketime, QStringList{QStringLiteral("-m"), fakeTime_, program} + arguments);
    }
}

ToolHome::Result ToolHome::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    start(process, program, arguments);
    Result result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
