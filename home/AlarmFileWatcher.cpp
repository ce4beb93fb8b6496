#include "home/AlarmFileWatcher.h"

#include <QDir>
#include <QFileInfo>

AlarmFileWatcher::AlarmFileWatcher(const QString &filePath, QObject *parent) : QObject(parent), filePath_(filePath)
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &AlarmFileWatcher::changed);
    auto noticed = [this] {
        rewatch();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, noticed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, noticed);
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    rewatch();
}

void AlarmFileWatcher::rewatch()
{
    // A replaced file is a new inode: watch it again under its name.
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (!watcher_.directories().contains(folder))
        watcher_.addPath(folder);
    if (QFileInfo::exists(filePath_) && !watcher_.files().contains(filePath_))
        watcher_.addPath(filePath_);
}
