// Prints how the weather gateway (its own process, fixture provider, default
// limits) holds up against hostile clients: 900 quiet connections, a client
// sending one byte every 100 ms, bodies announced and never sent, body floods,
// garbage, and running out of file descriptors. Figures: connections the
// gateway closed and when, answers, its memory before, at its peak and after,
// and its CPU while starved. Asserts nothing.
// Run: bench_gateway_hostile [path to tolvek-weather-gateway]
#include "../Figures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

#include "ProcessStats.h"

namespace {

// A client sending raw bytes and keeping what comes back.
struct Client
{
    explicit Client(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    bool closed() const { return socket.state() == QAbstractSocket::UnconnectedState; }
    QTcpSocket socket;
    QByteArray received;
};
using Clients = std::vector<std::unique_ptr<Client>>;

bool waitFor(const std::function<bool()> &done, int msecs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > msecs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!done())
            QThread::msleep(5);
    }
    return true;
}

int countClosed(const Clients &clients)
{
    return int(std::count_if(clients.cbegin(), clients.cend(), [](const auto &c) { return c->closed(); }));
}

double megabytes(qint64 kb) { return double(kb) / 1024.0; }

QByteArray statusLine(const QByteArray &answer)
{
    return answer.isEmpty() ? QByteArray("nothing") : answer.left(answer.indexOf('\r'));
}

// The gateway as its own process; `descriptors` > 0 limits its open files.
struct Gateway
{
    Gateway(const QString &binary, rlim_t descriptors)
    {
        if (descriptors > 0) {
            process.setChildProcessModifier([descriptors] {
                const rlimit limit{descriptors, descriptors};
                ::setrlimit(RLIMIT_NOFILE, &limit);
            });
        }
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(binary, {"--port", "0", "--provider", "fixture"});
        if (process.waitForStarted() && process.waitForReadyRead(10000)) {
            const QByteArray line = process.readLine().trimmed();
            port = line.mid(line.lastIndexOf(':') + 1).toUShort();
        }
    }
    ~Gateway()
    {
        process.kill();
        process.waitForFinished();
    }
    qint64 pid() const { return process.processId(); }
    QProcess process;
    quint16 port = 0;
};

const QByteArray kForecast
    = "GET /v1/public/yql?q=select%20*%20from%20weather.forecast%20where%20woeid%3D1&format=json "
      "HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";

void quietConnections(const Gateway &gateway)
{
    Clients quiet;
    for (int i = 0; i < 900; ++i)
        quiet.push_back(std::make_unique<Client>(gateway.port));
    QElapsedTimer timer;
    timer.start();
    waitFor([&] { return countClosed(quiet) == 900; }, 25000);
    std::printf("900 quiet connections: %d closed by the gateway after %.1f s (target: all, at the idle limit)\n",
                countClosed(quiet), double(timer.elapsed()) / 1000.0);
    reportFigure("Weather gateway: quiet connections closed", std::to_string(countClosed(quiet)) + " of 900",
                 "all, at the idle limit", countClosed(quiet) == 900);
}

void slowClient(const Gateway &gateway)
{
    Client slow(gateway.port);
    slow.socket.write("GET /v1/public/yql?q=");
    QTimer drip;
    QObject::connect(&drip, &QTimer::timeout, [&] { slow.socket.write("x"); });
    drip.start(100);
    QElapsedTimer timer;
    timer.start();
    waitFor([&] { return slow.closed(); }, 25000);
    std::printf("a byte every 100 ms: %s after %.1f s (target: 408 at the read limit)\n",
                statusLine(slow.received).constData(), double(timer.elapsed()) / 1000.0);
}

void announcedBodies(const Gateway &gateway)
{
    Clients waiting;
    for (int i = 0; i < 100; ++i) {
        waiting.push_back(std::make_unique<Client>(gateway.port));
        waiting.back()->socket.write("POST /v1/public/yql HTTP/1.1\r\nHost: x\r\nContent-Length: 100000000\r\n\r\n");
    }
    QElapsedTimer timer;
    timer.start();
    waitFor([&] { return countClosed(waiting) == 100; }, 15000);
    std::printf("100 requests announcing a 100 MB body, none sent: %d answered %s and closed within %.1f s "
                "(target: all, at once)\n",
                countClosed(waiting), statusLine(waiting.front()->received).constData(),
                double(timer.elapsed()) / 1000.0);
}

