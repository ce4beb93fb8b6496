#include "ScriptedHttpServer.h"

#include <QTcpSocket>

ScriptedHttpServer::ScriptedHttpServer(Script script, QObject *parent) : QTcpServer(parent), script_(std::move(script))
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString ScriptedHttpServer::address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

int ScriptedHttpServer::countTargets(const QByteArray &prefix) const
{
    return int(std::count_if(targets_.cbegin(), targets_.cend(), [&](const auto &t) { return t.startsWith(prefix); }));
}

void ScriptedHttpServer::serve(QTcpSocket *socket)
{
    // Requests have no body here: each one ends at the blank line.
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    qsizetype end;
    while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
        const QByteArray requestLine = buffer.left(buffer.indexOf("\r\n"));
        buffer.remove(0, end + 4);
        const QByteArray target = requestLine.split(' ').value(1);
        targets_.append(target);
        const Reply reply = script_ ? script_(target) : Reply{404, {}};
        if (reply.hang)
            continue;
        const qint64 length = reply.declaredLength >= 0 ? reply.declaredLength : reply.body.size();
        socket->write("HTTP/1.1 " + QByteArray::number(reply.status)
                      + " Scripted\r\nContent-Type: application/json\r\n"
                        "Content-Length: "
                      + QByteArray::number(length) + "\r\n\r\n" + reply.body);
        if (length != reply.body.size())
            socket->disconnectFromHost();
    }
    socket->setProperty("buffer", buffer);
}
