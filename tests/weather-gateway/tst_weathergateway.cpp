// The gateway over real HTTP on loopback: both query shapes, every refusal,
// the cache, the Open-Meteo path against a local stand-in for the provider,
// upstream failures, random queries, and the program's command line.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include "FixtureProvider.h"
#include "OpenMeteoProvider.h"
#include "PlaceId.h"
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

} // namespace

class WeatherGatewayTest : public QObject
{
    Q_OBJECT
private:
    qint64 now_ = 0;
    std::unique_ptr<ScriptedHttpServer> upstream_;
    std::unique_ptr<WeatherGateway> gateway_;
    std::unique_ptr<Client> client_;

    void startFixtureGateway()
    {
        start(std::make_unique<FixtureProvider>());
    }

    // A gateway whose Open-Meteo provider talks to a local stand-in answering from `script`.
    void startOpenMeteoGateway(ScriptedHttpServer::Script script, int timeoutMsecs = 5000)
    {
        upstream_ = std::make_unique<ScriptedHttpServer>(std::move(script));
        UpstreamOptions options;
        options.forecastUrl = QUrl(upstream_->address() + "/v1/forecast");
        options.geocoderUrl = QUrl(upstream_->address() + "/reverse");
        options.timeoutMsecs = timeoutMsecs;
        start(std::make_unique<OpenMeteoProvider>(options));
    }

    void start(std::unique_ptr<WeatherProvider> provider)
    {
        gateway_ = std::make_unique<WeatherGateway>(std::move(provider), GatewayOptions{}, [this] { return now_; });
        const quint16 port = gateway_->listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        client_ = std::make_unique<Client>(port);
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
