#include "platform/AtomicFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
QString describe(const char *step, const QString &path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(step), path, QString::fromLocal8Bit(strerror(error)));
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    // Closes now and says whether the close succeeded (a deferred write error shows here).
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

bool syncFolderOf(const QString &path, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0) {
        setError(error, describe("cannot sync the folder", folder, errno));
        return false;
    }
    return true;
}

QString asideName(const QString &path)
{
    const QString base = path + QStringLiteral(".damaged-")
                         + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
    QString candidate = base;
    for (int i = 2; QFileInfo(candidate).exists() || QFileInfo(candidate).isSymLink(); ++i)
        candidate = base + QLatin1Char('-') + QString::number(i);
    return candidate;
}
} // namespace

AtomicFile::Read AtomicFile::read(const QString &path, qint64 maxBytes)
{
    Read result;
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno != ENOENT) {
            result.status = Read::Status::Unreadable;
            result.error = describe("cannot look at", path, errno);
        }
        return result;
    }
    // Non-blocking, so a pipe in the file's place cannot hang the reader.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno != ENOENT) { // ENOENT here: a link to nowhere
            result.status = Read::Status::Unreadable;
            result.error = describe("cannot open", path, errno);
        }
        return result;
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.status = Read::Status::Unreadable;
        result.error = S_ISDIR(st.st_mode) ? QStringLiteral("%1 is a folder, not a file").arg(path)
                                           : QStringLiteral("%1 is not a regular file").arg(path);
        return result;
    }
    if (st.st_size > maxBytes) {
        result.status = Read::Status::TooLarge;
        result.error = QStringLiteral("%1 is %2 bytes, more than %3").arg(path).arg(st.st_size).arg(maxBytes);
        return result;
    }
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                break;
            bytes.resize(std::min<qint64>(used * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + used, size_t(bytes.size() - used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = Read::Status::Unreadable;
            result.error = describe("cannot read", path, errno);
            return result;
        }
        if (n == 0)
            break;
        used += n;
    }
    if (used > maxBytes) { // it grew while being read
        result.status = Read::Status::TooLarge;
        result.error = QStringLiteral("%1 is more than %2 bytes").arg(path).arg(maxBytes);
        return result;
    }
    bytes.truncate(used);
    result.status = Read::Status::Ok;
    result.bytes = bytes;
    return result;
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    // One temporary name per file: writers of a file hold the data lock, and a
    // leftover from a killed writer is simply replaced.
    const QString temporary = path + QStringLiteral(".saving");
    const QByteArray tempName = QFile::encodeName(temporary);
    if (::unlink(tempName.constData()) != 0 && errno != ENOENT) {
        setError(error, describe("cannot remove the leftover", temporary, errno));
        return false;
    }
    Descriptor fd(::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        setError(error, describe("cannot create", temporary, errno));
        return false;
    }
    const auto fail = [&](const char *step) {
        setError(error, describe(step, temporary, errno));
        ::unlink(tempName.constData());
        return false;
    };
    if (!writeAll(fd.get(), bytes))
        return fail("cannot write");
    if (::fsync(fd.get()) != 0)
        return fail("cannot sync");
    if (!fd.close())
        return fail("cannot close");
    if (::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0)
        return fail("cannot rename into place");
    // Renamed: the new file is in place, but only durable once the folder is.
    return syncFolderOf(path, error);
}

QString AtomicFile::keepAside(const QString &path, bool move, QString *error)
{
    const QString aside = asideName(path);
    if (move) {
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
            setError(error, describe("cannot move aside", path, errno));
            return {};
        }
        return syncFolderOf(aside, error) ? aside : QString();
    }
    constexpr qint64 kMaxCopyBytes = 64 << 20;
    const Read original = read(path, kMaxCopyBytes);
    if (original.status != Read::Status::Ok) {
        setError(error, original.error.isEmpty() ? QStringLiteral("%1 is gone").arg(path) : original.error);
        return {};
    }
    return write(aside, original.bytes, error) ? aside : QString();
}
