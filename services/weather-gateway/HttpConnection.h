#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include "HttpMessage.h"

struct HttpLimits
{
    int readTimeoutMsecs = 10 * 1000; // from a request's first byte to its last, and for an answer to leave
    int idleTimeoutMsecs = 15 * 1000; // a connection with nothing in progress
    int maxConnections = 256;         // beyond it, a long idle one is closed, or the new one refused
    qsizetype maxRequestBytes = 8192; // head and body of one request
};

// One client connection: reads one request at a time within HttpLimits, hands
// it on, writes the answer, then waits for the next (keep-alive) or closes.
// A connection that stays quiet too long is closed; one whose request is too
// slow, too big or malformed gets refused() and is closed after that answer.
// At most about twice maxRequestBytes are buffered, whatever the client sends.
class HttpConnection : public QObject
{
    Q_OBJECT
public:
    HttpConnection(qintptr descriptor, const HttpLimits &limits, QObject *parent = nullptr);
    // The socket, going down with it, must not call back into a half-destroyed connection.
    ~HttpConnection() override { socket_.disconnect(this); }

    // How long it has been connected with nothing in progress (closing it then
    // loses nothing), or -1 while a request is in progress.
    qint64 idleMsecs() const { return state_ == State::Idle ? idleSince_.elapsed() : -1; }
    // Answers the request handed on by requestReceived() or refused().
    void respond(int status, const QByteArray &body);
    void close();

Q_SIGNALS:
    void requestReceived(const HttpRequest &request);
    // Nothing more is read; answer with respond() and the connection closes after it.
    void refused(const HttpRefusal &refusal);
    // Emitted once, after which the connection may be deleted.
    void closed();

private:
    enum class State { Idle, Reading, Answering, Sending, Lingering, Closed };
    // After a refusal, how long the rest of the request is read and dropped so
    // the client gets to read the answer rather than a reset.
    static constexpr int kLingerMsecs = 2000;

    void readRequest();
    void refuse(const HttpRefusal &refusal);
    void answerSent();
    void timedOut();
    void setState(State state);

    HttpLimits limits_;
    QTcpSocket socket_;
    QTimer timer_;
    QElapsedTimer idleSince_;
    QByteArray buffer_;
    State state_ = State::Idle;
    bool closeAfterAnswer_ = false;
};
