#pragma once
#include <QJsonArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QProcess;

// A private home (config and data folders) in which the real `tolvekctl` and
// `tolvek-alarm` binaries run as child processes, optionally with the wall
// clock pinned by faketime. The zone is pinned, so expected ring times are
// wall-clock times in it.
class ToolHome
{
public:
    static inline const char *kZone = "Europe/Berlin";

    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
        QString describe() const; // for failure messages
        QJsonArray jsonArray() const;
    };

    // From now on children start at `localTime` ("2025-01-08 08:00:00" in kZone); empty: the real clock.
    void setFakeTime(const QString &localTime) { fakeTime_ = localTime; }
    // From now on children are on this session bus; by default they have none.
    void setSessionBus(const QString &address) { busAddress_ = address; }
    // From now on no child can write a file larger than `bytes` (RLIMIT_FSIZE, as a
    // full disk would refuse; SIGXFSZ ignored so the write fails instead); 0: no limit.
    void setFileSizeLimit(qint64 bytes) { fileSizeLimit_ = bytes; }

    Result ctl(const QStringList &arguments) const;
    Result app(const QStringList &arguments) const;
    // `tolvekctl` started and left running (for killing it midway).
    std::unique_ptr<QProcess> startCtl(const QStringList &arguments) const;
    QString preferencesFile() const;
    QString alarmFile() const;
    // A file in the data folder ("notifications", "acstatus", ...).
    QString dataFile(const QString &name) const;
    // What the children get: this home's folders, the pinned zone, the chosen session bus.
    QProcessEnvironment environment() const;
    // `env` on this home's folders and zone (a notification service's, say).
    QProcessEnvironment onThisHome(QProcessEnvironment env) const;

private:
    Result run(const QString &program, const QStringList &arguments) const;
    void start(QProcess &process, const QString &program, const QStringList &arguments) const;

    QTemporaryDir dir_;
    QString fakeTime_;
    QString busAddress_;
    qint64 fileSizeLimit_ = 0;
};
