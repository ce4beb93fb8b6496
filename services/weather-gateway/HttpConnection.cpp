#include "HttpConnection.h"

#include <algorithm>
#include <sys/socket.h>
#include <unistd.h>

HttpConnection::HttpConnection(qintptr descriptor, const HttpLimits &limits, QObject *parent)
    : QObject(parent),
      limits_(limits)
{
    // Qt reads from the kernel only while its buffer has room: a client cannot make it hold more.
    socket_.setReadBufferSize(limits_.maxRequestBytes);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HttpConnection::timedOut);
    connect(&socket_, &QTcpSocket::readyRead, this, &HttpConnection::readRequest);
    connect(&socket_, &QTcpSocket::bytesWritten, this, [this] {
        if (state_ == State::Sending && socket_.bytesToWrite() == 0)
            answerSent();
    });
    connect(&socket_, &QTcpSocket::disconnected, this, &HttpConnection::close);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &HttpConnection::close);
    if (!socket_.setSocketDescriptor(descriptor)) {
        ::close(int(descriptor));
        QMetaObject::invokeMethod(this, &HttpConnection::close, Qt::QueuedConnection);
        return;
    }
    setState(State::Idle);
}

void HttpConnection::readRequest()
{
    if (state_ == State::Lingering) {
        socket_.skip(socket_.bytesAvailable());
        return;
    }
    if (state_ != State::Idle && state_ != State::Reading)
        return; // the rest waits in the socket until the answer has left
    // Never more than one byte over the limit, so an oversized request is seen as one.
    buffer_ += socket_.read(limits_.maxRequestBytes + 1 - buffer_.size());
    if (state_ == State::Idle) {
        // Blank lines between requests are allowed and mean nothing.
        while (buffer_.startsWith('\r') || buffer_.startsWith('\n'))
            buffer_.remove(0, 1);
        if (buffer_.isEmpty())
            return;
        setState(State::Reading);
    }
    const qsizetype headLength = HttpMessage::endOfHead(buffer_);
    if (headLength < 0) {
        if (buffer_.size() > limits_.maxRequestBytes)
            refuse({431, QStringLiteral("request-too-large"),
                    QStringLiteral("The request head is longer than %1 bytes.").arg(limits_.maxRequestBytes)});
        return;
    }
    const auto parsed = HttpMessage::parseRequestHead(buffer_.left(headLength));
    if (const auto *refusal = std::get_if<HttpRefusal>(&parsed)) {
        refuse(*refusal);
        return;
    }
    const HttpRequest &request = std::get<HttpRequest>(parsed);
    // Refused from the announced length alone, before any of the body comes.
    const qint64 length = headLength + request.bodyLength;
    if (length > limits_.maxRequestBytes) {
        refuse({413, QStringLiteral("request-too-large"),
                QStringLiteral("The request is longer than %1 bytes.").arg(limits_.maxRequestBytes)});
        return;
    }
    if (buffer_.size() < length)
        return; // the body is still coming
    buffer_.remove(0, length);
    closeAfterAnswer_ = !request.keepAlive;
    setState(State::Answering);
    Q_EMIT requestReceived(request);
}

void HttpConnection::refuse(const HttpRefusal &refusal)
{
    closeAfterAnswer_ = true;
    buffer_.clear();
    setState(State::Answering);
    Q_EMIT refused(refusal);
}

void HttpConnection::respond(int status, const QByteArray &body)
{
    if (state_ != State::Answering)
        return;
    setState(State::Sending);
    socket_.write(HttpMessage::answer(status, body, closeAfterAnswer_));
}

void HttpConnection::answerSent()
{
    if (closeAfterAnswer_) {
        // Closing with unread input would reset the connection and could destroy
        // the answer before the client reads it: end the sending side only, and
        // wait for the client to close.
        ::shutdown(int(socket_.socketDescriptor()), SHUT_WR);
        setState(State::Lingering);
        readRequest();
        return;
    }
    setState(State::Idle);
    // A request that came along behind this one is read now.
    if (!buffer_.isEmpty() || socket_.bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &HttpConnection::readRequest, Qt::QueuedConnection);
}

void HttpConnection::timedOut()
{
    if (state_ == State::Reading)
        refuse({408, QStringLiteral("request-timeout"),
                QStringLiteral("The request did not arrive whole within %1 ms.").arg(limits_.readTimeoutMsecs)});
    else
        close(); // idle too long, the client does not take its answer, or lingers
}

void HttpConnection::close()
{
    if (state_ == State::Closed)
        return;
    setState(State::Closed);
    socket_.abort();
    Q_EMIT closed();
}

void HttpConnection::setState(State state)
{
    state_ = state;
    switch (state) {
    case State::Idle:
        idleSince_.start();
        timer_.start(limits_.idleTimeoutMsecs);
        break;
    case State::Reading:
    case State::Sending:
        timer_.start(limits_.readTimeoutMsecs);
        break;
    case State::Lingering:
        timer_.start(std::min(kLingerMsecs, limits_.readTimeoutMsecs));
        break;
    case State::Answering: // the gateway always answers; its provider has its own time limit
    case State::Closed:
        timer_.stop();
        break;
    }
}
