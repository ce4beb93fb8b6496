#include "app/RingStatusFile.h"
#include "platform/StoredNames.h"

#include "platform/DataLock.h"
#include "platform/Paths.h"

#include <QFile>

QString RingStatusFile::path() { return Paths::documentPath(StoredNames::kRingStatusFile); }

bool RingStatusFile::write(const AlarmPtr &ringingAlarm)
{
    if (!ringingAlarm)
        return false;
    DataLock lock;
    const QJsonObject root{{StoredNames::kRingStatusKey, true},
                           {StoredNames::kRingingAlarmKey, KeyedArchiver::archivedObject(ringingAlarm.get())}};
    return KeyedArchive::writeFile(path(), root);
}

AlarmPtr RingStatusFile::read()
{
    DataLock lock;
    const KeyedArchive::ReadResult result = KeyedArchive::readFile(path(), [](const QJsonValue &root) {
        return root.isObject() && root.toObject().value(StoredNames::kRingStatusKey).isBool();
    });
    if (result.status != KeyedArchive::ReadStatus::Ok || !result.root.isObject())
        return nullptr;
    const QJsonObject root = result.root.toObject();
    if (!root.value(StoredNames::kRingStatusKey).toBool(false))
        return nullptr;
    return Alarm::fromArchive(root.value(StoredNames::kRingingAlarmKey));
}

void RingStatusFile::remove()
{
    DataLock lock;
    QFile::remove(path());
}

bool RingStatusFile::exists() { return QFile::exists(path()); }
