#include "platform/JsonTextIndex.h"

#include <charconv>

namespace {
// Deeper than any archive of ours; Qt decides about deeper text.
constexpr int kMaxDepth = 64;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The length of the well-formed UTF-8 sequence at `at` (its first byte not ASCII), or 0.
qsizetype utf8Length(QByteArrayView text, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < text.size() ? uchar(text[i]) : 0; };
    const uchar lead = byte(at), second = byte(at + 1);
    const auto continued = [&](qsizetype length) {
        for (qsizetype i = at + 1; i < at + length; ++i)
            if ((byte(i) & 0xc0) != 0x80)
                return qsizetype(0);
        return length;
    };
    // The second byte's range rules out overlong forms, surrogates and code points above U+10FFFF.
    if (lead >= 0xc2 && lead <= 0xdf)
        return continued(2);
    if (lead >= 0xe0 && lead <= 0xef && (lead != 0xe0 || second >= 0xa0) && (lead != 0xed || second <= 0x9f))
        return continued(3);
    if (lead >= 0xf0 && lead <= 0xf4 && (lead != 0xf0 || second >= 0x90) && (lead != 0xf4 || second <= 0x8f))
        return continued(4);
    return 0;
}

// What a two-character escape stands for, or 0 when it is none.
char unescaped(char letter)
{
    switch (letter) {
    case '"':
        return '"';
    case '\\':
        return '\\';
    case '/':
        return '/';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return 0;
    }
}
} // namespace

JsonTextIndex::JsonTextIndex(QByteArray text) : text_(std::move(text))
{
    const qsizetype end = value(skipSpace(0), 0);
    if (end < 0 || skipSpace(end) != text_.size())
        nodes_.clear();
}

qsizetype JsonTextIndex::skipSpace(qsizetype at) const
{
    while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t' || text_[at] == '\n' || text_[at] == '\r'))
        ++at;
    return at;
}

// Adds the node of the value at `at`; the position after it, or -1 when it is not well formed.
qsizetype JsonTextIndex::value(qsizetype at, int depth)
{
    if (at >= text_.size() || depth > kMaxDepth)
        return -1;
    const qint32 self = qint32(nodes_.size());
    nodes_.append(Node{});
    Node &node = nodes_.last();
    node.start = at;
    const QByteArrayView rest = QByteArrayView(text_).sliced(at);
    const auto literal = [&](Kind kind, const char *word) {
        nodes_[self].kind = kind;
        return rest.startsWith(word) ? at + qsizetype(qstrlen(word)) : -1;
    };
    switch (text_[at]) {
    case '{':
        node.kind = Kind::Object;
        return container(self, at, depth);
    case '[':
        node.kind = Kind::Array;
        return container(self, at, depth);
    case '"': {
        node.kind = Kind::String;
        node.start = at + 1;
        const qsizetype end = string(at);
        nodes_[self].end = end - 1;
        return end;
    }
    case 't':
        return literal(Kind::True, "true");
    case 'f':
        return literal(Kind::False, "false");
    case 'n':
        return literal(Kind::Null, "null");
    default: {
        node.kind = Kind::Number;
        const qsizetype end = number(at);
        nodes_[self].end = end;
        return end;
    }
    }
}

qsizetype JsonTextIndex::container(qint32 self, qsizetype at, int depth)
{
    const bool object = nodes_[self].kind == Kind::Object;
    const char close = object ? '}' : ']';
    qint32 previous = -1;
    qsizetype i = skipSpace(at + 1);
    if (i < text_.size() && text_[i] == close) {
        nodes_[self].end = i + 1;
        return i + 1;
    }
    for (;;) {
        qsizetype keyStart = 0, keyEnd = 0;
        if (object) {
            if (i >= text_.size() || text_[i] != '"')
                return -1;
            keyStart = i + 1;
            i = string(i);
            if (i < 0)
                return -1;
            keyEnd = i - 1;
            i = skipSpace(i);
            if (i >= text_.size() || text_[i] != ':')
                return -1;
            i = skipSpace(i + 1);
        }
        const qint32 child = qint32(nodes_.size());
        i = value(i, depth + 1);
        if (i < 0)
            return -1;
        nodes_[child].keyStart = keyStart;
        nodes_[child].keyEnd = keyEnd;
        (previous < 0 ? nodes_[self].firstChild : nodes_[previous].next) = child;
        previous = child;
        i = skipSpace(i);
        if (i >= text_.size())
            return -1;
        if (text_[i] == close) {
            nodes_[self].end = i + 1;
            return i + 1;
        }
        if (text_[i] != ',')
            return -1;
        i = skipSpace(i + 1);
    }
}

