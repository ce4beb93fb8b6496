// The gateway's pieces without the network (query shapes, place identifiers,
// condition codes, the answer cache's bound, the HTTP request head), then the
// gateway over real HTTP on loopback: both query shapes, every refusal,
// the cache, the Open-Meteo path against a local stand-in for the provider,
// upstream failures, random queries, the program's command line, and its
// limits against hostile clients: quiet and slow connections, oversized
// requests, too many connections, and running out of file descriptors.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>

#include "FixtureProvider.h"
#include "GatewayQuery.h"
#include "HttpMessage.h"
#include "OpenMeteoProvider.h"
#include "PlaceId.h"
#include "ProcessStats.h"
#include "TimedCache.h"
#include "WeatherConditions.h"
#include "WeatherGateway.h"
#include "weather/ScriptedHttpServer.h"
#include "weather/WeatherFields.h"

namespace {

using Reply = ScriptedHttpServer::Reply;

struct Answer
{
    int status = 0;
    QJsonObject json;
    QByteArray body;
    QString errorCode() const { return json["error"].toObject()["code"].toString(); }
};

QByteArray target(const QString &query)
{
    return "/v1/public/yql?q=" + QUrl::toPercentEncoding(query) + "&format=json";
}

QString lookupQuery(const QString &text)
{
    return QStringLiteral("select * from geo.placefinder where text=\"%1\" and gflags=\"R\"").arg(text);
}

QString forecastQuery(const QString &woeid) { return "select * from weather.forecast where woeid=" + woeid; }
QByteArray forecastAt(double latitude, double longitude)
{
    return target(forecastQuery(PlaceId::mint(latitude, longitude)));
}

QByteArray getRequest(const QString &query, const QByteArray &extraHeaders = {})
{
    return "GET " + target(query) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

const QByteArray OpenMeteoForecast = R"({"current":{"temperature_2m":-0.4,"weather_code":61,"is_day":0},
    "daily":{"time":["2026-12-07"],"temperature_2m_max":[3.5],"temperature_2m_min":[-2.5]}})";
const QByteArray NominatimPlace = R"({"name":"Bergen","address":{"city":"Bergen","county":"Vestland"}})";

// Sends requests to one gateway and waits for the answers.
class Client
{
public:
    explicit Client(quint16 port) : base_(QStringLiteral("http://127.0.0.1:%1").arg(port).toLatin1()) { }

    QNetworkReply *send(const QByteArray &path, const QByteArray &method = "GET")
    {
        QNetworkRequest request(QUrl::fromEncoded(base_ + path));
        request.setTransferTimeout(10000);
        return network_.sendCustomRequest(request, method);
    }

    static Answer read(QNetworkReply *reply)
    {
        if (!reply->isFinished())
            QSignalSpy(reply, &QNetworkReply::finished).wait(10000);
        reply->deleteLater();
        const QByteArray body = reply->readAll();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return {status, QJsonDocument::fromJson(body).object(), body};
    }

    Answer get(const QByteArray &path, const QByteArray &method = "GET") { return read(send(path, method)); }

private:
    QByteArray base_;
    QNetworkAccessManager network_;
};

// A client that speaks raw bytes, to send what ordinary HTTP clients never do.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { received_ += socket_.readAll(); });
        QObject::connect(&socket_, &QTcpSocket::connected, [this] { wasConnected_ = true; });
        socket_.connectToHost(QHostAddress::LocalHost, port);
    }
    bool waitForConnected() { return socket_.waitForConnected(5000); }
    void send(const QByteArray &bytes) { socket_.write(bytes); }
    bool isClosed() const { return socket_.state() == QAbstractSocket::UnconnectedState; }
    // Was connected, and the gateway closed the connection since.
    bool wasClosed() const { return wasConnected_ && isClosed(); }
    // Everything the gateway sent before it closed the connection.
    QByteArray untilClosed()
    {
        if (!QTest::qWaitFor([this] { return isClosed(); }, 10000))
            return "(still open after 10 s) " + received_;
        return received_;
    }
    QByteArray received() const { return received_; }

private:
    QTcpSocket socket_;
    QByteArray received_;
    bool wasConnected_ = false;
};

