// The app's weather fetch over real HTTP on loopback: against the gateway in
// fixture mode, and against a scripted service for the wire format and every
// kind of bad answer. Location fixes are replayed by the "nmea" plugin.
#include <QGeoPositionInfoSource>
#include <QSignalSpy>
#include <QTest>

#include "FixtureProvider.h"
#include "PlaceId.h"
#include "ScriptedHttpServer.h"
#include "TestSupport.h"
#include "WeatherFields.h"
#include "WeatherGateway.h"
#include "platform/Broadcaster.h"
#include "weather/WeatherFetcher.h"

namespace {

const QByteArray LookupTarget = "/v1/public/yql?q=select%20*%20from%20geo.placefinder";
const QByteArray ForecastTarget = "/v1/public/yql?q=select%20*%20from%20weather.forecast";

QString testData(const char *name)
{
    return qEnvironmentVariable("TOLVEK_SOURCE_DIR") + QStringLiteral("/tests/weather/") + QLatin1String(name);
}

WeatherLocator::SourceFactory replay(const QString &log)
{
    return [log](QObject *parent) {
        return QGeoPositionInfoSource::createSource(QStringLiteral("nmea"), {{QStringLiteral("nmea.source"), log}},
                                                    parent);
    };
}

WeatherLocator::SourceFactory noSource()
{
    return [](QObject *) -> QGeoPositionInfoSource * { return nullptr; };
}

QByteArray lookupAnswer(const QByteArray &result)
{
    return "{\"query\":{\"count\":1,\"results\":{\"Result\":" + result + "}}}";
}

const QByteArray Channel = R"({"query":{"count":1,"results":{"channel":{"location":{"city":"Hangzhou"},
    "units":{"temperature":"C"},"item":{"condition":{"code":"30","text":"Partly Cloudy","temp":"12"},
    "forecast":[{"high":"15","low":"6"}]}}}}})";

// A service that answers the lookup with `lookup` and the forecast with `forecast`.
ScriptedHttpServer::Script service(ScriptedHttpServer::Reply lookup, ScriptedHttpServer::Reply forecast)
{
    return [=](const QByteArray &target) { return target.startsWith(LookupTarget) ? lookup : forecast; };
}

// What the fetch broadcast.
class Broadcasts : public QObject
{
public:
    Broadcasts()
    {
        Broadcaster &center = Broadcaster::shared();
        center.addObserver(this, WeatherFetcher::FetchBeginNotification, [this](const QVariant &) { ++begins; });
        center.addObserver(this, WeatherFetcher::FetchCompleteNotification,
                           [this](const QVariant &object) { completes.append(object); });
    }
    int begins = 0;
    QList<QVariant> completes;
};

Weather knownRecord()
{
    Weather weather;
    weather.city = QStringLiteral("Before");
    weather.nowTemp = QStringLiteral("1");
    return weather;
}

} // namespace


class WeatherFetcherTest : public QObject
{
    Q_OBJECT
private:
    // A fetcher that talks to `server` and locates with the Hangzhou log.
    std::unique_ptr<WeatherFetcher> fetcherFor(const QString &address)
    {
        Preferences::shared().setString(WeatherFetcher::BaseAddressKey, address);
        auto fetcher = std::make_unique<WeatherFetcher>();
        fetcher->locator()->setSourceFactory(replay(testData("hangzhou.nmea")));
        return fetcher;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Qt Positioning hides its "nmea" plugin from Qt Test programs; a replayed
        // log is exactly what these tests want.
        qunsetenv("QT_QTESTLIB_RUNNING");
    }
    void init() { TestSupport::wipeUserData(); }

    void fetchFromTheGatewayInFixtureMode()
    {
        WeatherGateway gateway(std::make_unique<FixtureProvider>());
        const quint16 port = gateway.listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        QSignalSpy answered(&gateway, &WeatherGateway::answered);
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(QStringLiteral("http://127.0.0.1:%1").arg(port));
        QVERIFY(!fetcher->weather().has_value());

        fetcher->fetchWeather();
        QCOMPARE(broadcasts.begins, 1);
        QTRY_COMPARE(broadcasts.completes.size(), 1);

        QCOMPARE(answered.size(), 2);
        QCOMPARE(answered.at(0).at(0).toString(),
                 "select * from geo.placefinder where text=\"30.250000, 120.160000\" and gflags=\"R\"");
        QCOMPARE(answered.at(1).at(0).toString(), "select * from weather.forecast where woeid=" + PlaceId::mint(30.25, 120.16));
        QCOMPARE(answered.at(1).at(1).toInt(), 200);

        QVERIFY(broadcasts.completes.at(0).canConvert<Weather>());
        const QStringList hangzhou{"Hangzhou", "C", "30", "Partly Cloudy", "12", "15", "6"};
        QCOMPARE(fieldsOf(broadcasts.completes.at(0).value<Weather>()), hangzhou);
        QVERIFY(fetcher->weather().has_value());
        QCOMPARE(fieldsOf(*fetcher->weather()), hangzhou);
        QVERIFY(!fetcher->weatherFetching());
        QVERIFY(fetcher->locationUpdate());
    }

