#include "platform/DataLock.h"

#include "platform/Paths.h"
#include "platform/StoredNames.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRecursiveMutex>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QRecursiveMutex &processMutex()
{
    static QRecursiveMutex mutex;
    return mutex;
}
// Touched only by the thread that holds the process mutex.
int depth = 0;
int lockFd = -1;
QString outerProblem; // why the outermost DataLock on this thread failed

QString systemError(const QString &what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
}

// Takes the file lock, waiting until `deadline`; "" on success, else why not.
QString lockFile(const QDeadlineTimer &deadline)
{
    const QString path = Paths::documentPath(StoredNames::kDataLockFile);
    lockFd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (lockFd < 0)
        return systemError(QStringLiteral("cannot open the data lock %1").arg(path));
    for (;;) {
        if (::flock(lockFd, LOCK_EX | LOCK_NB) == 0) {
            // Only informative (who holds it); the kernel's lock is what counts.
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            if (::ftruncate(lockFd, 0) == 0) {
                [[maybe_unused]] const ssize_t written = ::pwrite(lockFd, pid.constData(), size_t(pid.size()), 0);
            }
            return {};
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (deadline.hasExpired()) {
            ::close(lockFd);
            lockFd = -1;
            return QStringLiteral(
                       "the alarm data is in use by another program (still busy after %1 s); nothing was changed")
                .arg(DataLock::kWaitMs / 1000);
        }
        QThread::msleep(20);
    }
    const QString problem = systemError(QStringLiteral("cannot lock %1").arg(path));
    ::close(lockFd);
    lockFd = -1;
    return problem;
}
} // namespace

DataLock::DataLock()
{
    const QDeadlineTimer deadline(kWaitMs);
    mutexHeld_ = processMutex().tryLock(int(deadline.remainingTime()));
    if (!mutexHeld_) {
        problem_ = QStringLiteral("the alarm data is in use by another part of this program; nothing was changed");
        return;
    }
    if (depth++ == 0)
        outerProblem = lockFile(deadline);
    problem_ = outerProblem;
    acquired_ = problem_.isEmpty();
}

DataLock::~DataLock()
{
    if (!mutexHeld_)
        return;
    if (--depth == 0 && lockFd >= 0) {
        ::flock(lockFd, LOCK_UN);
        ::close(lockFd);
        lockFd = -1;
    }
    processMutex().unlock();
}
