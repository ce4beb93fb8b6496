// The app's weather fetch over real HTTP on loopback: against the gateway in
// fixture mode, and against a scripted service for the wire format and every
// kind of bad answer. Location fixes are replayed by the "nmea" plugin. Then the
// pieces: the request's escaping, the answers' paths, reachability, and the
// place the time zone stands for.
#include <QGeoPositionInfoSource>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FixtureProvider.h"
#include "ScriptedHttpServer.h"
#include "TestSupport.h"
#include "WeatherFields.h"
#include "WeatherGateway.h"
#include "platform/Broadcaster.h"
#include "weather/Reachability.h"
#include "weather/TimeZoneLocation.h"
#include "weather/WeatherFetcher.h"

using namespace WeatherQuery;

namespace {

using Reply = ScriptedHttpServer::Reply;

const QByteArray LookupTarget = "/v1/public/yql?q=select%20*%20from%20geo.placefinder";
const QByteArray ForecastTarget = "/v1/public/yql?q=select%20*%20from%20weather.forecast";
const QByteArray Woeid42 = R"({"query":{"count":1,"results":{"Result":{"woeid":"42"}}}})";
const QByteArray Channel = R"({"query":{"count":1,"results":{"channel":{"location":{"city":"Hangzhou"},
    "units":{"temperature":"C"},"item":{"condition":{"code":"30","text":"Partly Cloudy","temp":"12"},
    "forecast":[{"high":"15","low":"6"},{"high":"1","low":"0"}]}}}}})";
const QStringList HangzhouFields{"Hangzhou", "C", "30", "Partly Cloudy", "12", "15", "6"};

// Replays a recorded NMEA log as the position source; no log, no source at all.
WeatherLocator::SourceFactory replay(const QString &log)
{
    const QString path = qEnvironmentVariable("TOLVEK_SOURCE_DIR") + "/tests/weather/" + log;
    return [=](QObject *parent) {
        return log.isEmpty() ? nullptr : QGeoPositionInfoSource::createSource("nmea", {{"nmea.source", path}}, parent);
    };
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
        center.addObserver(this, WeatherFetcher::FetchFailedNotification, [this](const QVariant &) { ++failures; });
    }
    int begins = 0;
    int failures = 0;
    QList<QVariant> completes;
};

} // namespace

class WeatherFetcherTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ScriptedHttpServer> server_;
    std::unique_ptr<Broadcasts> broadcasts_;
    std::unique_ptr<WeatherFetcher> fetcher_;

    // A fetcher that talks to `address` and locates with the Hangzhou log.
    void useService(const QString &address)
    {
        Preferences::shared().setString(WeatherFetcher::BaseAddressKey, address);
        fetcher_ = std::make_unique<WeatherFetcher>();
        fetcher_->locator()->setSourceFactory(replay("hangzhou.nmea"));
    }
    // A scripted service answering the lookup with `lookup` and the forecast with `forecast`.
    void useScriptedService(Reply lookup = {200, Woeid42}, Reply forecast = {200, Channel})
    {
        server_ = std::make_unique<ScriptedHttpServer>(
            [=](const QByteArray &target) { return target.startsWith(LookupTarget) ? lookup : forecast; });
        useService(server_->address());
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Qt Positioning hides its "nmea" plugin from Qt Test programs; a replayed
        // log is exactly what these tests want.
        qunsetenv("QT_QTESTLIB_RUNNING");
    }
    void init()
    {
        TestSupport::wipeUserData();
        broadcasts_ = std::make_unique<Broadcasts>();
    }
    void cleanup()
    {
        fetcher_.reset();
        server_.reset();
        broadcasts_.reset();
    }

    // The app and the gateway agree on both queries and the answers' shape.
    void fetchFromTheGatewayInFixtureMode()
    {
        WeatherGateway gateway(std::make_unique<FixtureProvider>());
        const quint16 port = gateway.listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        useService(QStringLiteral("http://127.0.0.1:%1").arg(port));
        QVERIFY(!fetcher_->weather().has_value());

        fetcher_->fetchWeather();
        QCOMPARE(broadcasts_->begins, 1);
        QTRY_COMPARE(broadcasts_->completes.size(), 1);

        QCOMPARE(fieldsOf(broadcasts_->completes.at(0).value<Weather>()), HangzhouFields);
        QCOMPARE(fieldsOf(fetcher_->weather().value_or(Weather())), HangzhouFields);
        QVERIFY(!fetcher_->weatherFetching());
        QVERIFY(fetcher_->locationUpdate());
        fetcher_.reset(); // before the gateway it talks to
    }

    // Byte for byte; more fixes arriving during the fetch make no second lookup; the record is the first day.
    void requestsOnTheWire()
    {
        useScriptedService();
        fetcher_->fetchWeather();
        Q_EMIT fetcher_->locator()->located(QGeoCoordinate(30.25, 120.16));
        Q_EMIT fetcher_->locator()->located(QGeoCoordinate(10.5, 20.5));
        QTRY_COMPARE(broadcasts_->completes.size(), 1);
        QCOMPARE(fieldsOf(broadcasts_->completes.at(0).value<Weather>()), HangzhouFields); // today's, of two days
        QVERIFY(!QTest::qWaitFor([&] { return server_->targets().size() > 2; }, 200));
        QCOMPARE(server_->targets(), QList<QByteArray>({LookupTarget
                                                            + "%20where%20text=%2230.250000,%20120.160000%22%20and%20"
                                                              "gflags=%22R%22&format=json",
                                                        ForecastTarget + "%20where%20woeid=42&format=json"}));
        QCOMPARE(WeatherFetcher::serviceHostAddress(), server_->address());
    }

    // Without a fix the time zone's city stands in; with no city either, the fetch ends without a record.
    void timeZoneStandsInForAMissingFix_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("lookupText"); // empty: no lookup at all
        QTest::newRow("no source") << QString() << QByteArray("Asia/Shanghai") << QByteArray("31.233333,%20121.466667");
        QTest::newRow("source without a fix")
            << "no-fix.nmea" << QByteArray("Asia/Shanghai") << QByteArray("31.233333,%20121.466667");
        QTest::newRow("no source, zone without a city") << QString() << QByteArray("UTC") << QByteArray();
    }
    void timeZoneStandsInForAMissingFix()
    {
        QFETCH(QString, log);
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, lookupText);
        TestSupport::PinnedClock clock(TestSupport::at(zone.constData(), 2026, 12, 7, 8, 0));
        useScriptedService();
        fetcher_->locator()->setSourceFactory(replay(log));
        fetcher_->locator()->setFixTimeoutMsecs(300);
        QSignalSpy availability(fetcher_->locator(), &WeatherLocator::locationServiceAvailableChanged);
        fetcher_->fetchWeather();
        QCOMPARE(broadcasts_->completes.size(), lookupText.isEmpty() ? 1 : 0); // nothing to wait for: ends at once
        QTRY_COMPARE(broadcasts_->completes.size(), 1);
        QCOMPARE(fetcher_->locator()->locationServiceAvailable(), !lookupText.isEmpty());
        if (lookupText.isEmpty()) {
            QVERIFY(!broadcasts_->completes.at(0).isValid());
            QCOMPARE(availability.size(), 1);
            QVERIFY(server_->targets().isEmpty());
            QVERIFY(!fetcher_->weather().has_value());
        } else {
            QVERIFY2(server_->targets().at(0).contains("text=%22" + lookupText + "%22"), server_->targets().at(0));
        }
    }

    // A lookup that finds no place, a service not listening or a host name that cannot go into a
    // request: the fetch ends without a record, says so at once, and the next one asks again.
    void fetchesThatFindNothingEndAndAskAgain_data()
    {
        QTest::addColumn<QByteArray>("lookup"); // the scripted service's answer; empty: `address` instead
        QTest::addColumn<QString>("address");
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        QTest::newRow("no places") << QByteArray(R"({"query":{"count":0,"results":{"Result":[]}}})") << QString();
        QTest::newRow("gateway error") << QByteArray(R"({"error":{"code":"bad-coordinates"}})") << QString();
        QTest::newRow("closed port") << QByteArray() << QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
        QTest::newRow("non-ASCII host") << QByteArray() << QString::fromUtf8("http://bücher.example");
    }
    void fetchesThatFindNothingEndAndAskAgain()
    {
        QFETCH(QByteArray, lookup);
        QFETCH(QString, address);
        if (lookup.isEmpty())
            useService(address);
        else
            useScriptedService({200, lookup});
        for (int fetch = 1; fetch <= 2; ++fetch) {
            fetcher_->fetchWeather();
            QTRY_VERIFY(fetcher_->locationUpdate());
            QTRY_VERIFY(!fetcher_->weatherFetching());
            if (server_)
                QTRY_COMPARE(server_->countTargets(LookupTarget), fetch);
            QTRY_COMPARE(broadcasts_->failures, fetch);
        }
        QVERIFY(broadcasts_->completes.isEmpty());
        QVERIFY(!server_ || server_->countTargets(ForecastTarget) == 0);
    }

    void unparsableAnswersAreRetriedAFewTimesOnly()
    {
        useScriptedService({200, "<html>busy</html>"});
        fetcher_->setRetryBaseDelayMsecs(10);
        fetcher_->fetchWeather();
        QTRY_COMPARE(server_->countTargets(LookupTarget), 1 + WeatherFetcher::MaxRetries);
        QTRY_VERIFY(!fetcher_->weatherFetching()); // gave up
        QTRY_COMPARE(broadcasts_->failures, 1);
        QCOMPARE(server_->countTargets(LookupTarget), 1 + WeatherFetcher::MaxRetries);

        // A new fetch has a new allowance.
        fetcher_->fetchWeather();
        QTRY_COMPARE(server_->countTargets(LookupTarget), 2 * (1 + WeatherFetcher::MaxRetries));
    }

    // A forecast answer that holds no record keeps the one held before; a channel without its item is a record.
    void forecastAnswersReplaceOnlyWithARecord_data()
    {
        QTest::addColumn<Reply>("forecast");
        QTest::addColumn<QStringList>("held"); // the record's fields after the fetch
        const QStringList before{"Before", "", "", "", "1", "", ""};
        QTest::newRow("empty") << Reply{200, ""} << before;
        QTest::newRow("cut JSON") << Reply{200, Channel.left(40)} << before;
        QTest::newRow("connection cut") << Reply{200, Channel.left(40), false, Channel.size()} << before;
        QTest::newRow("channel wrong types")
            << Reply{200, R"({"query":{"results":{"channel":{"location":[],"item":7}}}})"} << before;
        QTest::newRow("gateway failure") << Reply{502, R"({"error":{"code":"upstream-failed"}})"} << before;
        QTest::newRow("huge") << Reply{200, QByteArray(3 << 20, ' ') + Channel} << before;
        QTest::newRow("channel without item")
            << Reply{200,
                     R"({"query":{"results":{"channel":{"location":{"city":"Oslo"},"units":{"temperature":"F"}}}}})"}
            << QStringList{"Oslo", "F", "", "", "", "", ""};
    }
    void forecastAnswersReplaceOnlyWithARecord()
    {
        QFETCH(Reply, forecast);
        QFETCH(QStringList, held);
        useScriptedService({200, Woeid42}, forecast);
        fetcher_->setRetryBaseDelayMsecs(60000);
        Weather before;
        before.city = QStringLiteral("Before");
        before.nowTemp = QStringLiteral("1");
        fetcher_->setWeather(before);
        fetcher_->fetchWeather();
        QTRY_COMPARE(server_->countTargets(ForecastTarget), 1);
        if (held.first() == QLatin1String("Before"))
            QVERIFY(!QTest::qWaitFor([&] { return !broadcasts_->completes.isEmpty(); }, 300));
        else
            QTRY_COMPARE(fieldsOf(broadcasts_->completes.value(0).value<Weather>()), held);
        QCOMPARE(fieldsOf(*fetcher_->weather()), held);
    }

    void aNewFetchCancelsTheUnfinishedForecast()
    {
        int forecasts = 0;
        useScriptedService();
        server_->setScript([&](const QByteArray &target) {
            if (target.startsWith(LookupTarget))
                return Reply{200, Woeid42};
            return ++forecasts == 1 ? Reply{200, {}, true} : Reply{200, Channel};
        });
        fetcher_->fetchWeather();
        QTRY_COMPARE(forecasts, 1);
        fetcher_->fetchWeather();
        QTRY_COMPARE(broadcasts_->completes.size(), 1);
        QCOMPARE(forecasts, 2);
        QCOMPARE(broadcasts_->begins, 2);
        QVERIFY(!QTest::qWaitFor([&] { return broadcasts_->completes.size() > 1; }, 100));
    }

    // Text escaped for a request: delimiters stay, the rest is escaped, and text that is not ASCII makes no
    // address at all. The whole address is the base address (trimmed, a slash or not) and the escaped query.
    void escaping()
    {
        const QList<std::pair<QString, QByteArray>> escapes{{"http://h:1/p?q=*,;&f=j+$@", "http://h:1/p?q=*,;&f=j+$@"},
                                                            {"%#<>{}|\\^`[]", "%25%23%3C%3E%7B%7D%7C%5C%5E%60%5B%5D"},
                                                            {"a\nb", "a%0Ab"},
                                                            {QString::fromUtf8("Zürich"), QByteArray()}};
        for (const auto &[text, escaped] : escapes)
            QCOMPARE(percentEscaped(text), escaped);
        for (const char *host : {"http://127.0.0.1:8787", "http://127.0.0.1:8787/", " http://127.0.0.1:8787 "})
            QCOMPARE(requestAddress(host, forecastQuery("7")),
                     QByteArray("http://127.0.0.1:8787/v1/public/yql?q=select%20*%20from%20weather.forecast%20where%20"
                                "woeid=7&format=json"));
    }

    // What an answer holds, and the place identifier of a lookup's answer.
    void readingAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("woeid");
        const int unparsable = Response::Unparsable, none = Response::NoResults, found = Response::Results;
        const auto results = [](const char *json) { return "{\"query\":{\"results\":" + QByteArray(json) + "}}"; };
        QTest::newRow("empty") << QByteArray() << unparsable << QString();
        QTest::newRow("truncated") << QByteArray("{\"query\":{\"results\":{\"Res") << unparsable << QString();
        QTest::newRow("html") << QByteArray("<html>502</html>") << unparsable << QString();
        QTest::newRow("fragment") << QByteArray("42") << none << QString();
        QTest::newRow("array") << QByteArray("[1,2]") << none << QString();
        QTest::newRow("empty results") << results("{}") << none << QString();
        QTest::newRow("query wrong type") << QByteArray("{\"query\":\"results\"}") << none << QString();
        QTest::newRow("several places take the first")
            << results(R"({"Result":[{"woeid":"11"},{"woeid":"22"}]})") << found << "11";
        QTest::newRow("number") << results(R"({"Result":{"woeid":2132574}})") << found << "2132574";
        QTest::newRow("woeid object") << results(R"({"Result":{"woeid":{}}})") << found << QString();
        QTest::newRow("Result string") << results(R"({"Result":"2132574"})") << found << QString();
    }
    void readingAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, kind);
        QFETCH(QString, woeid);
        const Response response = readResponse(body);
        QCOMPARE(int(response.kind), kind);
        QCOMPARE(woeidFromResults(response.results), woeid);
    }

    void wrongTypesInTheChannel()
    {
        const QByteArray channel = R"({"location":"Oslo","units":{"temperature":["C"]},
            "item":{"condition":{"code":30,"text":null,"temp":-3.5},"forecast":{"high":"1"}}})";
        QStringList seen;
        for (const QString &field : fieldsOf(weatherFromChannel(QJsonDocument::fromJson(channel).object())))
            seen << (field.isNull() ? QStringLiteral("null") : field);
        QCOMPARE(seen, QStringList({"null", "null", "30", "null", "-3.5", "null", "null"}));
    }

    // Only a connection known to be down is unreachable; the answer is signalled when it flips.
    void reachability()
    {
        using State = QNetworkInformation::Reachability;
        Reachability monitor;
        QSignalSpy changes(&monitor, &Reachability::reachabilityChanged);
        // Each state in turn, whether it is reachable then, and how many changes were signalled by then.
        const std::tuple<State, bool, int> steps[]
            = {{State::Unknown, true, 0}, {State::Local, true, 0},         {State::Site, true, 0},
               {State::Online, true, 0},  {State::Disconnected, false, 1}, {State::Unknown, true, 2}};
        for (const auto &[state, reachable, signalled] : steps) {
            monitor.updateReachability(state);
            QCOMPARE(monitor.isReachable(), reachable);
            QCOMPARE(changes.size(), signalled);
        }
        QCOMPARE(changes.at(0).at(0).toBool(), false);
        QCOMPARE(changes.at(1).at(0).toBool(), true);
    }

    // Coordinates as the database writes them (ISO 6709), and zones looked up in the real
    // time-zone database: the approximate place when there is no fix ("LAT LON" to four decimals;
    // none for seconds on one side only, no sign, beyond the pole, links, renames and the unknown).
    void placesFromTheTimeZone()
    {
        const struct
        {
            bool isZone;
            const char *text, *place;
        } places[] = {{false, "+3114+12128", "31.2333 121.4667"},
                      {false, "-332700-0704000", "-33.4500 -70.6667"},
                      {false, "+311400+12128", ""},
                      {false, "3114+12128", ""},
                      {false, "+9500+00000", ""},
                      {false, "", ""},
                      {true, "Asia/Chongqing", "31.2333 121.4667"},
                      {true, "Europe/Kiev", "50.4333 30.5167"},
                      {true, "America/Santiago", "-33.4500 -70.6667"},
                      {true, "Mars/Olympus", ""},
                      {true, "", ""}};
        for (const auto &p : places) {
            const auto coordinate = p.isZone ? TimeZoneLocation().coordinateOfZone(p.text)
                                             : TimeZoneLocation::parseIso6709(QString::fromLatin1(p.text));
            QCOMPARE(coordinate ? QString::asprintf("%.4f %.4f", coordinate->latitude(), coordinate->longitude()) : "",
                     QString::fromLatin1(p.place));
        }
        // A link that leads back to itself, and no database at all.
        QTemporaryDir dir;
        QFile zi(dir.filePath("tzdata.zi"));
        QVERIFY(zi.open(QIODevice::WriteOnly));
        zi.write("L A/One A/Two\nL A/Two A/One\n");
        zi.close();
        QVERIFY(!TimeZoneLocation(dir.path()).coordinateOfZone("A/One").has_value());
        QVERIFY(!TimeZoneLocation("/nonexistent").coordinateOfZone("Asia/Shanghai").has_value());
    }
};

QTEST_GUILESS_MAIN(WeatherFetcherTest)
#include "tst_weatherfetcher.moc"
