#include "skins/CustomSkin.h"

#include "platform/Paths.h"
#include "themes/SkinCatalogue.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
bool syncPath(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Every step checked: write all bytes, flush, sync, rename over the old file, sync the folder.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QTemporaryFile temporary(path + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(true);
    auto fail = [&](const QString &step) {
        *error = QStringLiteral("%1 %2: %3").arg(step, path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    if (!temporary.open())
        return fail(QStringLiteral("cannot create a file beside"));
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        return fail(QStringLiteral("cannot write"));
    if (::fsync(temporary.handle()) != 0)
        return fail(QStringLiteral("cannot sync"));
    temporary.close();
    if (::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(QStringLiteral("cannot replace"));
    temporary.setAutoRemove(false);
    syncPath(QFileInfo(path).absolutePath());
    return true;
}
} // namespace

QSize CustomSkin::outputSize(bool tall) { return QSize(kOutputWidth, tall ? kTallOutputHeight : kOutputHeight); }

bool CustomSkin::save(const QImage &picture, bool tall, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(picture)) {
        *error = writer.errorString();
        return false;
    }
    return replaceFile(Paths::documentPath(SkinCatalogue::customSkinStoredName(tall)), bytes, error);
}
