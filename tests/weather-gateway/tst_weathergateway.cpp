// The gateway over real HTTP on loopback: both query shapes, every refusal,
// the cache, the Open-Meteo path against a local stand-in for the provider,
// upstream failures, random queries, the program's command line, and its
// limits against hostile clients: quiet and slow connections, oversized
// requests, too many connections, and running out of file descriptors.
#include <QElapsedTimer>
#include <QJsonArray>
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
#include "OpenMeteoProvider.h"
#include "PlaceId.h"
#include "ProcessStats.h"
#include "WeatherGateway.h"
#include "weather/ScriptedHttpServer.h"
#include "weather/WeatherFields.h"

namespace {

struct Answer
{
    int status = 0;
    QJsonObject json;
    QByteArray body;
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

const QByteArray OpenMeteoForecast = R"({"current":{"time":"2026-12-07T23:00","temperature_2m":-0.4,"weather_code":61,"is_day":0},
    "daily":{"time":["2026-12-07"],"temperature_2m_max":[3.5],"temperature_2m_min":[-2.5]}})";
const QByteArray NominatimPlace = R"({"name":"Bergen","address":{"city":"Bergen","county":"Vestland","country":"Norway"}})";

// Sends requests to one gateway and waits for the answers.
class Client
{
public:
    explicit Client(quint16 port) : base_(QStringLiteral("http://127.0.0.1:%1").arg(port).toLatin1()) {}

    QNetworkReply *send(const QByteArray &path, const QByteArray &method = "GET")
    {
        QNetworkRequest request(QUrl::fromEncoded(base_ + path));
        request.setTransferTimeout(10000);
        return network_.sendCustomRequest(request, method);
    }

