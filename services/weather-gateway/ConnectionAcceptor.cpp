#include "ConnectionAcceptor.h"

#include <QDebug>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Accepted per wake-up, so a flood of connections cannot starve the answers.
constexpr int kAcceptsPerWakeUp = 32;
// Clients the kernel may hold until they are accepted. A full queue drops
// handshakes silently: those clients think they are connected but wait for
// the kernel to retry, for up to half a minute.
constexpr int kBacklog = SOMAXCONN;

int openSpare() { return ::open("/dev/null", O_RDONLY | O_CLOEXEC); }
} // namespace

ConnectionAcceptor::ConnectionAcceptor(QByteArray refusal, QObject *parent)
    : QObject(parent),
      refusal_(std::move(refusal)),
      spare_(openSpare())
{
    resume_.setSingleShot(true);
    resume_.setInterval(kPauseMs);
    connect(&resume_, &QTimer::timeout, this, [this] { notifier_->setEnabled(true); });
}

ConnectionAcceptor::~ConnectionAcceptor()
{
    notifier_.reset();
    if (listener_ >= 0)
        ::close(listener_);
    if (spare_ >= 0)
        ::close(spare_);
}

quint16 ConnectionAcceptor::listen(const QHostAddress &address, quint16 port)
{
    sockaddr_storage storage{};
    socklen_t length = 0;
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    if (isIPv4) {
        auto *in = reinterpret_cast<sockaddr_in *>(&storage);
        in->sin_family = AF_INET;
        in->sin_port = htons(port);
        in->sin_addr.s_addr = htonl(ipv4);
        length = sizeof(sockaddr_in);
    } else if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&in6->sin6_addr, bytes.c, sizeof(bytes.c));
        length = sizeof(sockaddr_in6);
    } else {
        error_ = QStringLiteral("not an IP address");
        return 0;
    }
    const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on)) != 0
        || ::bind(fd, reinterpret_cast<sockaddr *>(&storage), length) != 0 || ::listen(fd, kBacklog) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&storage), &length) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    listener_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ConnectionAcceptor::acceptWaiting);
    const in_port_t bound = storage.ss_family == AF_INET ? reinterpret_cast<sockaddr_in *>(&storage)->sin_port
                                                         : reinterpret_cast<sockaddr_in6 *>(&storage)->sin6_port;
    return ntohs(bound);
}

void ConnectionAcceptor::refuse(qintptr descriptor) const
{
    // The socket is new and non-blocking: a short answer fits its send buffer.
    (void)::send(int(descriptor), refusal_.constData(), size_t(refusal_.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    ::close(int(descriptor));
}

void ConnectionAcceptor::acceptWaiting()
{
    for (int i = 0; i < kAcceptsPerWakeUp; ++i) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            setStarved(false);
            Q_EMIT accepted(fd);
            continue;
        }
        switch (errno) {
        case EAGAIN:
            return;
        case EINTR:
        case ECONNABORTED:
        case EPROTO:
        case EPERM: // refused by a firewall rule: the next one may pass
            continue;
        case EMFILE:
        case ENFILE:
        case ENOBUFS:
        case ENOMEM:
            setStarved(true);
            if (refuseWithSpare())
                continue;
            pause();
            return;
        default:
            qWarning("weather gateway: cannot accept connections: %s", std::strerror(errno));
            pause();
            return;
        }
    }
}

bool ConnectionAcceptor::refuseWithSpare()
{
    if (spare_ < 0)
        spare_ = openSpare();
    if (spare_ < 0)
        return false;
    ::close(spare_);
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    const int acceptError = errno;
    if (fd >= 0)
        refuse(fd);
    spare_ = openSpare();
    // Another thread may have taken the freed descriptor first.
    return spare_ >= 0 && (fd >= 0 || acceptError == EAGAIN);
}

void ConnectionAcceptor::pause()
{
    notifier_->setEnabled(false);
    resume_.start();
}

void ConnectionAcceptor::setStarved(bool starved)
{
    if (starved == starved_)
        return;
    starved_ = starved;
    if (starved)
        qWarning("weather gateway: out of file descriptors; answering new connections \"busy\" until some close");
    else
        qInfo("weather gateway: accepting connections again");
}
