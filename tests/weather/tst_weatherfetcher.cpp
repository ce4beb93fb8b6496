// The app's weather fetch over real HTTP on loopback: against the gateway in
// fixture mode, and against a scripted service for the wire format and every
// kind of bad answer. Location fixes are replayed by the "nmea" plugin.
#include <QGeoPositionInfoSource>
#include <QSignalSpy>
#include <QTest>

#include "FixtureProvider.h"
#include "ScriptedHttpServer.h"
#include "TestSupport.h"
#include "WeatherFields.h"
#include "WeatherGateway.h"
#include "platform/Broadcaster.h"
#include "weather/WeatherFetcher.h"

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
};

QTEST_GUILESS_MAIN(WeatherFetcherTest)
#include "tst_weatherfetcher.moc"
