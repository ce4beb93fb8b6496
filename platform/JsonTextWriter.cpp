#include "platform/JsonTextWriter.h"

#include <algorithm>
#include <charconv>

namespace {
char hexDigit(unsigned value) { return char(value < 10 ? '0' + value : 'a' + value - 10); }

// Writes \uxxxx for `unit` at `out`; returns the position after it.
char *unicodeEscape(char *out, char16_t unit)
{
    *out++ = '\\';
    *out++ = 'u';
    for (int shift = 12; shift >= 0; shift -= 4)
        *out++ = hexDigit((unit >> shift) & 0xf);
    return out;
}
// The letter of a two-character escape, or 0 for a control character written as \u00xx.
char shortEscape(char16_t unit)
{
    switch (unit) {
    case '"':
        return '"';
    case '\\':
        return '\\';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    default:
        return 0;
    }
}
} // namespace

void JsonTextWriter::separate()
{
    if (!first_)
        text_.append(',');
    first_ = false;
}

void JsonTextWriter::beginObject()
{
    separate();
    text_.append('{');
    open_.append({true, members_.size(), true});
    first_ = true;
}

void JsonTextWriter::endObject()
{
    const Container object = open_.takeLast();
    Q_ASSERT(object.object);
    if (!object.inOrder)
        putMembersInOrder(object);
    members_.resize(object.firstMember);
    text_.append('}');
    first_ = false;
}

void JsonTextWriter::beginArray()
{
    separate();
    text_.append('[');
    open_.append({false, members_.size(), true});
    first_ = true;
}

void JsonTextWriter::endArray()
{
    Q_ASSERT(!open_.last().object);
    open_.removeLast();
    text_.append(']');
    first_ = false;
}

void JsonTextWriter::key(const QString &key)
{
    Container &object = open_.last();
    Q_ASSERT(object.object);
    if (members_.size() > object.firstMember && !(members_.last().key < key))
        object.inOrder = false;
    if (!first_)
        text_.append(',');
    members_.append({key, text_.size()});
    escaped(key);
    text_.append(':');
    first_ = true; // the value follows the colon
}

void JsonTextWriter::string(QStringView text)
{
    separate();
    escaped(text);
}

void JsonTextWriter::null()
{
    separate();
    text_.append("null");
}

void JsonTextWriter::boolean(bool value)
{
    separate();
    text_.append(value ? "true" : "false");
}

void JsonTextWriter::integer(qint64 value)
{
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text_.append(digits, end - digits);
}

void JsonTextWriter::raw(QByteArrayView json)
{
    separate();
    text_.append(json);
}

void JsonTextWriter::escaped(QStringView text)
{
    // Room for the worst case (every unit as \uxxxx, and the quotes), so the loop never checks.
    const qsizetype start = text_.size();
    const qsizetype most = start + text.size() * 6 + 2;
    if (text_.capacity() < most)
        text_.reserve(std::max(most, text_.capacity() * 2));
    text_.resize(most);
    char *out = text_.data() + start;
    *out++ = '"';
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    while (in != end) {
        const char16_t unit = *in++;
        if (unit >= 0x20 && unit < 0x80 && unit != '"' && unit != '\\') {
            *out++ = char(unit);
        } else if (unit < 0x80) {
            const char letter = shortEscape(unit);
            if (letter) {
                *out++ = '\\';
                *out++ = letter;
            } else {
                out = unicodeEscape(out, unit);
            }
        } else if (unit < 0x800) {
            *out++ = char(0xc0 | (unit >> 6));
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (!QChar::isSurrogate(unit)) {
            *out++ = char(0xe0 | (unit >> 12));
            *out++ = char(0x80 | ((unit >> 6) & 0x3f));
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (QChar::isHighSurrogate(unit) && in != end && QChar::isLowSurrogate(*in)) {
            const char32_t point = QChar::surrogateToUcs4(unit, *in++);
            *out++ = char(0xf0 | (point >> 18));
            *out++ = char(0x80 | ((point >> 12) & 0x3f));
            *out++ = char(0x80 | ((point >> 6) & 0x3f));
            *out++ = char(0x80 | (point & 0x3f));
        } else {
            // Half a pair is no character: UTF-8 cannot hold it, JSON's escape can.
            out = unicodeEscape(out, unit);
        }
    }
    *out++ = '"';
    text_.resize(out - text_.constData());
}

void JsonTextWriter::putMembersInOrder(const Container &object)
{
    const qsizetype first = object.firstMember;
    const qsizetype count = members_.size() - first;
    const qsizetype start = members_[first].start;
    scratch_.resize(text_.size() - start);
    std::copy(text_.cbegin() + start, text_.cend(), scratch_.begin());
    order_.resize(count);
    for (qsizetype i = 0; i < count; ++i)
        order_[i] = first + i;
    std::sort(order_.begin(), order_.end(),
              [&](qsizetype a, qsizetype b) { return members_[a].key < members_[b].key; });
    text_.truncate(start);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype m = order_[i];
        Q_ASSERT(i == 0 || members_[order_[i - 1]].key != members_[m].key);
        // A member runs to the comma before the next one written, the last one to the end.
        const qsizetype from = members_[m].start - start;
        const qsizetype to = m + 1 < members_.size() ? members_[m + 1].start - 1 - start : scratch_.size();
        if (i > 0)
            text_.append(',');
        text_.append(scratch_.constData() + from, to - from);
    }
}
