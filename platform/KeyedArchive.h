#pragma once
#include "platform/JsonTextIndex.h"
#include "platform/JsonTextWriter.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <memory>

// The keyed coder. Objects are written as JSON objects that name their class
// under "$class" and hold one entry per key; dates are {"$date": ISO 8601 with
// milliseconds and UTC offset}; plain JSON objects are dictionaries. Reading is
// tolerant: a missing key reads as 0, empty, false or null.

class KeyedArchiver;
class KeyedUnarchiver;

class KeyedCodable
{
public:
    virtual ~KeyedCodable() = default;
    virtual QString archiveClassName() const = 0;
    virtual void encodeWithCoder(KeyedArchiver &coder) const = 0;
};

// Writes an object's entries straight into the archive's text.
class KeyedArchiver
{
public:
    // Writes `object` (null when there is none) as the next value of `json`.
    static void write(JsonTextWriter &json, const KeyedCodable *object);

    void encodeInt(const QString &key, qint64 value);
    void encodeBool(const QString &key, bool value);
    void encodeString(const QString &key, const QString &value);
    void encodeDate(const QString &key, const QDateTime &value);
    void encodeObject(const QString &key, const KeyedCodable *object);
    // A dictionary of archived objects: `objects` maps names to KeyedCodable values.
    template<typename Map>
    void encodeDictionary(const QString &key, const Map &objects)
    {
        json_.key(key);
        json_.beginObject();
        for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
            json_.key(it.key());
            write(json_, &it.value());
        }
        json_.endObject();
    }

    // The same as trees, for messages and files put together around them.
    static QJsonValue archivedObject(const KeyedCodable *object);
    static QJsonValue archivedDate(const QDateTime &date);

private:
    explicit KeyedArchiver(JsonTextWriter &json) : json_(json) { }
    JsonTextWriter &json_;
};

// Reads one archived value (an object, to hold entries) straight from its
// JSON text, without building a tree. Copies share the text.
class KeyedUnarchiver
{
public:
    // Text that is not one well formed value (of the kinds JsonTextIndex takes)
    // reads as no value: neither object nor array, every key missing.
    explicit KeyedUnarchiver(QByteArray json);
    // Over a tree (written as text first).
    explicit KeyedUnarchiver(const QJsonValue &value);

    bool isObject() const { return is(JsonTextIndex::Kind::Object); }
    bool isArray() const { return is(JsonTextIndex::Kind::Array); }
    QString className() const;
    bool containsKey(const QString &key) const { return find(key) >= 0; }
    qint64 decodeInt(const QString &key) const;
    bool decodeBool(const QString &key) const;
    QString decodeString(const QString &key) const;
    QDateTime decodeDate(const QString &key) const;
    // The value under `key` (neither object nor array when there is none).
    KeyedUnarchiver decodeValue(const QString &key) const { return {index_, find(key)}; }
    // Calls `visit(name, value)` for every entry of an object (the last of entries with the same name).
    template<typename Visit>
    void forEachEntry(Visit visit) const
    {
        for (qint32 child = isObject() ? firstChild() : -1; child >= 0; child = index_->node(child).next)
            if (!isShadowed(child))
                visit(index_->key(index_->node(child)), KeyedUnarchiver(index_, child));
    }
    // Calls `visit(value)` for every element of an array.
    template<typename Visit>
    void forEachElement(Visit visit) const
    {
        for (qint32 child = isArray() ? firstChild() : -1; child >= 0; child = index_->node(child).next)
            visit(KeyedUnarchiver(index_, child));
    }

    static QDateTime dateFromValue(const QJsonValue &value);

private:
    KeyedUnarchiver(std::shared_ptr<const JsonTextIndex> index, qint32 node) : index_(std::move(index)), node_(node) { }
    bool is(JsonTextIndex::Kind kind) const { return node_ >= 0 && index_->node(node_).kind == kind; }
    qint32 firstChild() const { return node_ >= 0 ? index_->node(node_).firstChild : -1; }
    // The member named `key` (the last one, as in Qt's reader), or -1.
    qint32 find(const QString &key) const;
    bool isShadowed(qint32 member) const;
    QDateTime date() const;

    std::shared_ptr<const JsonTextIndex> index_;
    qint32 node_ = -1;
};

// Whole archive files: {"archive": "tolvek-keyed-archive", "version": 1, "root": ...}
namespace KeyedArchive {
// Far above any real list of alarms or notifications; anything bigger is not one of ours.
constexpr qint64 kMaxFileBytes = 16 << 20;

enum class ReadStatus { Ok, Missing, Damaged, Unreadable };
struct ReadResult
{
    ReadStatus status = ReadStatus::Missing;
    QJsonValue root;
    QString movedAsidePath; // where a damaged file was kept
    QString error;          // what was wrong (Damaged) or why it could not be read (Unreadable)
};
// Whether a root has the shape its file needs; a root that has not is damage like a broken file.
using RootCheck = std::function<bool(const QJsonValue &root)>;
// Takes the root straight from the file's text (no tree is built); false when it
// has not the shape its file needs, which is damage like a broken file.
using RootTaker = std::function<bool(const KeyedUnarchiver &root)>;

// Writes the root, as the one value it writes to the writer it is given.
using RootWriter = std::function<void(JsonTextWriter &json)>;

// Replaces the file whole (see AtomicFile::write). False, with the reason in `error`, when
// any step failed or the file would exceed kMaxFileBytes; the previous file is then intact.
bool writeFile(const QString &path, const RootWriter &writeRoot, QString *error = nullptr);
// The same with a root already built as a tree.
bool writeFile(const QString &path, const QJsonValue &root, QString *error = nullptr);
// A damaged or wrong-shaped file (also one too large to be ours) is renamed to
// "<name>.damaged-<timestamp>" (never deleted) and reads as Damaged, with no root.
// A file that exists but cannot be read (a folder in its place, no permission)
// reads as Unreadable and is left where it is: callers must not replace it.
ReadResult readFile(const QString &path, const RootCheck &fits = {});
// The same for a root taken by `take`: the result then has no root.
ReadResult readFile(const QString &path, const RootTaker &take);
} // namespace KeyedArchive
