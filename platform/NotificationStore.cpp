#include "platform/NotificationStore.h"
#include "platform/StoredNames.h"

#include "platform/Paths.h"

#include <QJsonArray>

QString NotificationStore::path() { return Paths::documentPath(StoredNames::kPendingFile); }

namespace {
bool hasPendingShape(const QJsonValue &root)
{
    const QJsonValue lastCheck = root.toObject().value(QStringLiteral("lastCheck"));
    return root.isObject() && root.toObject().value(QStringLiteral("pending")).isArray()
           && (lastCheck.isNull() || lastCheck.isUndefined() || lastCheck.isObject());
}
} // namespace

NotificationStore::Contents NotificationStore::load()
{
    Contents contents;
    const KeyedArchive::ReadResult read = KeyedArchive::readFile(path(), hasPendingShape);
    contents.movedAsidePath = read.movedAsidePath;
    if (read.status == KeyedArchive::ReadStatus::Unreadable)
        contents.readError = read.error;
    if (read.status != KeyedArchive::ReadStatus::Ok)
        return contents;
    const QJsonObject root = read.root.toObject();
    for (const QJsonValue &v : root.value(QStringLiteral("pending")).toArray()) {
        bool ok = false;
        LocalNotification n = LocalNotification::fromArchive(v, &ok);
        if (ok && n.isValid())
            contents.pending.append(n);
    }
    contents.lastCheck = KeyedUnarchiver::dateFromValue(root.value(QStringLiteral("lastCheck")));
    return contents;
}

bool NotificationStore::save(const Contents &contents, QString *error)
{
    if (!contents.readError.isEmpty()) {
        if (error)
            *error = contents.readError;
        return false;
    }
    QJsonArray pending;
    for (const LocalNotification &n : contents.pending)
        pending.append(n.toJson());
    const QJsonObject root{{QStringLiteral("pending"), pending},
                           {QStringLiteral("lastCheck"), KeyedArchiver::archivedDate(contents.lastCheck)}};
    return KeyedArchive::writeFile(path(), root, error);
}

bool NotificationStore::schedule(Contents &contents, const LocalNotification &n)
{
    if (!n.isValid() || contents.pending.size() >= LocalNotification::kMaxPending)
        return false;
    contents.pending.append(n);
    return true;
}

bool NotificationStore::cancel(Contents &contents, const LocalNotification &n)
{
    const qsizetype i = contents.pending.indexOf(n);
    if (i < 0)
        return false;
    contents.pending.removeAt(i);
    return true;
}