// The position after the string token at `at` (its opening quote), or -1.
qsizetype JsonTextIndex::string(qsizetype at)
{
    for (qsizetype i = at + 1; i < text_.size();) {
        const char c = text_[i];
        if (c == '"')
            return i + 1;
        if (c == '\\') {
            const char letter = i + 1 < text_.size() ? text_[i + 1] : 0;
            if (letter == 'u') {
                for (qsizetype h = i + 2; h < i + 6; ++h)
                    if (h >= text_.size() || hexValue(text_[h]) < 0)
                        return -1;
                i += 6;
            } else if (unescaped(letter)) {
                i += 2;
            } else {
                return -1;
            }
        } else if (uchar(c) < 0x80) {
            ++i; // control characters too: Qt's reader takes them as they are
        } else {
            const qsizetype length = utf8Length(text_, i);
            if (length == 0)
                return -1;
            i += length;
        }
    }
    return -1;
}

qsizetype JsonTextIndex::number(qsizetype at)
{
    const auto digitsFrom = [&](qsizetype from) {
        qsizetype j = from;
        while (j < text_.size() && isDigit(text_[j]))
            ++j;
        return j == from ? qsizetype(-1) : j;
    };
    qsizetype i = at;
    if (i < text_.size() && text_[i] == '-')
        ++i;
    // A leading zero stands alone, as Qt's reader wants.
    i = i < text_.size() && text_[i] == '0' ? i + 1 : digitsFrom(i);
    if (i > 0 && i < text_.size() && text_[i] == '.')
        i = digitsFrom(i + 1);
    if (i > 0 && i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
        ++i;
        if (i < text_.size() && (text_[i] == '+' || text_[i] == '-'))
            ++i;
        i = digitsFrom(i);
    }
    return i;
}

bool JsonTextIndex::keyIs(const Node &node, const QString &key) const
{
    const QByteArrayView raw = QByteArrayView(text_).sliced(node.keyStart, node.keyEnd - node.keyStart);
    for (const char c : raw)
        if (c == '\\' || uchar(c) >= 0x80)
            return this->key(node) == key;
    return QLatin1StringView(raw) == key;
}

double JsonTextIndex::number(const Node &node) const
{
    double result = 0;
    std::from_chars(text_.constData() + node.start, text_.constData() + node.end, result);
    return result;
}

QString JsonTextIndex::decoded(qsizetype start, qsizetype end) const
{
    const QByteArrayView contents = QByteArrayView(text_).sliced(start, end - start);
    qsizetype escape = contents.indexOf('\\');
    bool ascii = true;
    for (const char c : contents)
        ascii = ascii && uchar(c) < 0x80;
    if (escape < 0)
        return ascii ? QString::fromLatin1(contents) : QString::fromUtf8(contents);
    QString result;
    result.reserve(contents.size());
    qsizetype run = 0; // start of the bytes not yet taken over
    for (; escape >= 0; escape = contents.indexOf('\\', run)) {
        result.append(QString::fromUtf8(contents.sliced(run, escape - run)));
        const char letter = contents[escape + 1];
        if (letter == 'u') {
            char16_t unit = 0;
            for (qsizetype h = escape + 2; h < escape + 6; ++h)
                unit = char16_t(unit * 16 + hexValue(contents[h]));
            result.append(QChar(unit)); // half a surrogate pair too, as Qt's reader keeps it
            run = escape + 6;
        } else {
            result.append(QLatin1Char(unescaped(letter)));
            run = escape + 2;
        }
    }
    result.append(QString::fromUtf8(contents.sliced(run)));
    return result;
}
