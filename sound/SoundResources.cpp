#include "sound/SoundResources.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStringList>

namespace {
QMutex mutex;

QStringList &searchDirectories()
{
    static QStringList directories{QStringLiteral(":/sounds")};
    return directories;
}
} // namespace

void SoundResources::addSearchDirectory(const QString &directory)
{
    QMutexLocker lock(&mutex);
    searchDirectories().prepend(directory);
}

QString SoundResources::pathForResource(const QString &name, const QString &type)
{
    // Names never reach outside the sound folders.
    if (name.isEmpty() || type.isEmpty() || name.contains(QLatin1Char('/')) || type.contains(QLatin1Char('/')))
        return QString();
    QMutexLocker lock(&mutex);
    for (const QString &directory : searchDirectories()) {
        const QString path = QDir(directory).filePath(name + QLatin1Char('.') + type);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString SoundResources::pathForSoundFile(const QString &fileName)
{
    const QStringList pieces = fileName.split(QLatin1Char('.'));
    if (pieces.size() < 2)
        return QString();
    return pathForResource(pieces.at(0), pieces.at(1));
}

QUrl SoundResources::urlForPath(const QString &path)
{
    if (path.startsWith(QLatin1String(":/"))) {
        QUrl url;
        url.setScheme(QStringLiteral("qrc"));
        url.setPath(path.mid(1));
        return url;
    }
    return QUrl::fromLocalFile(path);
}