void bodyFloods(const Gateway &gateway)
{
    const QByteArray chunk(1 << 20, 'x');
    qint64 sent = 0;
    Clients floods;
    for (int i = 0; i < 10; ++i) {
        floods.push_back(std::make_unique<Client>(gateway.port));
        floods.back()->socket.write("POST /v1/public/yql HTTP/1.1\r\nHost: x\r\nContent-Length: 300000000\r\n\r\n");
    }
    // Up to 30 MB each, as long as the gateway takes it.
    for (int round = 0; round < 30; ++round) {
        for (const auto &flood : floods) {
            if (!flood->closed() && flood->socket.bytesToWrite() < chunk.size()) {
                flood->socket.write(chunk);
                sent += chunk.size();
            }
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    waitFor([&] { return countClosed(floods) == 10; }, 15000);
    std::printf("10 body floods (300 MB announced): %.0f MB handed to the sockets, %d closed by the gateway "
                "(target: all closed, refused at the head)\n",
                double(sent) / (1 << 20), countClosed(floods));
}

void garbage(const Gateway &gateway)
{
    Clients senders;
    for (int i = 0; i < 500; ++i) {
        senders.push_back(std::make_unique<Client>(gateway.port));
        senders.back()->socket.write(QByteArray(4000, char('A' + i % 26)) + "\r\n\r\n");
    }
    waitFor([&] { return countClosed(senders) == 500; }, 15000);
    const auto answered = [&](const QByteArray &status) {
        return int(std::count_if(senders.cbegin(), senders.cend(),
                                 [&](const auto &c) { return c->received.startsWith("HTTP/1.1 " + status); }));
    };
    std::printf(
        "500 connections at once sending 4 KB of garbage: %d closed; %d answered 400, %d answered 503 (over "
        "the connection cap), %d closed unanswered to make room\n",
        countClosed(senders), answered("400"), answered("503"),
        int(std::count_if(senders.cbegin(), senders.cend(), [](const auto &c) { return c->received.isEmpty(); })));
}

void outOfDescriptors(const QString &binary)
{
    constexpr rlim_t kDescriptors = 64;
    Gateway gateway(binary, kDescriptors);
    if (gateway.port == 0) {
        std::printf("descriptor exhaustion: the gateway did not start\n");
        return;
    }
    Clients holders;
    for (rlim_t i = 0; i < kDescriptors + 16; ++i)
        holders.push_back(std::make_unique<Client>(gateway.port));
    waitFor([&] { return ProcessStats::openDescriptors(gateway.pid()) >= qsizetype(kDescriptors); }, 5000);
    const double cpuBefore = ProcessStats::cpuSeconds(gateway.pid());
    QElapsedTimer starved;
    starved.start();
    int answered = 0;
    int closed = 0;
    int hanging = 0;
    Clients newcomers;
    while (starved.elapsed() < 3000) {
        auto newcomer = std::make_unique<Client>(gateway.port);
        newcomer->socket.write(kForecast);
        if (waitFor([&] { return newcomer->closed(); }, 500))
            ++(newcomer->received.isEmpty() ? closed : answered);
        else
            ++hanging;
        newcomers.push_back(std::move(newcomer));
    }
    const double seconds = double(starved.elapsed()) / 1000.0;
    const double cpu = ProcessStats::cpuSeconds(gateway.pid()) - cpuBefore;
    std::printf("out of descriptors (limit %d) for %.1f s: CPU %.0f %%; newcomers: %d answered (%s), %d closed, %d "
                "still waiting after 0.5 s (target: CPU near 0, none waiting)\n",
                int(kDescriptors), seconds, 100.0 * cpu / seconds, answered,
                statusLine(newcomers.front()->received).constData(), closed, hanging);
    holders.clear();
    newcomers.clear();
    QElapsedTimer recovery;
    recovery.start();
    bool served = false;
    while (!served && recovery.elapsed() < 10000) {
        Client client(gateway.port);
        client.socket.write(kForecast);
        waitFor([&] { return client.closed(); }, 1000);
        served = client.received.startsWith("HTTP/1.1 200");
    }
    std::printf("after the connections close: %s after %.2f s\n", served ? "served again" : "still not serving",
                double(recovery.elapsed()) / 1000.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString binary = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TOLVEK_WEATHER_GATEWAY_PATH);
    {
        Gateway gateway(binary, 0);
        if (gateway.port == 0) {
            std::fprintf(stderr, "bench_gateway_hostile: %s did not start\n", qPrintable(binary));
            return 1;
        }
        const qint64 before = ProcessStats::statusKb(gateway.pid(), "VmRSS");
        quietConnections(gateway);
        slowClient(gateway);
        announcedBodies(gateway);
        bodyFloods(gateway);
        // Repeated bursts must not ratchet memory up.
        QList<double> afterRounds;
        for (int round = 0; round < 3; ++round) {
            garbage(gateway);
            QThread::msleep(500);
            QCoreApplication::processEvents();
            afterRounds.append(megabytes(ProcessStats::statusKb(gateway.pid(), "VmRSS")));
        }
        const double after = afterRounds.last();
        std::printf("gateway RSS: %.1f MB before, %.1f MB at its peak, %.1f / %.1f / %.1f MB after each of three "
                    "bursts of garbage (target: flat)\n",
                    megabytes(before), megabytes(ProcessStats::statusKb(gateway.pid(), "VmHWM")), afterRounds[0],
                    afterRounds[1], afterRounds[2]);
        // Flat: back within a few megabytes of the start once the clients are gone.
        reportFigure("Weather gateway RSS after hostile clients (before: " + withUnit(megabytes(before), "MB") + ")",
                     withUnit(after, "MB"), "flat (within 4 MB)", after - megabytes(before) <= 4);
    }
    outOfDescriptors(binary);
    return 0;
}
