#include "platform/DataLock.h"

#include "platform/Paths.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRecursiveMutex>
#include <memory>

namespace {
QRecursiveMutex &processMutex()
{
    static QRecursiveMutex mutex;
    return mutex;
}
// Depth of nested DataLocks on the thread that holds the process mutex.
int depth = 0;
std::unique_ptr<QLockFile> fileLock;
bool fileLocked = false;
constexpr int kWaitMs = 10000;
// A process killed between creating the lock file and writing its pid leaves
// it empty: no owner to check, so it would block every later writer for good.
// Such a file this old is taken away. A lock that names a live owner is never
// taken, however long it is held.
constexpr int kEmptyStaleMs = 5000;

void removeOwnerlessLock(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && info.size() == 0
        && qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > kEmptyStaleMs)
        QFile::remove(path);
}
} // namespace

DataLock::DataLock()
{
    processMutex().lock();
    if (depth++ == 0) {
        const QString path = Paths::documentPath(QStringLiteral(".data.lock"));
        removeOwnerlessLock(path);
        fileLock = std::make_unique<QLockFile>(path);
        fileLock->setStaleLockTime(0); // stale only when its owner process is gone
        fileLocked = fileLock->tryLock(kWaitMs);
        if (!fileLocked)
            qWarning("tolvek: the data lock is held by another process (%d); going ahead without it",
                     int(fileLock->error()));
    }
    acquired_ = fileLocked;
}

DataLock::~DataLock()
{
    if (--depth == 0) {
        if (fileLocked)
            fileLock->unlock();
        fileLock.reset();
        fileLocked = false;
    }
    processMutex().unlock();
}