    void requestsOnTheWire()
    {
        ScriptedHttpServer server(service({200, lookupAnswer(R"({"woeid":"42"})")}, {200, Channel}));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->fetchWeather();
        QTRY_COMPARE(broadcasts.completes.size(), 1);
        QCOMPARE(server.targets(),
                 QList<QByteArray>({"/v1/public/yql?q=select%20*%20from%20geo.placefinder%20where%20"
                                    "text=%2230.250000,%20120.160000%22%20and%20gflags=%22R%22&format=json",
                                    "/v1/public/yql?q=select%20*%20from%20weather.forecast%20where%20woeid=42&format=json"}));
    }

    void twoFixesInOneFetchMakeOneLookup()
    {
        ScriptedHttpServer server(service({200, lookupAnswer(R"({"woeid":"42"})")}, {200, Channel}));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->fetchWeather();
        // More fixes on top of the replayed log's.
        Q_EMIT fetcher->locator()->located(QGeoCoordinate(10.5, 20.5));
        Q_EMIT fetcher->locator()->located(QGeoCoordinate(30.25, 120.16));
        QTRY_COMPARE(broadcasts.completes.size(), 1);
        QVERIFY(!QTest::qWaitFor([&] { return server.countTargets(LookupTarget) > 1; }, 200));
        QCOMPARE(server.countTargets(ForecastTarget), 1);
    }

    void timeZoneStandsInForAMissingSource_data()
    {
        QTest::addColumn<bool>("withSilentSource");
        QTest::newRow("no source") << false;
        QTest::newRow("source without a fix") << true;
    }
    void timeZoneStandsInForAMissingSource()
    {
        QFETCH(bool, withSilentSource);
        TestSupport::PinnedClock clock(TestSupport::at("Asia/Shanghai", 2026, 12, 7, 8, 0));
        ScriptedHttpServer server(service({200, lookupAnswer(R"({"woeid":"42"})")}, {200, Channel}));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->locator()->setSourceFactory(withSilentSource ? replay(testData("no-fix.nmea")) : noSource());
        fetcher->locator()->setFixTimeoutMsecs(300);
        fetcher->fetchWeather();
        QTRY_COMPARE(broadcasts.completes.size(), 1);
        QVERIFY2(server.targets().at(0).contains("text=%2231.233333,%20121.466667%22"), server.targets().at(0));
        QVERIFY(fetcher->locator()->locationServiceAvailable());
    }

    void noPlaceAtAllEndsTheFetchWithoutARecord()
    {
        TestSupport::PinnedClock clock(TestSupport::at("UTC", 2026, 12, 7, 8, 0));
        ScriptedHttpServer server(service({200, lookupAnswer(R"({"woeid":"42"})")}, {200, Channel}));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->locator()->setSourceFactory(noSource());
        QSignalSpy availability(fetcher->locator(), &WeatherLocator::locationServiceAvailableChanged);
        fetcher->fetchWeather();
        QCOMPARE(broadcasts.completes.size(), 1);
        QVERIFY(!broadcasts.completes.at(0).isValid());
        QVERIFY(!fetcher->locator()->locationServiceAvailable());
        QCOMPARE(availability.size(), 1);
        QVERIFY(server.targets().isEmpty());
        QVERIFY(!fetcher->weather().has_value());
    }

    void lookupWithoutResultsDoesNotBlockTheNextOne_data()
    {
        QTest::addColumn<QByteArray>("lookup");
        QTest::newRow("no places") << lookupAnswer("[]");
        QTest::newRow("gateway error") << QByteArray(R"({"error":{"code":"bad-coordinates"}})");
    }
    void lookupWithoutResultsDoesNotBlockTheNextOne()
    {
        QFETCH(QByteArray, lookup);
        ScriptedHttpServer server(service({200, lookup}, {200, Channel}));
        auto fetcher = fetcherFor(server.address());
        fetcher->fetchWeather();
        QTRY_COMPARE(server.countTargets(LookupTarget), 1);
        QTRY_VERIFY(!fetcher->weatherFetching());
        fetcher->fetchWeather();
        QTRY_COMPARE(server.countTargets(LookupTarget), 2);
        QCOMPARE(server.countTargets(ForecastTarget), 0);
    }

    void unparsableAnswersAreRetriedAFewTimesOnly()
    {
        ScriptedHttpServer server(service({200, "<html>busy</html>"}, {200, Channel}));
        auto fetcher = fetcherFor(server.address());
        fetcher->setRetryBaseDelayMsecs(10);
        fetcher->fetchWeather();
        QTRY_COMPARE(server.countTargets(LookupTarget), 1 + WeatherFetcher::MaxRetries);
        QTRY_VERIFY(!fetcher->weatherFetching()); // gave up
        QCOMPARE(server.countTargets(LookupTarget), 1 + WeatherFetcher::MaxRetries);

        // A new fetch has a new allowance.
        fetcher->fetchWeather();
        QTRY_COMPARE(server.countTargets(LookupTarget), 2 * (1 + WeatherFetcher::MaxRetries));
    }

