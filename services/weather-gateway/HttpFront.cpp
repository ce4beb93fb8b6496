#include "HttpFront.h"

#include <malloc.h>

namespace {
QByteArray busyAnswer(const HttpFront::ErrorBody &errorBody)
{
    return HttpMessage::answer(
        503, errorBody(QStringLiteral("busy"), QStringLiteral("Too many connections at once; try again in a moment.")),
        true);
}
} // namespace

HttpFront::HttpFront(const HttpLimits &limits, ErrorBody errorBody, QObject *parent)
    : QObject(parent),
      limits_(limits),
      errorBody_(std::move(errorBody)),
      acceptor_(busyAnswer(errorBody_))
{
    connect(&acceptor_, &ConnectionAcceptor::accepted, this, &HttpFront::admit);
    releaseMemory_.setSingleShot(true);
    releaseMemory_.setInterval(kReleaseMemoryAfterMsecs);
    // A burst of clients leaves the heap at its peak; the allocator keeps freed
    // pages unless asked, and a long-running service should not.
    connect(&releaseMemory_, &QTimer::timeout, this, [] { ::malloc_trim(0); });
}

quint16 HttpFront::listen(const QHostAddress &address, quint16 port) { return acceptor_.listen(address, port); }

void HttpFront::admit(qintptr descriptor)
{
    if (connections_.size() >= limits_.maxConnections && !closeLongestIdle()) {
        acceptor_.refuse(descriptor);
        return;
    }
    auto *connection = new HttpConnection(descriptor, limits_, this);
    connections_.append(connection);
    connect(connection, &HttpConnection::requestReceived, this,
            [this, connection](const HttpRequest &request) { Q_EMIT requestReceived(connection, request); });
    connect(connection, &HttpConnection::refused, this, [this, connection](const HttpRefusal &refusal) {
        connection->respond(refusal.status, errorBody_(refusal.code, refusal.description));
    });
    connect(connection, &HttpConnection::closed, this, [this, connection] {
        connections_.removeOne(connection);
        connection->deleteLater();
        if (connections_.isEmpty())
            releaseMemory_.start();
    });
}

bool HttpFront::closeLongestIdle()
{
    HttpConnection *longest = nullptr;
    for (HttpConnection *connection : std::as_const(connections_)) {
        if (connection->idleMsecs() >= 0 && (!longest || connection->idleMsecs() > longest->idleMsecs()))
            longest = connection;
    }
    if (!longest || longest->idleMsecs() < kQuietBeforeMakingRoomMsecs)
        return false;
    longest->close(); // leaves the list through closed()
    return true;
}
