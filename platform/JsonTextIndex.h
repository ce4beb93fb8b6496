#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The values of JSON text, found in one pass and kept as places in the text:
// nothing is decoded until asked for. It takes only text that Qt's reader
// (QJsonDocument) takes too, and reads it the same way; for anything else it
// is empty and the caller leaves the text to Qt.
class JsonTextIndex
{
public:
    enum class Kind : char { Object, Array, String, Number, True, False, Null };
    struct Node
    {
        Kind kind = Kind::Null;
        qint32 firstChild = -1;             // members of an object, elements of an array
        qint32 next = -1;                   // the next member or element of the same container
        qsizetype keyStart = 0, keyEnd = 0; // a member's key, between its quotes
        qsizetype start = 0, end = 0;       // the value; a string's contents between its quotes
    };

    explicit JsonTextIndex(QByteArray text);
    bool isEmpty() const { return nodes_.isEmpty(); }
    // The root is node 0.
    const Node &node(qint32 index) const { return nodes_[index]; }
    QString key(const Node &node) const { return decoded(node.keyStart, node.keyEnd); }
    // Whether the member's key is `key`, without decoding it when it is plain ASCII.
    bool keyIs(const Node &node, const QString &key) const;
    QString string(const Node &node) const { return decoded(node.start, node.end); }
    double number(const Node &node) const;

private:
    qsizetype value(qsizetype at, int depth);
    qsizetype container(qint32 self, qsizetype at, int depth);
    qsizetype string(qsizetype at);
    qsizetype number(qsizetype at);
    qsizetype skipSpace(qsizetype at) const;
    QString decoded(qsizetype start, qsizetype end) const;

    QByteArray text_;
    QList<Node> nodes_;
};
