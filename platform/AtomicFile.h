#pragma once
#include <QByteArray>
#include <QString>

// Whole-file reads and replacements that never leave a half-written file in
// place and never report success for a write that did not reach the disk.
namespace AtomicFile {

struct Read
{
    enum class Status { Ok, Missing, Unreadable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;
    QString error; // why an existing file could not be read
};

// Reads a regular file of at most `maxBytes`. A folder, a device, a pipe or a
// link that cannot be followed in its place is Unreadable, never Missing; a
// link to nowhere is Missing.
Read read(const QString &path, qint64 maxBytes);

// Replaces `path` by a file holding `bytes`: written beside it, synced, renamed
// over it, and the folder synced. Every step is checked; on a failure before
// the rename the previous file is untouched. A link at `path` is replaced,
// never written through. Callers that share a file serialise on the data lock.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Keeps `path` for the user or support as "<name>.damaged-<time>": moved there
// (`move`) or copied. The new path, or "" (and `error`) when that failed.
QString keepAside(const QString &path, bool move, QString *error = nullptr);

} // namespace AtomicFile
