#include "platform/KeyedArchive.h"

#include "platform/AtomicFile.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>

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

bool KeyedArchive::writeFile(const QString &path, const QJsonValue &root, QString *error)
{
    const QJsonObject archive{
        {QStringLiteral("archive"), kArchiveTag}, {QStringLiteral("version"), 1}, {QStringLiteral("root"), root}};
    // Compact: a third of the indented size, and as quick to write as to read.
    const QByteArray bytes = QJsonDocument(archive).toJson(QJsonDocument::Compact);
    // A file the reader would refuse as too large is not written: the one in
    // place, which can still be read, stays.
    if (bytes.size() > kMaxFileBytes) {
        if (error)
            *error
                = QStringLiteral("%1 would be %2 bytes, more than %3").arg(path).arg(bytes.size()).arg(kMaxFileBytes);
        return false;
    }
    return AtomicFile::write(path, bytes, error);
}

KeyedArchive::ReadResult KeyedArchive::readFile(const QString &path, const RootCheck &fits)
{
    ReadResult result;
    const AtomicFile::Read file = AtomicFile::read(path, kMaxFileBytes);
    switch (file.status) {
    case AtomicFile::Read::Status::Missing:
        return result;
    case AtomicFile::Read::Status::Unreadable:
        result.status = ReadStatus::Unreadable;
        result.error = file.error;
        qWarning().noquote() << "tolvek:" << file.error;
        return result;
    case AtomicFile::Read::Status::TooLarge:
        result.error = file.error;
        break;
    case AtomicFile::Read::Status::Ok: {
        QJsonParseError parse{};
        const QJsonDocument doc = QJsonDocument::fromJson(file.bytes, &parse);
        const QJsonObject archive = doc.object();
        const QJsonValue root = archive.value(QStringLiteral("root"));
        if (parse.error != QJsonParseError::NoError)
            result.error = parse.errorString();
        else if (archive.value(QStringLiteral("archive")).toString() != kArchiveTag
                 || !archive.contains(QStringLiteral("root")))
            result.error = QStringLiteral("not an archive");
        else if (fits && !fits(root))
            result.error = QStringLiteral("the contents have another shape");
        if (result.error.isEmpty()) {
            result.status = ReadStatus::Ok;
            result.root = root;
            return result;
        }
        break;
    }
    }
    // Keep the damaged file for the user or support to inspect; start afresh.
    result.status = ReadStatus::Damaged;
    QString why;
    result.movedAsidePath = AtomicFile::keepAside(path, true, &why);
    if (result.movedAsidePath.isEmpty()) {
        // Not kept: it must not be replaced either.
        result.status = ReadStatus::Unreadable;
        result.error
            = QStringLiteral("%1 is damaged (%2) and could not be kept aside: %3").arg(path, result.error, why);
        qWarning().noquote() << "tolvek:" << result.error;
        return result;
    }
    qWarning().noquote() << "tolvek: damaged file" << path << "(" + result.error + ") kept as" << result.movedAsidePath;
    return result;
}
