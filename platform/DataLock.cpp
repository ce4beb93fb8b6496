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
} // namespace

DataLock::DataLock()
{
    processMutex().lock();
    if (depth++ == 0) {
        fileLock = std::make_unique<QLockFile>(Paths::documentPath(QStringLiteral(".data.lock")));
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
