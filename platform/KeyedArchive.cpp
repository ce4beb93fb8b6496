#include "platform/KeyedArchive.h"

#include "platform/AtomicFile.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>

namespace {
const QString kClassKey = QStringLiteral("$class");
const QString kDateKey = QStringLiteral("$date");
const QString kArchiveTag = QStringLiteral("tolvek-keyed-archive");
const QString kArchiveKey = QStringLiteral("archive");
const QString kRootKey = QStringLiteral("root");
const QString kVersionKey = QStringLiteral("version");
} // namespace

namespace {
// Qt's compact text of a tree; an array of one holds any kind of value.
QByteArray compactText(const QJsonValue &value)
{
    const QByteArray inArray = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return inArray.sliced(1, inArray.size() - 2);
}

// Writes `value` as `width` digits at `out`; returns the position after them.
char16_t *digits(char16_t *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = char16_t(u'0' + value % 10);
    return out + width;
}

// ISO 8601 with milliseconds, in the offset the date was given in: Qt's
// ISODateWithMs text of the date at that offset ("Z" for none), written here
// because Qt's formatting was a third of the cost of writing the alarm file.
QString dateText(const QDateTime &date)
{
    const int offset = date.offsetFromUtc();
    constexpr qint64 kDayMs = 24 * 3600 * 1000;
    const qint64 wallMs = date.toMSecsSinceEpoch() + offset * qint64(1000);
    const qint64 days = wallMs >= 0 ? wallMs / kDayMs : -((-wallMs + kDayMs - 1) / kDayMs);
    const QDate day = QDate(1970, 1, 1).addDays(days);
    // Offsets with seconds (local mean times of the 19th century) and years
    // outside four digits are rare enough to be left to Qt.
    if (offset % 60 != 0 || day.year() < 1000 || day.year() > 9999)
        return date.toOffsetFromUtc(offset).toString(Qt::ISODateWithMs);
    const int ms = int(wallMs - days * kDayMs);
    char16_t text[29];
    char16_t *out = digits(text, day.year(), 4);
    *out++ = u'-';
    out = digits(out, day.month(), 2);
    *out++ = u'-';
    out = digits(out, day.day(), 2);
    *out++ = u'T';
    out = digits(out, ms / 3600000, 2);
    *out++ = u':';
    out = digits(out, ms / 60000 % 60, 2);
    *out++ = u':';
    out = digits(out, ms / 1000 % 60, 2);
    *out++ = u'.';
    out = digits(out, ms % 1000, 3);
    if (offset == 0) {
        *out++ = u'Z';
    } else {
        *out++ = offset < 0 ? u'-' : u'+';
        out = digits(out, std::abs(offset) / 3600, 2);
        *out++ = u':';
        out = digits(out, std::abs(offset) / 60 % 60, 2);
    }
    return QString(reinterpret_cast<const QChar *>(text), out - text);
}
} // namespace

void KeyedArchiver::write(JsonTextWriter &json, const KeyedCodable *object)
{
    if (!object) {
        json.null();
        return;
    }
    json.beginObject();
    json.key(kClassKey);
    json.string(object->archiveClassName());
    KeyedArchiver coder(json);
    object->encodeWithCoder(coder);
    json.endObject();
}

void KeyedArchiver::encodeInt(const QString &key, qint64 value)
{
    json_.key(key);
    json_.integer(value);
}

void KeyedArchiver::encodeBool(const QString &key, bool value)
{
    json_.key(key);
    json_.boolean(value);
}

void KeyedArchiver::encodeString(const QString &key, const QString &value)
{
    json_.key(key);
    if (value.isNull())
        json_.null();
    else
        json_.string(value);
}

void KeyedArchiver::encodeDate(const QString &key, const QDateTime &value)
{
    json_.key(key);
    if (!value.isValid()) {
        json_.null();
        return;
    }
    json_.beginObject();
    json_.key(kDateKey);
    json_.string(dateText(value));
    json_.endObject();
}

void KeyedArchiver::encodeObject(const QString &key, const KeyedCodable *object)
{
    json_.key(key);
    write(json_, object);
}

QJsonValue KeyedArchiver::archivedObject(const KeyedCodable *object)
{
    if (!object)
        return QJsonValue::Null;
    JsonTextWriter json;
    write(json, object);
    return QJsonDocument::fromJson(json.take()).object();
}

QJsonValue KeyedArchiver::archivedDate(const QDateTime &date)
{
    if (!date.isValid())
        return QJsonValue::Null;
    return QJsonObject{{kDateKey, dateText(date)}};
}

KeyedUnarchiver::KeyedUnarchiver(QByteArray json) : index_(std::make_shared<const JsonTextIndex>(std::move(json)))
{
    node_ = index_->isEmpty() ? -1 : 0;
}

KeyedUnarchiver::KeyedUnarchiver(const QJsonValue &value) : KeyedUnarchiver(compactText(value)) { }

