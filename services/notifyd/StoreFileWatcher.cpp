#include "services/notifyd/StoreFileWatcher.h"

#include <QFileInfo>
#include <sys/stat.h>

StoreFileWatcher::StoreFileWatcher(const QString &storePath, QObject *parent) : QObject(parent), storePath_(storePath)
{
    rememberCurrent();
    watcher_.addPath(QFileInfo(storePath_).absolutePath());
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &StoreFileWatcher::onDirectoryChanged);
}

void StoreFileWatcher::rememberCurrent() { signature_ = signature(); }

void StoreFileWatcher::onDirectoryChanged()
{
    // The folder also holds the lock file and the alarm files; only this file matters.
    const QString now = signature();
    if (now == signature_)
        return;
    signature_ = now;
    Q_EMIT changedByOthers();
}

QString StoreFileWatcher::signature() const
{
    struct stat st = {};
    if (stat(QFile::encodeName(storePath_).constData(), &st) != 0)
        return {};
    return QStringLiteral("%1:%2.%3:%4").arg(st.st_ino).arg(st.st_mtim.tv_sec).arg(st.st_mtim.tv_nsec).arg(st.st_size);
}
