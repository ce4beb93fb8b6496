#include "HttpMessage.h"

#include <QRegularExpression>

namespace {

const char *reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

HttpRefusal malformed(const QString &description) { return {400, QStringLiteral("bad-request"), description}; }

} // namespace

QUrlQuery HttpRequest::formQuery() const
{
    // In the encoded query a plus is still a plus and a sent "%2B" still "%2B".
    QString query = url.query(QUrl::FullyEncoded);
    query.replace(QLatin1Char('+'), QLatin1String("%20"));
    return QUrlQuery(query);
}

namespace HttpMessage {

qsizetype endOfHead(const QByteArray &data)
{
    for (qsizetype lineFeed = data.indexOf('\n'); lineFeed >= 0; lineFeed = data.indexOf('\n', lineFeed + 1)) {
        const qsizetype next = lineFeed + 1;
        if (data.mid(next, 1) == "\n")
            return next + 1;
        if (data.mid(next, 2) == "\r\n")
            return next + 2;
    }
    return -1;
}

std::variant<HttpRequest, HttpRefusal> parseRequestHead(const QByteArray &head)
{
    QByteArray text = head;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1); // the blank line
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    static const QRegularExpression requestLine(QStringLiteral("^([A-Z]{1,16}) (/[!-~]*) HTTP/1\\.([01])$"));
    const QRegularExpressionMatch start = requestLine.match(QString::fromLatin1(lines.value(0)));
    if (!start.hasMatch())
        return malformed(QStringLiteral("The request line is not \"METHOD /path HTTP/1.1\"."));

    HttpRequest request;
    request.method = start.captured(1).toLatin1();
    request.url = QUrl::fromEncoded(start.captured(2).toLatin1());
    if (!request.url.isValid() || !request.url.isRelative())
        return malformed(QStringLiteral("The request target is not a path."));
    const bool http11 = start.captured(3) == u"1";
    QByteArray connection;
    QByteArray contentLength;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        // A line starting with white space continues the previous one: long obsolete, a smuggling risk.
        if (colon <= 0 || line.front() == ' ' || line.front() == '\t')
            return malformed(QStringLiteral("A header line is not \"Name: value\"."));
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            if (!contentLength.isEmpty() && contentLength != value)
                return malformed(QStringLiteral("The request gives two different lengths."));
            contentLength = value;
        } else if (name == "transfer-encoding") {
            return HttpRefusal{411, QStringLiteral("length-required"),
                               QStringLiteral("A request body must come with a Content-Length.")};
        } else if (name == "connection") {
            connection = value.toLower();
        }
    }
    if (!contentLength.isEmpty()) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,15}$"));
        if (!digits.match(QString::fromLatin1(contentLength)).hasMatch())
            return malformed(QStringLiteral("The Content-Length is not a number."));
        request.bodyLength = contentLength.toLongLong();
    }
    request.keepAlive = http11 ? !connection.contains("close") : connection.contains("keep-alive");
    return request;
}

QByteArray answer(int status, const QByteArray &body, bool close)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    text += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (close)
        text += "Connection: close\r\n";
    return text + "\r\n" + body;
}

} // namespace HttpMessage
