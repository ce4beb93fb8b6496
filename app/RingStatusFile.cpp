#include "app/RingStatusFile.h"
#include "platform/StoredNames.h"

#include "platform/DataLock.h"
#include "platform/Paths.h"

#include <QDebug>
#include <QFile>

QString RingStatusFile::path() { return Paths::documentPath(StoredNames::kRingStatusFile); }

bool RingStatusFile::write(const AlarmPtr &ringingAlarm)
{
    if (!ringingAlarm)
        return false;
    DataLock lock;
    if (!lock.acquired())
        return false;
    const QJsonObject root{{StoredNames::kRingStatusKey, true},
                           {StoredNames::kRingingAlarmKey, KeyedArchiver::archivedObject(ringingAlarm.get())}};
    QString error;
    if (KeyedArchive::writeFile(path(), root, &error))
        return true;
    qWarning().noquote() << "tolvek: cannot write the ring status:" << error;
    return false;
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
    if (lock.acquired())
        QFile::remove(path());
}

bool RingStatusFile::exists() { return QFile::exists(path()); }
