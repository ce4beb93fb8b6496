// The gateway's pieces without the network: query shapes, place identifiers,
// condition codes, the upstream formats, the answer cache and the HTTP text.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "GatewayAnswers.h"
#include "GatewayQuery.h"
#include "HttpMessage.h"
#include "OpenMeteoFormat.h"
#include "PlaceId.h"
#include "TimedCache.h"
#include "WeatherConditions.h"
#include "weather/WeatherFields.h"

class GatewayPartsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void queryShapes_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("kind"); // "lookup", "forecast" or the error code
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("woeid");
        const QString lookup = QStringLiteral("select * from geo.placefinder where text=\"%1\" and gflags=\"R\"");
        QTest::newRow("lookup") << lookup.arg("30.250000, 120.160000") << "lookup" << 30.25 << 120.16 << "";
        QTest::newRow("lookup, negatives") << lookup.arg("-33.4575, -70.65") << "lookup" << -33.4575 << -70.65 << "";
        QTest::newRow("lookup, integers") << lookup.arg("0,0") << "lookup" << 0.0 << 0.0 << "";
        QTest::newRow("lookup, poles and date line") << lookup.arg("-90, 180") << "lookup" << -90.0 << 180.0 << "";
        QTest::newRow("lookup, extra spaces")
            << "select  *  from geo.placefinder  where text = \"1.5, 2.5\"  and gflags=\"R\" " << "lookup" << 1.5 << 2.5 << "";
        QTest::newRow("forecast") << "select * from weather.forecast where woeid=2132574" << "forecast" << 0.0 << 0.0
                                  << "2132574";
        QTest::newRow("latitude out of range") << lookup.arg("90.5, 0") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("longitude out of range") << lookup.arg("0, -180.01") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("exponent") << lookup.arg("1e1, 2") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("nan") << lookup.arg("nan, nan") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("no comma") << lookup.arg("30.25 120.16") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("three numbers") << lookup.arg("1, 2, 3") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("empty text") << lookup.arg("") << "bad-coordinates" << 0.0 << 0.0 << "";
        QTest::newRow("other flags") << "select * from geo.placefinder where text=\"1, 2\" and gflags=\"X\""
                                     << "unsupported-query" << 0.0 << 0.0 << "";
        QTest::newRow("unit requested") << "select * from weather.forecast where woeid=1 and u='c'"
                                        << "unsupported-query" << 0.0 << 0.0 << "";
        QTest::newRow("statement after") << "select * from weather.forecast where woeid=1; drop table x"
                                         << "unsupported-query" << 0.0 << 0.0 << "";
        QTest::newRow("other table") << "select * from weather.bylocation where location=\"x\""
                                     << "unsupported-query" << 0.0 << 0.0 << "";
        QTest::newRow("upper case") << "SELECT * FROM weather.forecast WHERE woeid=1" << "unsupported-query" << 0.0
                                    << 0.0 << "";
        QTest::newRow("empty") << "" << "unsupported-query" << 0.0 << 0.0 << "";
        QTest::newRow("too long") << "select * from weather.forecast where woeid=" + QString(300, QChar('1'))
                                  << "query-too-long" << 0.0 << 0.0 << "";
    }
    void queryShapes()
    {
        QFETCH(QString, query);
        QFETCH(QString, kind);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, woeid);
        const auto parsed = GatewayQuery::parse(query);
        if (kind == u"lookup") {
            QVERIFY(std::holds_alternative<PlaceLookupQuery>(parsed));
            QCOMPARE(std::get<PlaceLookupQuery>(parsed).latitude, latitude);
            QCOMPARE(std::get<PlaceLookupQuery>(parsed).longitude, longitude);
        } else if (kind == u"forecast") {
            QVERIFY(std::holds_alternative<ForecastQuery>(parsed));
            QCOMPARE(std::get<ForecastQuery>(parsed).woeid, woeid);
        } else {
            QVERIFY(std::holds_alternative<QueryError>(parsed));
            QCOMPARE(std::get<QueryError>(parsed).code, kind);
        }
    }

    void placeIdsCarryTheirPlace_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("roundedLatitude");
        QTest::addColumn<double>("roundedLongitude");
        QTest::newRow("Hangzhou") << 30.25 << 120.16 << 30.25 << 120.16;
        QTest::newRow("rounds to 0.01") << 59.91234 << 10.74876 << 59.91 << 10.75;
        QTest::newRow("south-west") << -33.4575 << -70.6503 << -33.46 << -70.65;
        QTest::newRow("origin") << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("corner low") << -90.0 << -180.0 << -90.0 << -180.0;
        QTest::newRow("corner high") << 90.0 << 180.0 << 90.0 << 180.0;
    }
    void placeIdsCarryTheirPlace()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, roundedLatitude);
        QFETCH(double, roundedLongitude);
        const QString woeid = PlaceId::mint(latitude, longitude);
        const auto place = PlaceId::decode(woeid);
        QVERIFY2(place.has_value(), qPrintable(woeid));
        QVERIFY(qAbs(place->latitude - roundedLatitude) < 1e-9);
        QVERIFY(qAbs(place->longitude - roundedLongitude) < 1e-9);
        QCOMPARE(PlaceId::mint(place->latitude, place->longitude), woeid);
    }

    void placesInOneCellShareAnIdAndNeighboursDoNot()
    {
        QCOMPARE(PlaceId::mint(30.2501, 120.1599), PlaceId::mint(30.25, 120.16));
        QVERIFY(PlaceId::mint(30.26, 120.16) != PlaceId::mint(30.25, 120.16));
        QVERIFY(PlaceId::mint(30.25, 120.17) != PlaceId::mint(30.25, 120.16));
    }

    void foreignIdentifiersAreRefused_data()
    {
        QTest::addColumn<QString>("woeid");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("leading zero") << "0123";
        QTest::newRow("negative") << "-5";
        QTest::newRow("plus") << "+5";
        QTest::newRow("letters") << "12a4";
        QTest::newRow("quoted") << "\"12\"";
        QTest::newRow("decimal") << "12.5";
        QTest::newRow("past the last cell") << QString::number(18001LL * 36001LL + 1);
        QTest::newRow("eleven digits") << "12345678901";
        QTest::newRow("arabic digits") << QString::fromUtf8("١٢٣");
    }
    void foreignIdentifiersAreRefused()
    {
        QFETCH(QString, woeid);
        QVERIFY(!PlaceId::decode(woeid).has_value());
    }

    void conditions_data()
    {
        QTest::addColumn<int>("wmo");
        QTest::addColumn<bool>("day");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("clear day") << 0 << true << 32 << "Sunny";
        QTest::newRow("clear night") << 0 << false << 31 << "Clear";
        QTest::newRow("mainly clear night") << 1 << false << 33 << "Fair";
        QTest::newRow("partly cloudy day") << 2 << true << 30 << "Partly Cloudy";
        QTest::newRow("partly cloudy night") << 2 << false << 29 << "Partly Cloudy";
        QTest::newRow("overcast") << 3 << true << 26 << "Cloudy";
        QTest::newRow("rime fog") << 48 << true << 20 << "Foggy";
        QTest::newRow("dense drizzle") << 55 << true << 9 << "Drizzle";
        QTest::newRow("freezing drizzle") << 57 << true << 8 << "Freezing Drizzle";
        QTest::newRow("heavy rain") << 65 << true << 12 << "Rain";
        QTest::newRow("freezing rain") << 66 << true << 10 << "Freezing Rain";
        QTest::newRow("slight snow") << 71 << true << 14 << "Light Snow Showers";
        QTest::newRow("heavy snow") << 75 << true << 41 << "Heavy Snow";
        QTest::newRow("snow grains") << 77 << true << 13 << "Snow Flurries";
        QTest::newRow("slight showers") << 80 << true << 40 << "Scattered Showers";
        QTest::newRow("violent showers") << 82 << true << 12 << "Rain";
        QTest::newRow("snow showers") << 85 << true << 46 << "Snow Showers";
        QTest::newRow("thunderstorm") << 95 << true << 4 << "Thunderstorms";
        QTest::newRow("hail") << 99 << true << 3 << "Severe Thunderstorms";
        QTest::newRow("unknown") << 42 << true << 3200 << "Not Available";
        QTest::newRow("negative") << -1 << true << 3200 << "Not Available";
    }
    void conditions()
    {
        QFETCH(int, wmo);
        QFETCH(bool, day);
        QFETCH(int, code);
        QFETCH(QString, text);
        const Condition condition = WeatherConditions::fromWmoCode(wmo, day);
        QCOMPARE(condition.code, code);
        QCOMPARE(condition.text, text);
    }

    void everyWmoCodeMapsIntoTheClockFaceRange()
    {
        for (int wmo = -5; wmo < 120; ++wmo) {
            for (bool day : {true, false}) {
                const int code = WeatherConditions::fromWmoCode(wmo, day).code;
                QVERIFY2((code >= 0 && code <= 47) || code == 3200, qPrintable(QString::number(wmo)));
            }
        }
    }

    void openMeteoForecast_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("valid");
        const QByteArray good = R"({"current":{"temperature_2m":-0.4,"weather_code":61,"is_day":0},
            "daily":{"time":["2026-12-07"],"temperature_2m_max":[3.5],"temperature_2m_min":[-2.5]}})";
        QTest::newRow("complete") << good << true;
        QTest::newRow("refused") << QByteArray(R"({"error":true,"reason":"Latitude must be in range"})") << false;
        QTest::newRow("null temperature")
            << QByteArray(good).replace("-0.4", "null") << false;
        QTest::newRow("no daily") << QByteArray(R"({"current":{"temperature_2m":1,"weather_code":0}})") << false;
        QTest::newRow("empty daily arrays")
            << QByteArray(R"({"current":{"temperature_2m":1,"weather_code":0},"daily":{"temperature_2m_max":[],"temperature_2m_min":[]}})")
            << false;
        QTest::newRow("strings for numbers") << QByteArray(good).replace("61", "\"61\"") << false;
        QTest::newRow("array") << QByteArray("[]") << false;
        QTest::newRow("not JSON") << QByteArray("<html>") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void openMeteoForecast()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, valid);
        const Fetched<CurrentWeather> forecast = OpenMeteoFormat::readForecast(body);
        QCOMPARE(forecast.value.has_value(), valid);
        QCOMPARE(forecast.error.isEmpty(), valid);
        if (valid) {
            QCOMPARE(forecast.value->wmoCode, 61);
            QVERIFY(!forecast.value->daytime);
            QCOMPARE(forecast.value->temperature, -0.4);
            QCOMPARE(forecast.value->high, 3.5);
            QCOMPARE(forecast.value->low, -2.5);
            QCOMPARE(forecast.value->date, "2026-12-07");
        }
    }

    void placeNames_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("name");
        QTest::newRow("city") << QByteArray(R"({"name":"x","address":{"city":"Bergen","county":"Vestland"}})") << "Bergen";
        QTest::newRow("town") << QByteArray(R"({"address":{"town":"Voss","state":"Vestland"}})") << "Voss";
        QTest::newRow("village") << QByteArray(R"({"address":{"village":"Flåm"}})") << QString::fromUtf8("Flåm");
        QTest::newRow("only state") << QByteArray(R"({"address":{"state":"Vestland"}})") << "Vestland";
        QTest::newRow("name only") << QByteArray(R"({"name":"North Sea"})") << "North Sea";
        QTest::newRow("blank city") << QByteArray(R"({"address":{"city":"  ","country":"Norway"}})") << "Norway";
        QTest::newRow("open sea") << QByteArray(R"({"error":"Unable to geocode"})") << QString();
        QTest::newRow("long name cut") << ("{\"name\":\"" + QByteArray(500, 'a') + "\"}") << QString(100, QChar('a'));
        QTest::newRow("not JSON") << QByteArray("oops") << QString();
    }
    void placeNames()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, name);
        const Fetched<QString> place = OpenMeteoFormat::readPlaceName(body);
        QCOMPARE(place.value.value_or(QString()), name);
    }

    void upstreamRequests()
    {
        QCOMPARE(OpenMeteoFormat::forecastUrl(QUrl("https://api.open-meteo.com/v1/forecast"), 30.25, 120.16).toString(),
                 "https://api.open-meteo.com/v1/forecast?latitude=30.25&longitude=120.16"
                 "&current=temperature_2m,weather_code,is_day&daily=temperature_2m_max,temperature_2m_min"
                 "&timezone=auto&forecast_days=1");
        QCOMPARE(OpenMeteoFormat::reverseGeocodingUrl(QUrl("https://nominatim.openstreetmap.org/reverse"), -33.46, -70.65)
                     .toString(),
                 "https://nominatim.openstreetmap.org/reverse?format=jsonv2&lat=-33.46&lon=-70.65&zoom=10&accept-language=en");
    }

    void forecastAnswerInWholeDegrees()
    {
        CurrentWeather weather{61, false, -0.4, 3.5, -2.5, QStringLiteral("2026-12-07")};
        const QByteArray body = GatewayAnswers::forecast("7", {60.39, 5.32}, "Bergen", weather, QDateTime::currentDateTimeUtc());
        QCOMPARE(fieldsOfAnswer(body), QStringList({"Bergen", "C", "12", "Rain", "0", "4", "-3"}));
    }

    void cacheKeepsAnswersForItsLifetime()
    {
        qint64 now = 1000;
        TimedCache<QByteArray> cache(600000, 10, [&now] { return now; });
        cache.insert("a", "answer");
        now += 599999;
        QCOMPARE(cache.find("a").value_or(""), "answer");
        now += 1;
        QVERIFY(!cache.find("a").has_value());
        QCOMPARE(cache.size(), 0);
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

    void requestHeads_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("refusal"); // status, or 0 when the head is read
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("keepAlive");
        QTest::addColumn<qint64>("bodyLength");
        QTest::newRow("GET") << QByteArray("GET /v1/public/yql?q=x HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n") << 0
                             << QByteArray("GET") << "/v1/public/yql" << true << 0LL;
        QTest::newRow("bare line feeds") << QByteArray("GET /a HTTP/1.1\nHost: x\n\n") << 0 << QByteArray("GET") << "/a"
                                         << true << 0LL;
        QTest::newRow("closing") << QByteArray("GET / HTTP/1.1\r\nConnection: Close\r\n\r\n") << 0 << QByteArray("GET")
                                 << "/" << false << 0LL;
        QTest::newRow("HTTP/1.0") << QByteArray("GET / HTTP/1.0\r\n\r\n") << 0 << QByteArray("GET") << "/" << false << 0LL;
        QTest::newRow("HTTP/1.0 kept") << QByteArray("GET / HTTP/1.0\r\nconnection: keep-alive\r\n\r\n") << 0
                                       << QByteArray("GET") << "/" << true << 0LL;
        QTest::newRow("body") << QByteArray("POST /x HTTP/1.1\r\nContent-Length:  12 \r\n\r\n") << 0 << QByteArray("POST")
                              << "/x" << true << 12LL;
        QTest::newRow("same length twice") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: 3\r\ncontent-length: 3\r\n\r\n")
                                           << 0 << QByteArray("POST") << "/x" << true << 3LL;
        QTest::newRow("two lengths") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\n")
                                     << 400 << QByteArray() << "" << false << 0LL;
        QTest::newRow("negative length") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: -1\r\n\r\n") << 400
                                         << QByteArray() << "" << false << 0LL;
        QTest::newRow("huge length") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n")
                                     << 400 << QByteArray() << "" << false << 0LL;
        QTest::newRow("chunked") << QByteArray("POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n") << 411
                                 << QByteArray() << "" << false << 0LL;
        QTest::newRow("folded header") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n b\r\n\r\n") << 400 << QByteArray() << ""
                                       << false << 0LL;
        QTest::newRow("no colon") << QByteArray("GET / HTTP/1.1\r\nHost\r\n\r\n") << 400 << QByteArray() << "" << false << 0LL;
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 400 << QByteArray() << "" << false << 0LL;
        QTest::newRow("no version") << QByteArray("GET /\r\n\r\n") << 400 << QByteArray() << "" << false << 0LL;
        QTest::newRow("full address") << QByteArray("GET http://x/ HTTP/1.1\r\n\r\n") << 400 << QByteArray() << "" << false
                                      << 0LL;
        QTest::newRow("space in target") << QByteArray("GET /a b HTTP/1.1\r\n\r\n") << 400 << QByteArray() << "" << false
                                         << 0LL;
        QTest::newRow("binary") << QByteArray("\x16\x03\x01\x02\x00\x01\r\n\r\n", 10) << 400 << QByteArray() << ""
                                << false << 0LL;
    }
    void requestHeads()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, refusal);
        QCOMPARE(HttpMessage::endOfHead(head), head.size());
        const auto parsed = HttpMessage::parseRequestHead(head);
        if (refusal) {
            QVERIFY(std::holds_alternative<HttpRefusal>(parsed));
            QCOMPARE(std::get<HttpRefusal>(parsed).status, refusal);
            QVERIFY(!std::get<HttpRefusal>(parsed).description.isEmpty());
            return;
        }
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(bool, keepAlive);
        QFETCH(qint64, bodyLength);
        QVERIFY(std::holds_alternative<HttpRequest>(parsed));
        const HttpRequest &request = std::get<HttpRequest>(parsed);
        QCOMPARE(request.method, method);
        QCOMPARE(request.url.path(), path);
        QCOMPARE(request.keepAlive, keepAlive);
        QCOMPARE(request.bodyLength, bodyLength);
    }

    void headEndsAtTheFirstBlankLine()
    {
        QCOMPARE(HttpMessage::endOfHead("GET / HTTP/1.1\r\nHost: x\r\n"), -1);
        QCOMPARE(HttpMessage::endOfHead("GET / HTTP/1.1\r\n"), -1);
        QCOMPARE(HttpMessage::endOfHead(""), -1);
        QCOMPARE(HttpMessage::endOfHead("GET / HTTP/1.1\r\n\r\nbody"), 18);
        QCOMPARE(HttpMessage::endOfHead("GET / HTTP/1.1\n\nGET / HTTP/1.1\n\n"), 16);
    }

    void formQueriesReadPlusAsSpace_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("q");
        QTest::newRow("plus") << QByteArray("/p?q=select+*+from+x&format=json") << "select * from x";
        QTest::newRow("percent-encoded space") << QByteArray("/p?q=a%20b") << "a b";
        QTest::newRow("encoded plus") << QByteArray("/p?q=1%2B1+%3D+2") << "1+1 = 2";
        QTest::newRow("quotes and comma") << QByteArray("/p?q=text%3D%221.5%2C+2%22") << "text=\"1.5, 2\"";
        QTest::newRow("UTF-8") << QByteArray("/p?q=Troms%C3%B8+sentrum") << QString::fromUtf8("Tromsø sentrum");
        QTest::newRow("encoded ampersand") << QByteArray("/p?q=a%26b&format=json") << "a&b";
    }
    void formQueriesReadPlusAsSpace()
    {
        QFETCH(QByteArray, target);
        QFETCH(QString, q);
        HttpRequest request;
        request.url = QUrl::fromEncoded(target);
        QCOMPARE(request.formQuery().queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), q);
    }

    void answersSayWhenTheyClose()
    {
        QCOMPARE(HttpMessage::answer(200, "{}", false),
                 QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 2\r\n\r\n{}"));
        QCOMPARE(HttpMessage::answer(408, "{\"e\":1}", true),
                 QByteArray("HTTP/1.1 408 Request Timeout\r\nContent-Type: application/json\r\nContent-Length: 7\r\n"
                            "Connection: close\r\n\r\n{\"e\":1}"));
    }
};

QTEST_GUILESS_MAIN(GatewayPartsTest)
#include "tst_gatewayparts.moc"
