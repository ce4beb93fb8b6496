#pragma once
#include <QFileSystemWatcher>
#include <QObject>

// Notices when another process (the command-line tool, an app without the
// service) rewrites the pending-notification file. The file is replaced by a
// rename on every write, so the folder is watched and the file compared by
// identity, time and size; the service's own writes are remembered and ignored.
class StoreFileWatcher : public QObject
{
    Q_OBJECT
public:
    explicit StoreFileWatcher(const QString &storePath, QObject *parent = nullptr);

    // Call after writing the file yourself (while still holding the data lock).
    void rememberCurrent();

Q_SIGNALS:
    void changedByOthers();

private:
    void onDirectoryChanged();
    QString signature() const;

    QString storePath_;
    QString signature_;
    QFileSystemWatcher watcher_;
};
