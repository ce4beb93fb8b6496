#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when the alarm file changed on disk, whoever changed it (the
// command-line tool, the notification service's settling, a second window).
// The file is replaced by a rename on every write, so its folder is watched
// too; bursts of changes come out as one signal.
class AlarmFileWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 150;

    explicit AlarmFileWatcher(const QString &filePath, QObject *parent = nullptr);

Q_SIGNALS:
    void changed();

private:
    void rewatch();
    QString filePath_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
