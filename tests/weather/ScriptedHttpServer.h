#pragma once
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <functional>

// A small HTTP server on loopback for tests: records every request target as
// it arrived on the wire and answers from a script. Stands in for the weather
// service (app tests) and for the forecast provider (gateway tests).
class ScriptedHttpServer : public QTcpServer
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        bool hang = false;          // never answer
        qint64 declaredLength = -1; // Content-Length to claim; -1 means the body's size
    };
    using Script = std::function<Reply(const QByteArray &target)>;

    explicit ScriptedHttpServer(Script script = {}, QObject *parent = nullptr);

    void setScript(Script script) { script_ = std::move(script); }
    // "http://127.0.0.1:PORT"
    QString address() const;
    QList<QByteArray> targets() const { return targets_; }
    // Targets whose path and query start with `prefix`.
    int countTargets(const QByteArray &prefix) const;

private:
    void serve(QTcpSocket *socket);

    Script script_;
    QList<QByteArray> targets_;
};

// Table-driven tests put replies in their data rows.
Q_DECLARE_METATYPE(ScriptedHttpServer::Reply)
