#include "app/RingStatusFile.h"

#include "platform/DataLock.h"
#include "platform/Paths.h"

#include <QFile>

QString RingStatusFile::path() { return Paths::documentPath(QStringLiteral("acstatus")); }

bool RingStatusFile::write(const ZEBAlarmClockPtr &ringingAlarm)
{
    if (!ringingAlarm)
        return false;
    DataLock lock;
    const QJsonObject root{{QStringLiteral("rStatus"), true},
                           {QStringLiteral("rAlarmClock"), KeyedArchiver::archivedObject(ringingAlarm.get())}};
    return KeyedArchive::writeFile(path(), root);
}

ZEBAlarmClockPtr RingStatusFile::read()
{
    DataLock lock;
    const KeyedArchive::ReadResult result = KeyedArchive::readFile(path());
    if (result.status != KeyedArchive::ReadStatus::Ok || !result.root.isObject())
        return nullptr;
    const QJsonObject root = result.root.toObject();
    if (!root.value(QStringLiteral("rStatus")).toBool(false))
        return nullptr;
    return ZEBAlarmClock::fromArchive(root.value(QStringLiteral("rAlarmClock")));
}

void RingStatusFile::remove()
{
    DataLock lock;
    QFile::remove(path());
}

bool RingStatusFile::exists() { return QFile::exists(path()); }