    static Answer read(QNetworkReply *reply)
    {
        if (!reply->isFinished()) {
            QSignalSpy finished(reply, &QNetworkReply::finished);
            finished.wait(10000);
        }
        reply->deleteLater();
        const QByteArray body = reply->readAll();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                QJsonDocument::fromJson(body).object(), body};
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

QByteArray getRequest(const QString &query, const QByteArray &extraHeaders = {})
{
    return "GET " + target(query) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
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

    void startFixtureGateway(const HttpLimits &limits = {})
    {
        start(std::make_unique<FixtureProvider>(), limits);
    }

    // A gateway whose Open-Meteo provider talks to a local stand-in answering from `script`.
    void startOpenMeteoGateway(ScriptedHttpServer::Script script, int timeoutMsecs = 5000, const HttpLimits &limits = {})
    {
        upstream_ = std::make_unique<ScriptedHttpServer>(std::move(script));
        UpstreamOptions options;
        options.forecastUrl = QUrl(upstream_->address() + "/v1/forecast");
        options.geocoderUrl = QUrl(upstream_->address() + "/reverse");
        options.timeoutMsecs = timeoutMsecs;
        start(std::make_unique<OpenMeteoProvider>(options), limits);
    }

    void start(std::unique_ptr<WeatherProvider> provider, const HttpLimits &limits)
    {
        GatewayOptions options;
        options.limits = limits;
        gateway_ = std::make_unique<WeatherGateway>(std::move(provider), options, [this] { return now_; });
        port_ = gateway_->listen(QHostAddress::LocalHost, 0);
        QVERIFY2(port_ != 0, qPrintable(gateway_->errorString()));
        client_ = std::make_unique<Client>(port_);
    }

    static HttpLimits limits(int readTimeoutMsecs, int idleTimeoutMsecs, int maxConnections = 1000)
    {
        HttpLimits limits;
        limits.readTimeoutMsecs = readTimeoutMsecs;
        limits.idleTimeoutMsecs = idleTimeoutMsecs;
        limits.maxConnections = maxConnections;
        return limits;
    }

    static ScriptedHttpServer::Script provider(ScriptedHttpServer::Reply forecast, ScriptedHttpServer::Reply place)
    {
        return [=](const QByteArray &path) { return path.startsWith("/v1/forecast") ? forecast : place; };
    }

private Q_SLOTS:
    void init() { now_ = 0; }
    void cleanup()
    {
        client_.reset();
        gateway_.reset();
        upstream_.reset();
    }

    void placeLookupMintsAWoeidForThePlace()
    {
        startFixtureGateway();
        const Answer answer = client_->get(target(lookupQuery("30.250000, 120.160000")));
        QCOMPARE(answer.status, 200);
        const QJsonObject result = answer.json["query"].toObject()["results"].toObject()["Result"].toObject();
        QCOMPARE(result["woeid"].toString(), PlaceId::mint(30.25, 120.16));
        QCOMPARE(result["latitude"].toString(), "30.25");
        QCOMPARE(result["longitude"].toString(), "120.16");
    }

    void forecastInFixtureMode()
    {
        startFixtureGateway();
        const Answer answer = client_->get(target(forecastQuery(PlaceId::mint(30.25, 120.16))));
        QCOMPARE(answer.status, 200);
        QCOMPARE(fieldsOfAnswer(answer.body), QStringList({"Hangzhou", "C", "30", "Partly Cloudy", "12", "15", "6"}));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("code");
        const QByteArray lookup = target(lookupQuery("1, 2"));
        QTest::newRow("other query") << target("select * from weather.bylocation") << QByteArray("GET") << 400
                                     << "unsupported-query";
        QTest::newRow("statement after") << target(forecastQuery("1; drop table x")) << QByteArray("GET") << 400
                                         << "unsupported-query";
        QTest::newRow("bad coordinates") << target(lookupQuery("91, 0")) << QByteArray("GET") << 400 << "bad-coordinates";
        QTest::newRow("words for coordinates") << target(lookupQuery("$(reboot), 1")) << QByteArray("GET") << 400
                                               << "bad-coordinates";
        QTest::newRow("foreign woeid") << target(forecastQuery("2132574999")) << QByteArray("GET") << 400 << "bad-woeid";
        QTest::newRow("letters for woeid") << target(forecastQuery("abc")) << QByteArray("GET") << 400 << "bad-woeid";
        QTest::newRow("over-long query") << target(forecastQuery(QString(400, QChar('1')))) << QByteArray("GET") << 400
                                         << "query-too-long";
        QTest::newRow("over-long request") << QByteArray(lookup + "&pad=" + QByteArray(3000, 'x')) << QByteArray("GET")
                                           << 400 << "request-too-long";
        QTest::newRow("no format") << QByteArray(lookup).replace("&format=json", "") << QByteArray("GET") << 400
                                   << "bad-request";
        QTest::newRow("xml") << QByteArray(lookup).replace("format=json", "format=xml") << QByteArray("GET") << 400
                             << "bad-request";
        QTest::newRow("no q") << QByteArray("/v1/public/yql?format=json") << QByteArray("GET") << 400 << "bad-request";
        QTest::newRow("two q") << QByteArray(lookup + "&q=x") << QByteArray("GET") << 400 << "bad-request";
        QTest::newRow("other path") << QByteArray("/v1/public/other?q=x&format=json") << QByteArray("GET") << 404
                                    << "not-found";
        QTest::newRow("root") << QByteArray("/") << QByteArray("GET") << 404 << "not-found";
        QTest::newRow("POST") << lookup << QByteArray("POST") << 405 << "method-not-allowed";
        QTest::newRow("DELETE") << lookup << QByteArray("DELETE") << 405 << "method-not-allowed";
    }
    void refusals()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, method);
        QFETCH(int, status);
        QFETCH(QString, code);
        startFixtureGateway();
        const Answer answer = client_->get(path, method);
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.json["error"].toObject()["code"].toString(), code);
        QVERIFY(!answer.json["error"].toObject()["description"].toString().isEmpty());
    }

    void openMeteoForecastMappedOntoTheAnswer()
    {
        startOpenMeteoGateway(provider({200, OpenMeteoForecast}, {200, NominatimPlace}));
        const Answer answer = client_->get(target(forecastQuery(PlaceId::mint(60.39, 5.32))));
        QCOMPARE(answer.status, 200);
        // Rain at night, -0.4 now, 3.5 and -2.5 today: whole degrees, rounded.
        QCOMPARE(fieldsOfAnswer(answer.body), QStringList({"Bergen", "C", "12", "Rain", "0", "4", "-3"}));

        const QList<QByteArray> targets = upstream_->targets();
        QCOMPARE(targets.size(), 2);
        QVERIFY2(targets.at(0).startsWith("/v1/forecast?latitude=60.39&longitude=5.32&"), targets.at(0));
        QVERIFY2(targets.at(1).startsWith("/reverse?format=jsonv2&lat=60.39&lon=5.32&"), targets.at(1));
    }

    void forecastsAreCachedForTenMinutes()
    {
        startOpenMeteoGateway(provider({200, OpenMeteoForecast}, {200, NominatimPlace}));
        QSignalSpy upstreamCalls(gateway_.get(), &WeatherGateway::upstreamFetchStarted);
        const QByteArray bergen = target(forecastQuery(PlaceId::mint(60.39, 5.32)));
        const Answer first = client_->get(bergen);
        QCOMPARE(first.status, 200);
        now_ += 10 * 60 * 1000 - 1;
        const Answer second = client_->get(bergen);
        QCOMPARE(second.json, first.json);
        QCOMPARE(upstreamCalls.size(), 1);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 1);

        // Another place is its own entry.
        QCOMPARE(client_->get(target(forecastQuery(PlaceId::mint(60.40, 5.32)))).status, 200);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 2);

        now_ += 1;
        QCOMPARE(client_->get(bergen).status, 200);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 3);
    }

    void simultaneousAsksShareOneUpstreamCall()
    {
        startOpenMeteoGateway(provider({200, OpenMeteoForecast}, {200, NominatimPlace}));
        const QByteArray bergen = target(forecastQuery(PlaceId::mint(60.39, 5.32)));
        QList<QNetworkReply *> replies;
        for (int i = 0; i < 5; ++i)
            replies.append(client_->send(bergen));
        for (QNetworkReply *reply : replies)
            QCOMPARE(Client::read(reply).status, 200);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 1);
    }

    void upstreamFailuresAreBadGateway_data()
    {
        QTest::addColumn<ScriptedHttpServer::Reply>("forecast");
        QTest::newRow("server error") << ScriptedHttpServer::Reply{500, "{}"};
        QTest::newRow("not JSON") << ScriptedHttpServer::Reply{200, "<html>maintenance</html>"};
        QTest::newRow("refusal") << ScriptedHttpServer::Reply{400, R"({"error":true,"reason":"bad"})"};
        QTest::newRow("missing fields") << ScriptedHttpServer::Reply{200, R"({"current":{}})"};
        QTest::newRow("cut connection") << ScriptedHttpServer::Reply{200, "{\"cur", false, 500};
        QTest::newRow("no answer") << ScriptedHttpServer::Reply{200, {}, true};
        QTest::newRow("huge") << ScriptedHttpServer::Reply{200, QByteArray(2 << 20, ' ')};
    }
    void upstreamFailuresAreBadGateway()
    {
        QFETCH(ScriptedHttpServer::Reply, forecast);
        startOpenMeteoGateway(provider(forecast, {200, NominatimPlace}), 400);
        const QByteArray bergen = target(forecastQuery(PlaceId::mint(60.39, 5.32)));
        const Answer answer = client_->get(bergen);
        QCOMPARE(answer.status, 502);
        QCOMPARE(answer.json["error"].toObject()["code"].toString(), "upstream-failed");
        // Failures are not cached: the next ask tries the provider again.
        QCOMPARE(client_->get(bergen).status, 502);
        QCOMPARE(upstream_->countTargets("/v1/forecast"), 2);
    }

    void missingPlaceNameStillGivesAForecast_data()
    {
        QTest::addColumn<ScriptedHttpServer::Reply>("place");
        QTest::newRow("open sea") << ScriptedHttpServer::Reply{200, R"({"error":"Unable to geocode"})"};
        QTest::newRow("geocoder down") << ScriptedHttpServer::Reply{503, "busy"};
        QTest::newRow("geocoder silent") << ScriptedHttpServer::Reply{200, {}, true};
    }
    void missingPlaceNameStillGivesAForecast()
    {
        QFETCH(ScriptedHttpServer::Reply, place);
        startOpenMeteoGateway(provider({200, OpenMeteoForecast}, place), 400);
        const Answer answer = client_->get(target(forecastQuery(PlaceId::mint(60.39, 5.32))));
        QCOMPARE(answer.status, 200);
        QCOMPARE(fieldsOfAnswer(answer.body).at(0), "60.39, 5.32");
    }

    void randomQueriesNeverBreakIt()
    {
        startFixtureGateway();
        QRandomGenerator random(20261207);
        const QString seeds[] = {lookupQuery("30.250000, 120.160000"), forecastQuery(PlaceId::mint(30.25, 120.16))};
        auto randomText = [&](int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += QChar(char16_t(random.bounded(1, random.bounded(2) ? 0x80 : 0x3000)));
            return text;
        };
        QSignalSpy answered(gateway_.get(), &WeatherGateway::answered);
        int sent = 0;
        for (int batch = 0; batch < 30; ++batch) {
            QList<QNetworkReply *> replies;
            for (int i = 0; i < 40; ++i) {
                QString query = seeds[random.bounded(2)];
                switch (random.bounded(4)) {
                case 0: // wholly random
                    query = randomText(random.bounded(0, 320));
                    break;
                case 1: // a few characters changed
                    for (int n = random.bounded(1, 4); n > 0; --n)
                        query[random.bounded(query.size())] = randomText(1).at(0);
                    break;
                case 2: // a piece cut out
                    query.remove(random.bounded(query.size()), random.bounded(1, 12));
                    break;
                default: // something inserted
                    query.insert(random.bounded(query.size()), randomText(random.bounded(1, 40)));
                }
                replies.append(client_->send(target(query)));
                ++sent;
            }
            for (QNetworkReply *reply : replies) {
                const Answer answer = Client::read(reply);
                QVERIFY2(answer.status == 200 || answer.status == 400, qPrintable(QString::number(answer.status)));
                QVERIFY(answer.json.contains(answer.status == 200 ? "query" : "error"));
            }
        }
        QCOMPARE(answered.size(), sent);
        QCOMPARE(client_->get(target(seeds[1])).status, 200);
    }

    void plusInAQueryIsASpace()
    {
        startFixtureGateway();
        QSignalSpy answered(gateway_.get(), &WeatherGateway::answered);
        // As HTML forms and many HTTP clients encode a query.
        const QByteArray woeid = PlaceId::mint(30.25, 120.16).toLatin1();
        const Answer forecast = client_->get("/v1/public/yql?q=select+*+from+weather.forecast+where+woeid%3D" + woeid
                                             + "&format=json");
        QCOMPARE(forecast.status, 200);
        QCOMPARE(fieldsOfAnswer(forecast.body).at(0), "Hangzhou");
        const Answer lookup = client_->get("/v1/public/yql?q=select+*+from+geo.placefinder+where+text%3D%2230.25%2C+"
                                           "120.16%22+and+gflags%3D%22R%22&format=json");
        QCOMPARE(lookup.status, 200);
        // A plus sent as %2B stays a plus.
        QCOMPARE(client_->get("/v1/public/yql?q=a+b%2Bc&format=json").status, 400);
        QCOMPARE(answered.last().at(0).toString(), "a b+c");
    }

    void quietConnectionsAreClosed()
    {
        startFixtureGateway(limits(60000, 300));
        std::vector<std::unique_ptr<RawClient>> quiet;
        for (int i = 0; i < 900; ++i)
            quiet.push_back(std::make_unique<RawClient>(port_));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(quiet.cbegin(), quiet.cend(), [](const auto &c) { return c->wasClosed(); }),
                                 10000);
        for (const auto &client : quiet)
            QCOMPARE(client->received(), QByteArray()); // nothing was asked, nothing is answered
        QCOMPARE(client_->get(target(forecastQuery(PlaceId::mint(30.25, 120.16)))).status, 200);
    }

    void slowRequestsAreCutOff_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("trickle"); // then keeps sending one more byte every 50 ms
        const QByteArray request = getRequest(forecastQuery(PlaceId::mint(30.25, 120.16)));
        QTest::newRow("head never finished") << request.left(request.size() - 2) << false;
        QTest::newRow("request line only") << QByteArray("GET /v1/public/yql") << false;
        QTest::newRow("announced body never sent")
            << QByteArray("POST /v1/public/yql HTTP/1.1\r\nContent-Length: 100\r\n\r\n") << false;
        QTest::newRow("body half sent")
            << QByteArray("POST /v1/public/yql HTTP/1.1\r\nContent-Length: 100\r\n\r\n" + QByteArray(50, 'x')) << false;
        QTest::newRow("one byte at a time") << QByteArray("GET /v1/public/yql?q=") << true;
    }
    void slowRequestsAreCutOff()
    {
        QFETCH(QByteArray, sent);
        QFETCH(bool, trickle);
        startFixtureGateway(limits(300, 60000));
        RawClient slow(port_);
        QVERIFY(slow.waitForConnected());
        slow.send(sent);
        QTimer drip;
        QObject::connect(&drip, &QTimer::timeout, [&] { slow.send("x"); });
        if (trickle)
            drip.start(50);
        const QByteArray answer = slow.untilClosed();
        QVERIFY2(answer.startsWith("HTTP/1.1 408 Request Timeout\r\n"), answer);
        QVERIFY(answer.contains("Connection: close"));
        QVERIFY(answer.contains("\"code\":\"request-timeout\""));
    }

    void oversizedRequestsAreRefusedAtOnce_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<qint64>("flood"); // body bytes sent after the head
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("100 MB body announced") << QByteArray("POST /v1/public/yql HTTP/1.1\r\nContent-Length: 100000000\r\n\r\n")
                                               << 0LL << QByteArray("413") << QByteArray("request-too-large");
        QTest::newRow("body flood") << QByteArray("POST /v1/public/yql HTTP/1.1\r\nContent-Length: 300000000\r\n\r\n")
                                    << qint64(8 << 20) << QByteArray("413") << QByteArray("request-too-large");
        QTest::newRow("20 KB of headers") << "GET / HTTP/1.1\r\nX-Pad: " + QByteArray(20 * 1024, 'p') + "\r\n\r\n" << 0LL
                                          << QByteArray("431") << QByteArray("request-too-large");
        QTest::newRow("endless head") << QByteArray("GET / HTTP/1.1\r\n") << qint64(1 << 20) << QByteArray("431")
                                      << QByteArray("request-too-large");
        QTest::newRow("chunked body") << QByteArray("POST /v1/public/yql HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n")
                                      << 0LL << QByteArray("411") << QByteArray("length-required");
        QTest::newRow("not HTTP") << QByteArray("HELO gateway\r\n\r\n") << 0LL << QByteArray("400") << QByteArray("bad-request");
        QTest::newRow("TLS hello") << QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03\r\n\r\n", 15) << 0LL
                                   << QByteArray("400") << QByteArray("bad-request");
    }
    void oversizedRequestsAreRefusedAtOnce()
    {
        QFETCH(QByteArray, sent);
        QFETCH(qint64, flood);
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, code);
        // Long time limits: the refusal comes from the request itself, not a timeout.
        startFixtureGateway(limits(60000, 60000));
        RawClient client(port_);
        QVERIFY(client.waitForConnected());
        client.send(sent);
        if (flood > 0)
            client.send(QByteArray(flood, 'x'));
        const QByteArray answer = client.untilClosed();
        QVERIFY2(answer.startsWith("HTTP/1.1 " + status + ' '), answer.left(200));
        QVERIFY(answer.contains("\"code\":\"" + code + '"'));
        QCOMPARE(client_->get(target(forecastQuery(PlaceId::mint(30.25, 120.16)))).status, 200);
    }

    void keptAliveConnectionsAnswerInTurn()
    {
        startFixtureGateway(limits(60000, 60000));
        RawClient client(port_);
        QVERIFY(client.waitForConnected());
        // Three requests in one write, the last asking to close.
        client.send(getRequest(forecastQuery(PlaceId::mint(30.25, 120.16))) + "\r\n"
                    + getRequest(lookupQuery("59.91, 10.75")) + getRequest(forecastQuery("abc"), "Connection: close\r\n"));
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
        startOpenMeteoGateway([](const QByteArray &) { return ScriptedHttpServer::Reply{200, {}, true}; }, 1500,
                              limits(60000, 60000, 4));
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
        gateway.start(qEnvironmentVariable("TOLVEK_WEATHER_GATEWAY"),
                      {"--port", "0", "--provider", "fixture", "--max-connections", "1000", "--idle-timeout-ms",
                       "60000", "--read-timeout-ms", "60000"});
        QVERIFY(gateway.waitForStarted());
        QTRY_VERIFY(gateway.canReadLine());
        const QByteArray line = gateway.readLine().trimmed();
        const quint16 port = line.mid(line.lastIndexOf(':') + 1).toUShort();
        QVERIFY2(port != 0, line);

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
        while (starved.elapsed() < 1000) {
            RawClient newcomer(port);
            const QByteArray answer = newcomer.untilClosed();
            QVERIFY2(answer.isEmpty() || answer.startsWith("HTTP/1.1 503"), answer);
            ++turnedAway;
        }
        const double cpuUsed = ProcessStats::cpuSeconds(gateway.processId()) - cpuBefore;
        const double wall = double(starved.elapsed()) / 1000.0;
        qInfo("starved for %.2f s: %d newcomers turned away, %.2f CPU seconds used", wall, turnedAway, cpuUsed);
        QVERIFY2(cpuUsed < wall / 2, qPrintable(QStringLiteral("%1 CPU seconds in %2 s").arg(cpuUsed).arg(wall)));

        holders.clear();
        const auto servesAgain = [&] {
            return Client(port).get(target(forecastQuery(PlaceId::mint(30.25, 120.16)))).status == 200;
        };
        QVERIFY2(QTest::qWaitFor(servesAgain, 10000), (complaints += gateway.readAllStandardError()).constData());
        gateway.terminate();
        QVERIFY(gateway.waitForFinished());
    }

    void theProgramServesOnTheGivenPort()
    {
        QProcess gateway;
        gateway.start(qEnvironmentVariable("TOLVEK_WEATHER_GATEWAY"), {"--port", "0", "--provider", "fixture"});
        QVERIFY(gateway.waitForStarted());
        QTRY_VERIFY(gateway.canReadLine());
        const QByteArray line = gateway.readLine().trimmed();
        QVERIFY2(line.startsWith("listening on http://127.0.0.1:"), line);
        Client client(line.mid(line.lastIndexOf(':') + 1).toUShort());
        QCOMPARE(fieldsOfAnswer(client.get(target(forecastQuery(PlaceId::mint(30.25, 120.16)))).body).at(0),
                 "Hangzhou");
        gateway.terminate();
        QVERIFY(gateway.waitForFinished());
    }

    void theProgramRefusesBadOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("provider") << QStringList{"--provider", "yahoo"};
        QTest::newRow("port") << QStringList{"--port", "70000"};
        QTest::newRow("address") << QStringList{"--listen", "localhost; rm -rf /"};
        QTest::newRow("timeout") << QStringList{"--upstream-timeout-ms", "-1"};
        QTest::newRow("read timeout") << QStringList{"--read-timeout-ms", "0"};
        QTest::newRow("idle timeout") << QStringList{"--idle-timeout-ms", "soon"};
        QTest::newRow("connections") << QStringList{"--max-connections", "-3"};
    }
    void theProgramRefusesBadOptions()
    {
        QFETCH(QStringList, arguments);
        QProcess gateway;
        gateway.start(qEnvironmentVariable("TOLVEK_WEATHER_GATEWAY"), arguments);
        QVERIFY(gateway.waitForFinished());
        QCOMPARE(gateway.exitCode(), 2);
        QVERIFY(!gateway.readAllStandardError().isEmpty());
    }
};


QTEST_GUILESS_MAIN(WeatherGatewayTest)
#include "tst_weathergateway.moc"