// Starts the gateway program and reads the port it reports; 0 when it reports none.
quint16 launch(QProcess &gateway, const QStringList &arguments)
{
    gateway.start(qEnvironmentVariable("TOLVEK_WEATHER_GATEWAY"), arguments);
    const auto saysOrEnds = [&] { return gateway.canReadLine() || gateway.state() == QProcess::NotRunning; };
    if (!gateway.waitForStarted() || !QTest::qWaitFor(saysOrEnds, 5000) || !gateway.canReadLine())
        return 0;
    const QByteArray line = gateway.readLine().trimmed();
    return line.startsWith("listening on http://127.0.0.1:") ? line.mid(line.lastIndexOf(':') + 1).toUShort() : 0;
}

} // namespace

class WeatherGatewayTest : public QObject
{
    Q_OBJECT
private:
    qint64 now_ = 0;
    std::unique_ptr<ScriptedHttpServer> upstream_;
    std::unique_ptr<WeatherGateway> gateway_;
    std::unique_ptr<Client> client_;
    quint16 port_ = 0;

    void startFixtureGateway(const HttpLimits &limits = {}) { start(std::make_unique<FixtureProvider>(), limits); }

    // A gateway whose Open-Meteo provider talks to a local stand-in answering forecasts and place names.
    void startOpenMeteoGateway(Reply forecast, Reply place = {200, NominatimPlace}, int timeoutMsecs = 5000,
                               const HttpLimits &limits = {})
    {
        upstream_ = std::make_unique<ScriptedHttpServer>(
            [=](const QByteArray &path) { return path.startsWith("/v1/forecast") ? forecast : place; });
        start(std::make_unique<OpenMeteoProvider>(UpstreamOptions{.forecastUrl = upstream_->address() + "/v1/forecast",
                                                                  .geocoderUrl = upstream_->address() + "/reverse",
                                                                  .timeoutMsecs = timeoutMsecs}),
              limits);
    }

    void start(std::unique_ptr<WeatherProvider> provider, const HttpLimits &limits)
    {
        gateway_ = std::make_unique<WeatherGateway>(std::move(provider), GatewayOptions{.limits = limits},
                                                    [this] { return now_; });
        port_ = gateway_->listen(QHostAddress::LocalHost, 0);
        QVERIFY2(port_ != 0, qPrintable(gateway_->errorString()));
        client_ = std::make_unique<Client>(port_);
    }

private Q_SLOTS:
    void init() { now_ = 0; }
    void cleanup()
    {
        client_.reset();
        gateway_.reset();
        upstream_.reset();
    }

