#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

// The listening socket. It accepts connections itself rather than through
// QTcpServer, whose accept loop polls the listening socket without pause once
// the process is out of file descriptors. Here, out of descriptors, it lends a
// spare one to accept the waiting client, tells it `refusal` and closes it, so
// clients hear "busy" at once, and it pauses briefly when there is nothing to lend.
class ConnectionAcceptor : public QObject
{
    Q_OBJECT
public:
    explicit ConnectionAcceptor(QByteArray refusal, QObject *parent = nullptr);
    ~ConnectionAcceptor() override;

    // The port listened on (the one picked when `port` is 0), or 0 with errorString() set.
    quint16 listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return error_; }
    // Sends the refusal to an accepted connection and closes it.
    void refuse(qintptr descriptor) const;

    static constexpr int kPauseMs = 250;

Q_SIGNALS:
    // A new connection, non-blocking; the receiver owns the descriptor.
    void accepted(qintptr descriptor);

private:
    void acceptWaiting();
    // Out of descriptors: false when no spare could be lent (then pause).
    bool refuseWithSpare();
    void pause();
    void setStarved(bool starved);

    QByteArray refusal_;
    int listener_ = -1;
    int spare_ = -1;
    bool starved_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer resume_;
    QString error_;
};
