#include "platform/NotificationStore.h"
#include "platform/StoredNames.h"

#include "platform/Paths.h"

#include <QJsonArray>

QString NotificationStore::path() { return Paths::documentPath(StoredNames::kPendingFile); }

NotificationStore::Contents NotificationStore::load()
{
    Contents contents;
    const KeyedArchive::ReadResult read = KeyedArchive::readFile(path());
    contents.movedAsidePath = read.movedAsidePath;
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

bool NotificationStore::save(const Contents &contents)
{
    QJsonArray pending;
    for (const LocalNotification &n : contents.pending)
        pending.append(n.toJson());
    const QJsonObject root{{QStringLiteral("pending"), pending},
                           {QStringLiteral("lastCheck"), KeyedArchiver::archivedDate(contents.lastCheck)}};
    return KeyedArchive::writeFile(path(), root);
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