    // One row for each way a request is refused (the query shapes themselves are in
    // queryShapes), and the query read as HTML forms and many HTTP clients encode
    // it: "+" is a space, "%2B" a plus.
    void requestsAreReadOrRefused_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("code");  // of the refusal
        QTest::addColumn<QString>("query"); // as the gateway read it; null: not checked
        const auto row = [](const char *name, const QByteArray &path, int status, const char *code,
                            const QByteArray &method = "GET", const QString &query = {}) {
            QTest::newRow(name) << path << method << status << QString(code) << query;
        };
        const QByteArray lookup = target(lookupQuery("1, 2"));
        row("foreign woeid", target(forecastQuery("2132574999")), 400, "bad-woeid");
        row("over-long request", lookup + "&pad=" + QByteArray(3000, 'x'), 400, "request-too-long");
        row("no format", QByteArray(lookup).replace("&format=json", ""), 400, "bad-request");
        row("no q", "/v1/public/yql?format=json", 400, "bad-request");
        row("two q", lookup + "&q=x", 400, "bad-request");
        row("other path", "/v1/public/other?q=x&format=json", 404, "not-found");
        row("POST", lookup, 405, "method-not-allowed", "POST");
        const QString woeid = PlaceId::mint(30.25, 120.16);
        const auto form = [&](const char *name, const QByteArray &q, const QString &query) {
            row(name, "/v1/public/yql?q=" + q + "&format=json", query.startsWith("select") ? 200 : 400,
                query.startsWith("select") ? "" : "unsupported-query", "GET", query);
        };
        form("form: forecast", "select+*+from+weather.forecast+where+woeid%3D" + woeid.toLatin1(),
             forecastQuery(woeid));
        form("form: encoded plus", "a+b%2Bc", "a b+c");
        form("form: encoded ampersand", "a%26b", "a&b");
        form("form: UTF-8", "Troms%C3%B8+sentrum", QString::fromUtf8("Tromsø sentrum"));
    }
    void requestsAreReadOrRefused()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, method);
        QFETCH(int, status);
        QFETCH(QString, code);
        QFETCH(QString, query);
        startFixtureGateway();
        QSignalSpy answered(gateway_.get(), &WeatherGateway::answered);
        const Answer answer = client_->get(path, method);
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.errorCode(), code);
        QCOMPARE(answer.json["error"].toObject()["description"].toString().isEmpty(), status == 200);
        if (!query.isNull())
            QCOMPARE(answered.value(0).value(0).toString(), query);
    }

    // Rain at night, -0.4 now, 3.5 and -2.5 today: whole degrees, rounded; today's high and low in
    // the place's own time zone; the place's name in English. Simultaneous asks share one upstream
    // call, and the answer is kept ten minutes.
    void openMeteoForecastsMappedSharedAndCached()
    {
        startOpenMeteoGateway({200, OpenMeteoForecast});
        const QByteArray bergen = forecastAt(60.39, 5.32);
        QList<QNetworkReply *> replies;
        for (int i = 0; i < 5; ++i)
            replies.append(client_->send(bergen));
        const Answer first = Client::read(replies.first());
        for (QNetworkReply *reply : replies.mid(1))
            QCOMPARE(Client::read(reply).json, first.json);
        QCOMPARE(first.status, 200);
        QCOMPARE(fieldsOfAnswer(first.body), QStringList({"Bergen", "C", "12", "Rain", "0", "4", "-3"}));
        QCOMPARE(upstream_->targets(),
                 QList<QByteArray>({"/v1/forecast?latitude=60.39&longitude=5.32&current=temperature_2m,weather_code,"
                                    "is_day&daily=temperature_2m_max,temperature_2m_min&timezone=auto&forecast_days=1",
                                    "/reverse?format=jsonv2&lat=60.39&lon=5.32&zoom=10&accept-language=en"}));
        now_ += 10 * 60 * 1000 - 1;
        QCOMPARE(client_->get(bergen).json, first.json);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 1);

        // Another place is its own entry.
        QCOMPARE(client_->get(forecastAt(60.40, 5.32)).status, 200);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 2);

        now_ += 1;
        QCOMPARE(client_->get(bergen).status, 200);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 3);
    }

    // A forecast the provider fails to give is a 502, asked for again next time. A missing place name
    // is no failure: the town, else the nearest larger area, else the coordinates.
    void upstreamAnswers_data()
    {
        QTest::addColumn<Reply>("forecast");
        QTest::addColumn<Reply>("place");
        QTest::addColumn<QString>("city"); // "" when the answer is a 502
        const auto failed = [](const char *name, const Reply &forecast) {
            QTest::newRow(name) << forecast << Reply{200, NominatimPlace} << QString();
        };
        const auto named = [](const char *name, const Reply &place, const QString &city) {
            QTest::newRow(name) << Reply{200, OpenMeteoForecast} << place << city;
        };
        const QByteArray good = OpenMeteoForecast;
        failed("server error", {500, "{}"});
        failed("not JSON", {200, "<html>maintenance</html>"});
        failed("array", {200, "[]"});
        failed("missing fields", {200, R"({"current":{}})"});
        failed("null temperature", {200, QByteArray(good).replace("-0.4", "null")});
        failed("strings for numbers", {200, QByteArray(good).replace("61", "\"61\"")});
        failed("no daily", {200, R"({"current":{"temperature_2m":1,"weather_code":0}})"});
        failed("empty daily", {200, QByteArray(good).replace("[3.5]", "[]").replace("[-2.5]", "[]")});
        failed("cut connection", {200, "{\"cur", false, 500});
        failed("no answer", {200, {}, true});
        failed("huge", {200, QByteArray(2 << 20, ' ')});
        named("city", {200, R"({"name":"x","address":{"city":"Bergen","state":"Vestland"}})"}, "Bergen");
        named("town", {200, R"({"address":{"town":"Voss","state":"Vestland"}})"}, "Voss");
        named("village", {200, R"({"address":{"village":"Flåm"}})"}, QString::fromUtf8("Flåm"));
        named("blank city", {200, R"({"address":{"city":"  ","country":"Norway"}})"}, "Norway");
        named("name only", {200, R"({"name":"North Sea"})"}, "North Sea");
        named("long name cut", {200, "{\"name\":\"" + QByteArray(500, 'a') + "\"}"}, QString(100, 'a'));
        named("open sea", {200, R"({"error":"Unable to geocode"})"}, "60.39, 5.32");
        named("place not JSON", {200, "oops"}, "60.39, 5.32");
        named("geocoder down", {503, "busy"}, "60.39, 5.32");
        named("geocoder silent", {200, {}, true}, "60.39, 5.32");
    }
    void upstreamAnswers()
    {
        QFETCH(Reply, forecast);
        QFETCH(Reply, place);
        QFETCH(QString, city);
        startOpenMeteoGateway(forecast, place, 400);
        const QByteArray bergen = forecastAt(60.39, 5.32);
        const Answer answer = client_->get(bergen);
        if (!city.isEmpty()) {
            QCOMPARE(answer.status, 200);
            QCOMPARE(fieldsOfAnswer(answer.body).at(0), city);
            return;
        }
        QCOMPARE(answer.status, 502);
        QCOMPARE(answer.errorCode(), "upstream-failed");
        QCOMPARE(client_->get(bergen).status, 502);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 2);
    }

    // Mangled queries, forty at a time: every one gets an answer, and the gateway still serves.
    void randomQueriesNeverBreakIt()
    {
        startFixtureGateway();
        QRandomGenerator random(20261207);
        const QString seeds[] = {lookupQuery("30.250000, 120.160000"), forecastQuery(PlaceId::mint(30.25, 120.16))};
        const auto randomText = [&](int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += QChar(char16_t(random.bounded(1, random.bounded(2) ? 0x80 : 0x3000)));
            return text;
        };
        QSignalSpy answered(gateway_.get(), &WeatherGateway::answered);
        QList<QNetworkReply *> replies;
        for (int sent = 1; sent <= 1200; ++sent) {
            QString query = seeds[random.bounded(2)];
            const int at = random.bounded(query.size());
            switch (random.bounded(4)) {
            case 0:
                query = randomText(random.bounded(0, 320));
                break; // wholly random
            case 1:    // a few characters changed
                for (int n = random.bounded(1, 4); n > 0; --n)
                    query[random.bounded(query.size())] = randomText(1).at(0);
                break;
            case 2:
                query.remove(at, random.bounded(1, 12));
                break; // a piece cut out
            default:
                query.insert(at, randomText(random.bounded(1, 40))); // something inserted
            }
            replies.append(client_->send(target(query)));
            if (replies.size() < 40)
                continue;
            for (QNetworkReply *reply : std::exchange(replies, {})) {
                const Answer answer = Client::read(reply);
                QVERIFY2(answer.status == 200 || answer.status == 400, qPrintable(QString::number(answer.status)));
                QVERIFY(answer.json.contains(answer.status == 200 ? "query" : "error"));
            }
        }
        QCOMPARE(answered.size(), 1200);
        QCOMPARE(client_->get(target(seeds[1])).status, 200);
    }

    void quietConnectionsAreClosed()
    {
        startFixtureGateway({.readTimeoutMsecs = 60000, .idleTimeoutMsecs = 300, .maxConnections = 1000});
        std::vector<std::unique_ptr<RawClient>> quiet;
        for (int i = 0; i < 900; ++i)
            quiet.push_back(std::make_unique<RawClient>(port_));
        const auto allClosed
            = [&] { return std::all_of(quiet.cbegin(), quiet.cend(), [](const auto &c) { return c->wasClosed(); }); };
        QTRY_VERIFY_WITH_TIMEOUT(allClosed(), 10000);
        for (const auto &client : quiet)
            QCOMPARE(client->received(), QByteArray()); // nothing was asked, nothing is answered
        QCOMPARE(client_->get(forecastAt(30.25, 120.16)).status, 200);
    }

    // Requests too slow, too large or not HTTP at all are answered with a refusal and the connection
    // is closed; the gateway goes on serving others.
    void hostileRequests_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<qint64>("flood"); // body bytes sent after the head
        QTest::addColumn<bool>("trickle"); // then keeps sending one more byte every 50 ms
        const auto row = [](const char *name, const QByteArray &sent, int status, const char *code, qint64 flood = 0,
                            bool trickle = false) {
            QTest::newRow(name) << sent << status << QByteArray(code) << flood << trickle;
        };
        const QByteArray request = getRequest(forecastQuery(PlaceId::mint(30.25, 120.16)));
        const QByteArray post = "POST /v1/public/yql HTTP/1.1\r\n";
        row("head never finished", request.left(request.size() - 2), 408, "request-timeout");
        row("body half sent", post + "Content-Length: 100\r\n\r\n" + QByteArray(50, 'x'), 408, "request-timeout");
        row("one byte at a time", "GET /v1/public/yql?q=", 408, "request-timeout", 0, true);
        row("body flood", post + "Content-Length: 300000000\r\n\r\n", 413, "request-too-large", 8 << 20);
        row("20 KB of headers", "GET / HTTP/1.1\r\nX-Pad: " + QByteArray(20 * 1024, 'p') + "\r\n\r\n", 431,
            "request-too-large");
        row("endless head", "GET / HTTP/1.1\r\n", 431, "request-too-large", 1 << 20);
        row("chunked body", post + "Transfer-Encoding: chunked\r\n\r\n", 411, "length-required");
        row("TLS hello", QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03\r\n\r\n", 15), 400, "bad-request");
    }
    void hostileRequests()
    {
        QFETCH(QByteArray, sent);
        QFETCH(int, status);
        QFETCH(QByteArray, code);
        QFETCH(qint64, flood);
        QFETCH(bool, trickle);
        // Long time limits but for the timeout rows: the other refusals come from the request itself.
        startFixtureGateway({.readTimeoutMsecs = status == 408 ? 300 : 60000, .idleTimeoutMsecs = 60000});
        RawClient client(port_);
        QVERIFY(client.waitForConnected());
        client.send(sent);
        if (flood > 0)
            client.send(QByteArray(flood, 'x'));
        QTimer drip;
        QObject::connect(&drip, &QTimer::timeout, [&] { client.send("x"); });
        if (trickle)
            drip.start(50);
        const QByteArray answer = client.untilClosed();
        QVERIFY2(answer.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '), answer.left(200));
        QVERIFY(answer.contains("Connection: close"));
        QVERIFY(answer.contains("\"code\":\"" + code + '"'));
        QCOMPARE(client_->get(forecastAt(30.25, 120.16)).status, 200);
    }

    void keptAliveConnectionsAnswerInTurn()
    {
        startFixtureGateway({.readTimeoutMsecs = 60000, .idleTimeoutMsecs = 60000});
        RawClient client(port_);
        QVERIFY(client.waitForConnected());
        // Three requests in one write, the last asking to close.
        const QByteArray hangzhou = getRequest(forecastQuery(PlaceId::mint(30.25, 120.16)));
        client.send(hangzhou + "\r\n" + getRequest(lookupQuery("59.91, 10.75"))
                    + getRequest(forecastQuery("abc"), "Connection: close\r\n"));
        const QByteArray answers = client.untilClosed();
        const qsizetype first = answers.indexOf("Hangzhou");
        const qsizetype second = answers.indexOf("\"latitude\":\"59.91\"");
        const qsizetype third = answers.indexOf("bad-woeid");
        QVERIFY2(first > 0 && second > first && third > second, answers);
        QCOMPARE(answers.count("HTTP/1.1 "), 3);
        QCOMPARE(answers.count("Connection: close"), 1);
    }

    void tooManyConnectionsAreToldBusyOrMakeRoom()
    {
        // Four places whose forecasts hang upstream keep all four connections busy.
        const Reply hang{200, {}, true};
        startOpenMeteoGateway(hang, hang, 1500,
                              {.readTimeoutMsecs = 60000, .idleTimeoutMsecs = 60000, .maxConnections = 4});
        QSignalSpy fetches(gateway_.get(), &WeatherGateway::upstreamFetchStarted);
        std::vector<std::unique_ptr<RawClient>> busy;
        for (int i = 0; i < 4; ++i) {
            busy.push_back(std::make_unique<RawClient>(port_));
            busy.back()->send(getRequest(forecastQuery(PlaceId::mint(10 + i, 10))));
        }
        QTRY_COMPARE(fetches.size(), 4);
        RawClient fifth(port_);
        const QByteArray refused = fifth.untilClosed();
        QVERIFY2(refused.startsWith("HTTP/1.1 503 Service Unavailable\r\n"), refused);
        QVERIFY(refused.contains("\"code\":\"busy\""));

        // Once answered (the provider timed out) they wait idle, and a newcomer takes
        // the place of the one idle the longest: the first, as the others ask again.
        for (const auto &client : busy)
            QTRY_VERIFY_WITH_TIMEOUT(client->received().contains("HTTP/1.1 502"), 10000);
        for (auto client = busy.cbegin() + 1; client != busy.cend(); ++client) {
            (*client)->send(getRequest(lookupQuery("59.91, 10.75")));
            QTRY_VERIFY((*client)->received().contains("HTTP/1.1 200"));
        }
        // Newcomers are told "busy" while the idle ones might still be about to ask again.
        QByteArray answer;
        const auto askAsNewcomer = [&] {
            RawClient newcomer(port_);
            newcomer.send(getRequest(lookupQuery("59.91, 10.75"), "Connection: close\r\n"));
            answer = newcomer.untilClosed();
            return !answer.startsWith("HTTP/1.1 503");
        };
        QVERIFY(QTest::qWaitFor(askAsNewcomer, 10000)); // asks once more each time it is told "busy"
        QVERIFY2(answer.startsWith("HTTP/1.1 200 OK"), answer);
        QTRY_VERIFY(busy.front()->isClosed());
        QVERIFY(std::none_of(busy.cbegin() + 1, busy.cend(), [](const auto &c) { return c->isClosed(); }));
    }

    void outOfDescriptorsItWaitsQuietlyAndServesAgain()
    {
#ifdef __SANITIZE_ADDRESS__
        // The sanitizers' own checks open a pipe to probe memory; in a process
        // with no descriptor left they report errors that are not there.
        QSKIP("a process starved of descriptors cannot run under the sanitizers");
#endif
        // The program, allowed few descriptors and many connections, so connections use them all up.
        constexpr rlim_t kDescriptors = 64;
        QProcess gateway;
        gateway.setChildProcessModifier([] {
            const rlimit limit{kDescriptors, kDescriptors};
            ::setrlimit(RLIMIT_NOFILE, &limit);
        });
        const quint16 port = launch(gateway, {"--port", "0", "--provider", "fixture", "--max-connections", "1000",
                                              "--idle-timeout-ms", "60000", "--read-timeout-ms", "60000"});
        QVERIFY(port != 0);

        std::vector<std::unique_ptr<RawClient>> holders;
        for (rlim_t i = 0; i < kDescriptors; ++i)
            holders.push_back(std::make_unique<RawClient>(port));
        // Starved once it says so: the count of open descriptors may dip while it turns one away.
        QByteArray complaints;
        QTRY_VERIFY_WITH_TIMEOUT((complaints += gateway.readAllStandardError()).contains("out of file descriptors"),
                                 10000);

        // Starved: every newcomer is turned away at once, and the gateway does not spin meanwhile.
        const double cpuBefore = ProcessStats::cpuSeconds(gateway.processId());
        QElapsedTimer starved;
        starved.start();
        int turnedAway = 0;
        for (; starved.elapsed() < 1000; ++turnedAway) {
            const QByteArray answer = RawClient(port).untilClosed();
            QVERIFY2(answer.isEmpty() || answer.startsWith("HTTP/1.1 503"), answer);
        }
        const double cpuUsed = ProcessStats::cpuSeconds(gateway.processId()) - cpuBefore;
        const double wall = double(starved.elapsed()) / 1000.0;
        qInfo("starved for %.2f s: %d newcomers turned away, %.2f CPU seconds used", wall, turnedAway, cpuUsed);
        QVERIFY2(cpuUsed < wall / 2, qPrintable(QStringLiteral("%1 CPU seconds in %2 s").arg(cpuUsed).arg(wall)));

        holders.clear();
        const auto servesAgain = [&] { return Client(port).get(forecastAt(30.25, 120.16)).status == 200; };
        QVERIFY2(QTest::qWaitFor(servesAgain, 10000), (complaints += gateway.readAllStandardError()).constData());
        gateway.terminate();
        QVERIFY(gateway.waitForFinished());
    }

    // The program serves with good arguments; with a bad one it exits with 2 and says why.
    void theProgramsCommandLine()
    {
        QProcess good;
        const quint16 port = launch(good, {"--port", "0", "--provider", "fixture"});
        QVERIFY(port != 0);
        QCOMPARE(fieldsOfAnswer(Client(port).get(forecastAt(30.25, 120.16)).body).at(0), "Hangzhou");
        good.terminate();
        QVERIFY(good.waitForFinished());
        for (const QStringList &bad : {QStringList{"--provider", "yahoo"},
                                       {"--port", "70000"},
                                       {"--listen", "localhost; rm -rf /"},
                                       {"--upstream-timeout-ms", "-1"},
                                       {"--read-timeout-ms", "0"},
                                       {"--idle-timeout-ms", "soon"},
                                       {"--max-connections", "-3"}}) {
            QProcess gateway;
            QCOMPARE(launch(gateway, bad), 0);
            QVERIFY(gateway.waitForFinished() || gateway.state() == QProcess::NotRunning);
            QVERIFY2(gateway.exitCode() == 2 && !gateway.readAllStandardError().isEmpty(), qPrintable(bad.join(' ')));
        }
    }

    // The pieces.
    void queryShapes_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("read"); // "LAT LON" of a lookup, "woeid ID" of a forecast, or the refusal's code
        const QString lookup = QStringLiteral("select * from geo.placefinder where text=\"%1\" and gflags=\"R\"");
        const QString forecast = QStringLiteral("select * from weather.forecast where woeid=");
        const QList<std::tuple<const char *, QString, const char *>> rows{
            {"lookup", lookup.arg("30.250000, 120.160000"), "30.25 120.16"},
            {"lookup, negatives", lookup.arg("-33.4575, -70.65"), "-33.4575 -70.65"},
            {"lookup, integers", lookup.arg("0,0"), "0 0"},
            {"lookup, pole and date line", lookup.arg("-90, 180"), "-90 180"},
            {"lookup, extra spaces", "select  *  from geo.placefinder  where text = \"1.5, 2.5\"  and gflags=\"R\" ",
             "1.5 2.5"},
            {"forecast", forecast + "2132574", "woeid 2132574"},
            {"latitude out of range", lookup.arg("90.5, 0"), "bad-coordinates"},
            {"longitude out of range", lookup.arg("0, -180.01"), "bad-coordinates"},
            {"exponent", lookup.arg("1e1, 2"), "bad-coordinates"},
            {"nan", lookup.arg("nan, nan"), "bad-coordinates"},
            {"no comma", lookup.arg("30.25 120.16"), "bad-coordinates"},
            {"three numbers", lookup.arg("1, 2, 3"), "bad-coordinates"},
            {"empty text", lookup.arg(""), "bad-coordinates"},
            {"other flags", lookup.arg("1, 2").replace("\"R\"", "\"X\""), "unsupported-query"},
            {"unit requested", forecast + "1 and u='c'", "unsupported-query"},
            {"other table", "select * from weather.bylocation where location=\"x\"", "unsupported-query"},
            {"upper case", "SELECT * FROM weather.forecast WHERE woeid=1", "unsupported-query"},
            {"empty", "", "unsupported-query"},
            {"too long", forecast + QString(300, '1'), "query-too-long"}};
        for (const auto &[name, query, read] : rows)
            QTest::newRow(name) << query << QString(read);
    }
    void queryShapes()
    {
        QFETCH(QString, query);
        QFETCH(QString, read);
        const auto parsed = GatewayQuery::parse(query);
        const auto number = [](double d) { return QString::number(d, 'g', QLocale::FloatingPointShortest); };
        QString seen = std::holds_alternative<QueryError>(parsed) ? std::get<QueryError>(parsed).code : QString();
        if (const auto *lookup = std::get_if<PlaceLookupQuery>(&parsed))
            seen = number(lookup->latitude) + ' ' + number(lookup->longitude);
        if (const auto *forecast = std::get_if<ForecastQuery>(&parsed))
            seen = "woeid " + forecast->woeid;
        QCOMPARE(seen, read);
    }

    void placeIdsCarryTheirPlaceAndNothingElse()
    {
        const struct
        {
            double latitude, longitude, cellLatitude, cellLongitude;
        } places[] = {{59.91234, 10.74876, 59.91, 10.75},
                      {-33.4575, -70.6503, -33.46, -70.65},
                      {-90, -180, -90, -180},
                      {90, 180, 90, 180}};
        for (const auto &p : places) {
            const QString woeid = PlaceId::mint(p.latitude, p.longitude);
            const auto cell = PlaceId::decode(woeid);
            QVERIFY2(cell && qAbs(cell->latitude - p.cellLatitude) < 1e-9
                         && qAbs(cell->longitude - p.cellLongitude) < 1e-9,
                     qPrintable(woeid));
            QCOMPARE(PlaceId::mint(cell->latitude, cell->longitude), woeid);
        }
        // One id per 0.01 degree cell.
        QCOMPARE(PlaceId::mint(30.2501, 120.1599), PlaceId::mint(30.25, 120.16));
        QVERIFY(PlaceId::mint(30.26, 120.16) != PlaceId::mint(30.25, 120.16));
        QVERIFY(PlaceId::mint(30.25, 120.17) != PlaceId::mint(30.25, 120.16));
        for (const QString &foreign : {QString(), QString("0"), QString("0123"), QString("-5"), QString("+5"),
                                       QString("12a4"), QString("\"12\""), QString("12.5"), QString("12345678901"),
                                       QString::number(18001LL * 36001LL + 1), QString::fromUtf8("١٢٣")})
            QVERIFY2(!PlaceId::decode(foreign).has_value(), qPrintable(foreign));
    }

    // Day and night apart, codes nobody knows included: every code gives one the clock face has a picture for.
    void conditionsOnTheClockFace()
    {
        const auto seen = [](int wmo, bool day) {
            const Condition condition = WeatherConditions::fromWmoCode(wmo, day);
            return QString::number(condition.code) + ' ' + condition.text;
        };
        QCOMPARE(seen(0, true), "32 Sunny");
        QCOMPARE(seen(0, false), "31 Clear");
        QCOMPARE(seen(2, false), "29 Partly Cloudy");
        QCOMPARE(seen(42, true), "3200 Not Available");
        QCOMPARE(seen(-1, false), "3200 Not Available");
        for (int wmo = -5; wmo < 120; ++wmo) {
            for (bool day : {true, false}) {
                const int code = WeatherConditions::fromWmoCode(wmo, day).code;
                QVERIFY2((code >= 0 && code <= 47) || code == 3200, qPrintable(QString::number(wmo)));
            }
        }
    }

    void fullCacheDropsExpiredThenOldest()
    {
        qint64 now = 0;
        TimedCache<int> cache(100, 3, [&now] { return now; });
        cache.insert("old", 1); // expires at 100
        now = 10;
        cache.insert("middle", 2); // 110
        now = 20;
        cache.insert("young", 3); // 120
        now = 30;
        cache.insert("fourth", 4); // full, nothing expired: the oldest goes
        QVERIFY(!cache.find("old").has_value());
        QCOMPARE(cache.size(), 3);
        now = 115;
        cache.insert("again", 5); // full: the expired "middle" makes room
        QCOMPARE(cache.size(), 3);
        QCOMPARE(cache.find("young").value_or(0), 3);
        QCOMPARE(cache.find("fourth").value_or(0), 4);
        QCOMPARE(cache.find("again").value_or(0), 5);
    }

    // A head as read: "METHOD PATH keep-alive|close BODY-LENGTH", or the refusal's status.
    void requestHeads_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("read");
        const struct
        {
            const char *name;
            QByteArray head;
            const char *read;
        } heads[] = {
            {"GET", "GET /v1/public/yql?q=x HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", "GET /v1/public/yql keep-alive 0"},
            {"bare line feeds", "GET /a HTTP/1.1\nHost: x\n\n", "GET /a keep-alive 0"},
            {"closing", "GET / HTTP/1.1\r\nConnection: Close\r\n\r\n", "GET / close 0"},
            {"HTTP/1.0", "GET / HTTP/1.0\r\n\r\n", "GET / close 0"},
            {"HTTP/1.0 kept", "GET / HTTP/1.0\r\nconnection: keep-alive\r\n\r\n", "GET / keep-alive 0"},
            {"body", "POST /x HTTP/1.1\r\nContent-Length:  12 \r\n\r\n", "POST /x keep-alive 12"},
            {"same length twice", "POST /x HTTP/1.1\r\nContent-Length: 3\r\ncontent-length: 3\r\n\r\n",
             "POST /x keep-alive 3"},
            {"two lengths", "POST /x HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\n", "400"},
            {"negative length", "POST /x HTTP/1.1\r\nContent-Length: -1\r\n\r\n", "400"},
            {"huge length", "POST /x HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n", "400"},
            {"folded header", "GET / HTTP/1.1\r\nHost: a\r\n b\r\n\r\n", "400"},
            {"no colon", "GET / HTTP/1.1\r\nHost\r\n\r\n", "400"},
            {"HTTP/2", "GET / HTTP/2.0\r\n\r\n", "400"},
            {"no version", "GET /\r\n\r\n", "400"},
            {"full address", "GET http://x/ HTTP/1.1\r\n\r\n", "400"},
            {"space in target", "GET /a b HTTP/1.1\r\n\r\n", "400"},
        };
        for (const auto &h : heads)
            QTest::newRow(h.name) << h.head << QString(h.read);
    }
    void requestHeads()
    {
        QFETCH(QByteArray, head);
        QFETCH(QString, read);
        QCOMPARE(HttpMessage::endOfHead(head), head.size());
        const auto parsed = HttpMessage::parseRequestHead(head);
        QString seen;
        if (const auto *refusal = std::get_if<HttpRefusal>(&parsed))
            seen
                = refusal->description.isEmpty() ? QStringLiteral("no reason given") : QString::number(refusal->status);
        if (const auto *r = std::get_if<HttpRequest>(&parsed))
            seen = QStringLiteral("%1 %2 %3 %4")
                       .arg(QString::fromLatin1(r->method), r->url.path(), r->keepAlive ? "keep-alive" : "close")
                       .arg(r->bodyLength);
        QCOMPARE(seen, read);
    }
};

QTEST_GUILESS_MAIN(WeatherGatewayTest)
#include "tst_weathergateway.moc"
