#include "platform/DataLock.h"

#include "platform/Paths.h"

#include <QDebug>
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
// Holders keep the lock for a file read and write, milliseconds. A lock file
// older than this is stale even when it names no owner: a process killed
// between creating it and writing its pid leaves it empty, and it would block
// every later writer for good.
constexpr int kStaleMs = 5000;
} // namespace

DataLock::DataLock()
{
    processMutex().lock();
    if (depth++ == 0) {
        fileLock = std::make_unique<QLockFile>(Paths::documentPath(QStringLiteral(".data.lock")));
        fileLock->setStaleLockTime(kStaleMs); // also stale at once when its owner process is gone
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
