#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <variant>

// The HTTP/1.1 text the gateway reads and writes: request heads in, answers out.
// Only what a GET-only service needs; a body is measured, never interpreted.

struct HttpRequest
{
    QByteArray method;
    QUrl url;              // the request target, origin form ("/path?query")
    bool keepAlive = true; // HTTP/1.1 unless "Connection: close"; HTTP/1.0 only with "keep-alive"
    qint64 bodyLength = 0; // from Content-Length

    // The query as an HTML form sends it: "+" stands for a space ("%2B" for a plus).
    QUrlQuery formQuery() const;
};

// Why a request is not read any further, and what to tell its sender.
struct HttpRefusal
{
    int status = 400;
    QString code;        // short machine-readable reason, e.g. "request-timeout"
    QString description; // one sentence for people
};

namespace HttpMessage {

// Where the blank line ending the head of `data` ends (CRLF or bare LF lines), or -1 while it has not come.
qsizetype endOfHead(const QByteArray &data);
// `head` is the request line and the header lines, with or without the blank line after them.
std::variant<HttpRequest, HttpRefusal> parseRequestHead(const QByteArray &head);
// A complete answer with a JSON body; `close` tells the client the connection ends after it.
QByteArray answer(int status, const QByteArray &body, bool close);

} // namespace HttpMessage
