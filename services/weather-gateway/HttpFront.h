#pragma once
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <functional>

#include "ConnectionAcceptor.h"
#include "HttpConnection.h"

// The gateway's HTTP side: listens, keeps every connection within HttpLimits,
// answers what breaks them itself, and hands on whole requests. In place of
// QAbstractHttpServer (Qt 6.4), which offers no time limit, no connection cap
// and no size limit: it holds a request's whole body in memory before the
// server sees it, and its QTcpServer spins when descriptors run out.
class HttpFront : public QObject
{
    Q_OBJECT
public:
    // The body of an error answer, in the service's own shape.
    using ErrorBody = std::function<QByteArray(const QString &code, const QString &description)>;

    HttpFront(const HttpLimits &limits, ErrorBody errorBody, QObject *parent = nullptr);

    // The port listened on (the one picked when `port` is 0), or 0 with errorString() set.
    quint16 listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return acceptor_.errorString(); }

Q_SIGNALS:
    // Answer with connection->respond(); the connection may close before that.
    void requestReceived(HttpConnection *connection, const HttpRequest &request);

private:
    void admit(qintptr descriptor);
    // Makes room by closing the connection idle the longest, if that is long
    // enough that its client is not just sending; false when there is none.
    bool closeLongestIdle();

    // A new client's request may take a moment to arrive; it is not closed for being quiet before this.
    static constexpr qint64 kQuietBeforeMakingRoomMsecs = 1000;
    // Once the last connection has closed (and been deleted), freed memory goes back to the system.
    static constexpr int kReleaseMemoryAfterMsecs = 100;

    HttpLimits limits_;
    ErrorBody errorBody_;
    ConnectionAcceptor acceptor_;
    QList<HttpConnection *> connections_;
    QTimer releaseMemory_;
};