QString KeyedUnarchiver::className() const { return decodeString(kClassKey); }

qint32 KeyedUnarchiver::find(const QString &key) const
{
    qint32 found = -1;
    for (qint32 child = isObject() ? firstChild() : -1; child >= 0; child = index_->node(child).next)
        if (index_->keyIs(index_->node(child), key))
            found = child;
    return found;
}

bool KeyedUnarchiver::isShadowed(qint32 member) const
{
    const QString key = index_->key(index_->node(member));
    for (qint32 later = index_->node(member).next; later >= 0; later = index_->node(later).next)
        if (index_->keyIs(index_->node(later), key))
            return true;
    return false;
}

qint64 KeyedUnarchiver::decodeInt(const QString &key) const
{
    const qint32 member = find(key);
    if (member < 0 || index_->node(member).kind != JsonTextIndex::Kind::Number)
        return 0;
    return qint64(index_->number(index_->node(member)));
}

bool KeyedUnarchiver::decodeBool(const QString &key) const
{
    const qint32 member = find(key);
    return member >= 0 && index_->node(member).kind == JsonTextIndex::Kind::True;
}

QString KeyedUnarchiver::decodeString(const QString &key) const
{
    const qint32 member = find(key);
    if (member < 0 || index_->node(member).kind != JsonTextIndex::Kind::String)
        return {};
    return index_->string(index_->node(member));
}

QDateTime KeyedUnarchiver::decodeDate(const QString &key) const { return decodeValue(key).date(); }

QDateTime KeyedUnarchiver::date() const
{
    if (!isObject())
        return {};
    return QDateTime::fromString(decodeString(kDateKey), Qt::ISODateWithMs);
}

QDateTime KeyedUnarchiver::dateFromValue(const QJsonValue &value) { return KeyedUnarchiver(value).date(); }

bool KeyedArchive::writeFile(const QString &path, const RootWriter &writeRoot, QString *error)
{
    // Compact: a third of the indented size, and as quick to write as to read.
    // Keys in order, so the writer never has to move the root.
    JsonTextWriter json;
    json.beginObject();
    json.key(kArchiveKey);
    json.string(kArchiveTag);
    json.key(kRootKey);
    writeRoot(json);
    json.key(kVersionKey);
    json.integer(1);
    json.endObject();
    const QByteArray bytes = json.take();
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

bool KeyedArchive::writeFile(const QString &path, const QJsonValue &root, QString *error)
{
    const QByteArray text = compactText(root);
    return writeFile(
        path, [&](JsonTextWriter &json) { json.raw(text); }, error);
}

namespace {
// Reads the file and gives its text to `parse`, which fills in the result and
// says what is wrong with the text ("" when nothing is); damage is kept aside.
KeyedArchive::ReadResult
readArchive(const QString &path, const std::function<QString(const QByteArray &, KeyedArchive::ReadResult &)> &parse)
{
    using KeyedArchive::ReadStatus;
    KeyedArchive::ReadResult result;
    const AtomicFile::Read file = AtomicFile::read(path, KeyedArchive::kMaxFileBytes);
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
    case AtomicFile::Read::Status::Ok:
        result.error = parse(file.bytes, result);
        if (result.error.isEmpty()) {
            result.status = ReadStatus::Ok;
            return result;
        }
        break;
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

const QString kOtherShape = QStringLiteral("the contents have another shape");

// Qt's reader: the root as a tree, or what is wrong with the text.
QString parseTree(const QByteArray &text, const KeyedArchive::RootCheck &fits, QJsonValue &root)
{
    QJsonParseError parse{};
    const QJsonObject archive = QJsonDocument::fromJson(text, &parse).object();
    if (parse.error != QJsonParseError::NoError)
        return parse.errorString();
    if (archive.value(kArchiveKey).toString() != kArchiveTag || !archive.contains(kRootKey))
        return QStringLiteral("not an archive");
    root = archive.value(kRootKey);
    return fits && !fits(root) ? kOtherShape : QString();
}
} // namespace

KeyedArchive::ReadResult KeyedArchive::readFile(const QString &path, const RootCheck &fits)
{
    return readArchive(path,
                       [&](const QByteArray &text, ReadResult &result) { return parseTree(text, fits, result.root); });
}

KeyedArchive::ReadResult KeyedArchive::readFile(const QString &path, const RootTaker &take)
{
    return readArchive(path, [&](const QByteArray &text, ReadResult &) {
        const KeyedUnarchiver archive(text);
        if (archive.decodeString(kArchiveKey) == kArchiveTag && archive.containsKey(kRootKey))
            return take(archive.decodeValue(kRootKey)) ? QString() : kOtherShape;
        // Text this reader does not take: Qt's reader says what is wrong with it, or reads it.
        QJsonValue root;
        return parseTree(
            text, [&](const QJsonValue &tree) { return take(KeyedUnarchiver(tree)); }, root);
    });
}
