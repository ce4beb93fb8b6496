#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// Writes compact JSON text straight into one buffer, without building a tree
// first, and byte for byte as Qt's writer (QJsonDocument::Compact) writes the
// same tree: the members of an object in the order of their keys (UTF-16 code
// units), whatever order they were written in; strings in UTF-8 with \" \\ \b
// \f \n \r \t, \u00xx for the other control characters and \uxxxx for a
// surrogate without its other half; everything else as it is.
class JsonTextWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // Names the next value of the open object. Each key once per object.
    void key(const QString &key);
    void string(QStringView text);
    void null();
    void boolean(bool value);
    void integer(qint64 value);
    // A value already in compact JSON text.
    void raw(QByteArrayView json);

    QByteArray take() { return std::exchange(text_, {}); }

private:
    struct Container
    {
        bool object;
        qsizetype firstMember; // index in members_ of the first member of this object
        bool inOrder;          // members written in key order so far
    };
    struct Member
    {
        QString key;
        qsizetype start; // where its "key": begins in text_
    };
    void separate();
    void escaped(QStringView text);
    void putMembersInOrder(const Container &object);

    QByteArray text_;
    QList<Container> open_;
    QList<Member> members_; // of every open object, innermost last
    QByteArray scratch_;
    QList<qsizetype> order_;
    bool first_ = true; // the next value is the first in its container
};
