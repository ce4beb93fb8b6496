#include "platform/KeyedArchive.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

namespace {
const QString kClassKey = QStringLiteral("$class");
const QString kDateKey = QStringLiteral("$date");
const QString kArchiveTag = QStringLiteral("tolvek-keyed-archive");
} // namespace

KeyedArchiver::KeyedArchiver(const QString &className) { object_.insert(kClassKey, className); }

void KeyedArchiver::encodeInt(const QString &key, qint64 value) { object_.insert(key, value); }

void KeyedArchiver::encodeBool(const QString &key, bool value) { object_.insert(key, value); }

void KeyedArchiver::encodeString(const QString &key, const QString &value)
{
    object_.insert(key, value.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(value));
}

void KeyedArchiver::encodeDate(const QString &key, const QDateTime &value) { object_.insert(key, archivedDate(value)); }

void KeyedArchiver::encodeObject(const QString &key, const KeyedCodable *object)
{
    object_.insert(key, archivedObject(object));
}

void KeyedArchiver::encodeValue(const QString &key, const QJsonValue &value) { object_.insert(key, value); }

QJsonValue KeyedArchiver::archivedObject(const KeyedCodable *object)
{
    if (!object)
        return QJsonValue::Null;
    KeyedArchiver coder(object->archiveClassName());
    object->encodeWithCoder(coder);
    return coder.result();
}

QJsonValue KeyedArchiver::archivedDate(const QDateTime &date)
{
    if (!date.isValid())
        return QJsonValue::Null;
    return QJsonObject{{kDateKey, date.toOffsetFromUtc(date.offsetFromUtc()).toString(Qt::ISODateWithMs)}};
}

QString KeyedUnarchiver::className() const { return object_.value(kClassKey).toString(); }

qint64 KeyedUnarchiver::decodeInt(const QString &key) const
{
    const QJsonValue v = object_.value(key);
    return v.isDouble() ? qint64(v.toDouble()) : 0;
}

bool KeyedUnarchiver::decodeBool(const QString &key) const { return object_.value(key).toBool(false); }

QString KeyedUnarchiver::decodeString(const QString &key) const
{
    const QJsonValue v = object_.value(key);
    return v.isString() ? v.toString() : QString();
}

QDateTime KeyedUnarchiver::decodeDate(const QString &key) const { return dateFromValue(object_.value(key)); }

QDateTime KeyedUnarchiver::dateFromValue(const QJsonValue &value)
{
    if (!value.isObject())
        return {};
    return QDateTime::fromString(value.toObject().value(kDateKey).toString(), Qt::ISODateWithMs);
}

QString KeyedUnarchiver::classNameOf(const QJsonValue &value)
{
    return value.isObject() ? value.toObject().value(kClassKey).toString() : QString();
}

bool KeyedArchive::writeFile(const QString &path, const QJsonValue &root)
{
    const QJsonObject archive{{QStringLiteral("archive"), kArchiveTag}, {QStringLiteral("version"), 1},
                              {QStringLiteral("root"), root}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Every step is checked: a short write must never replace a good file.
    const QByteArray data = QJsonDocument(archive).toJson(QJsonDocument::Indented);
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

KeyedArchive::ReadResult KeyedArchive::readFile(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return result;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    const QJsonObject archive = doc.object();
    if (error.error == QJsonParseError::NoError && archive.value(QStringLiteral("archive")).toString() == kArchiveTag
        && archive.contains(QStringLiteral("root"))) {
        result.status = ReadStatus::Ok;
        result.root = archive.value(QStringLiteral("root"));
        return result;
    }
    // Keep the damaged file for the user or support to inspect; start afresh.
    const QString aside = path + QStringLiteral(".damaged-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
    if (QFile::rename(path, aside)) {
        result.movedAsidePath = aside;
        qWarning().noquote() << "tolvek: damaged file" << path << "kept as" << aside;
    } else {
        qWarning().noquote() << "tolvek: damaged file" << path << "could not be moved aside";
    }
    result.status = ReadStatus::Damaged;
    return result;
}