    void badForecastAnswersKeepThePreviousRecord_data()
    {
        QTest::addColumn<ScriptedHttpServer::Reply>("forecast");
        QTest::newRow("empty") << ScriptedHttpServer::Reply{200, ""};
        QTest::newRow("cut JSON") << ScriptedHttpServer::Reply{200, Channel.left(40)};
        QTest::newRow("connection cut") << ScriptedHttpServer::Reply{200, Channel.left(40), false, Channel.size()};
        QTest::newRow("channel wrong types")
            << ScriptedHttpServer::Reply{200, R"({"query":{"results":{"channel":{"location":[],"item":7}}}})"};
        QTest::newRow("gateway failure") << ScriptedHttpServer::Reply{502, R"({"error":{"code":"upstream-failed"}})"};
        QTest::newRow("huge") << ScriptedHttpServer::Reply{200, QByteArray(3 << 20, ' ') + Channel};
    }
    void badForecastAnswersKeepThePreviousRecord()
    {
        QFETCH(ScriptedHttpServer::Reply, forecast);
        ScriptedHttpServer server(service({200, lookupAnswer(R"({"woeid":"42"})")}, forecast));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->setRetryBaseDelayMsecs(60000);
        fetcher->setWeather(knownRecord());
        fetcher->fetchWeather();
        QTRY_COMPARE(server.countTargets(ForecastTarget), 1);
        QVERIFY(!QTest::qWaitFor([&] { return !broadcasts.completes.isEmpty(); }, 300));
        QCOMPARE(fetcher->weather()->city, "Before");
        QCOMPARE(fetcher->weather()->nowTemp, "1");
    }

    void channelWithoutItemIsStillARecord()
    {
        ScriptedHttpServer server(service(
            {200, lookupAnswer(R"({"woeid":"42"})")},
            {200, R"({"query":{"results":{"channel":{"location":{"city":"Oslo"},"units":{"temperature":"F"}}}}})"}));
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->setWeather(knownRecord());
        fetcher->fetchWeather();
        QTRY_COMPARE(broadcasts.completes.size(), 1);
        const Weather weather = broadcasts.completes.at(0).value<Weather>();
        QCOMPARE(weather.city, "Oslo");
        QCOMPARE(weather.temperatureUnit, "F");
        QVERIFY(weather.nowTemp.isNull());
        QCOMPARE(fetcher->weather()->city, "Oslo");
    }

    void unreachableServiceClearsTheLookup()
    {
        quint16 closedPort;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
        fetcher->fetchWeather();
        QTRY_VERIFY(fetcher->locationUpdate());
        QTRY_VERIFY(!fetcher->weatherFetching());
        QVERIFY(broadcasts.completes.isEmpty());
    }

    void nonAsciiHostSendsNothing()
    {
        auto fetcher = fetcherFor(QString::fromUtf8("http://bücher.example"));
        fetcher->fetchWeather();
        QTRY_VERIFY(fetcher->locationUpdate());
        QVERIFY(!fetcher->weatherFetching());
    }

    void aNewFetchCancelsTheUnfinishedForecast()
    {
        int forecasts = 0;
        ScriptedHttpServer server([&](const QByteArray &target) {
            if (target.startsWith(LookupTarget))
                return ScriptedHttpServer::Reply{200, lookupAnswer(R"({"woeid":"42"})")};
            return ++forecasts == 1 ? ScriptedHttpServer::Reply{200, {}, true} : ScriptedHttpServer::Reply{200, Channel};
        });
        Broadcasts broadcasts;
        auto fetcher = fetcherFor(server.address());
        fetcher->fetchWeather();
        QTRY_COMPARE(forecasts, 1);
        fetcher->fetchWeather();
        QTRY_COMPARE(broadcasts.completes.size(), 1);
        QCOMPARE(forecasts, 2);
        QCOMPARE(broadcasts.begins, 2);
        QVERIFY(!QTest::qWaitFor([&] { return broadcasts.completes.size() > 1; }, 100));
    }

    void defaultServiceIsTheLocalGateway()
    {
        QCOMPARE(WeatherFetcher::serviceHostAddress(), "http://127.0.0.1:8787");
        Preferences::shared().setString(WeatherFetcher::BaseAddressKey, "http://weather.example:80");
        QCOMPARE(WeatherFetcher::serviceHostAddress(), "http://weather.example:80");
    }
};

QTEST_GUILESS_MAIN(WeatherFetcherTest)
#include "tst_weatherfetcher.moc"
