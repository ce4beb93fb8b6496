// The gateway's pieces without the network: query shapes, place identifiers,
// condition codes, the answer cache's bound and the HTTP request head. What
// the gateway makes of upstream answers, and chunked or binary request heads, are
// tested over HTTP (tst_weathergateway).
#include <QTest>

#include "GatewayQuery.h"
#include "HttpMessage.h"
#include "PlaceId.h"
#include "TimedCache.h"
#include "WeatherConditions.h"

class GatewayPartsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        } places[] = {{30.25, 120.16, 30.25, 120.16},
                      {59.91234, 10.74876, 59.91, 10.75},
                      {-33.4575, -70.6503, -33.46, -70.65},
                      {0, 0, 0, 0},
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

    void conditionsOnTheClockFace()
    {
        const struct
        {
            int wmo;
            bool day;
            int code;
            const char *text;
        } conditions[] = {{0, true, 32, "Sunny"},
                          {0, false, 31, "Clear"},
                          {1, false, 33, "Fair"},
                          {2, false, 29, "Partly Cloudy"},
                          {3, true, 26, "Cloudy"},
                          {48, true, 20, "Foggy"},
                          {57, true, 8, "Freezing Drizzle"},
                          {65, true, 12, "Rain"},
                          {66, true, 10, "Freezing Rain"},
                          {75, true, 41, "Heavy Snow"},
                          {80, true, 40, "Scattered Showers"},
                          {85, true, 46, "Snow Showers"},
                          {99, true, 3, "Severe Thunderstorms"},
                          {42, true, 3200, "Not Available"},
                          {-1, true, 3200, "Not Available"}};
        for (const auto &c : conditions) {
            const Condition got = WeatherConditions::fromWmoCode(c.wmo, c.day);
            QVERIFY2(got.code == c.code && got.text == QLatin1String(c.text),
                     qPrintable(QStringLiteral("WMO %1: %2 %3").arg(c.wmo).arg(got.code).arg(got.text)));
        }
        // Any code at all gives one the clock face has a picture for.
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

    void requestHeads_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("refusal"); // status, or 0 when the head is read
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("keepAlive");
        QTest::addColumn<qint64>("bodyLength");
        const struct
        {
            const char *name;
            QByteArray head;
            int refusal = 0;
            QByteArray method = {};
            QString path = {};
            bool keepAlive = false;
            qint64 bodyLength = 0;
        } heads[] = {
            {"GET", "GET /v1/public/yql?q=x HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 0, "GET", "/v1/public/yql", true},
            {"bare line feeds", "GET /a HTTP/1.1\nHost: x\n\n", 0, "GET", "/a", true},
            {"closing", "GET / HTTP/1.1\r\nConnection: Close\r\n\r\n", 0, "GET", "/", false},
            {"HTTP/1.0", "GET / HTTP/1.0\r\n\r\n", 0, "GET", "/", false},
            {"HTTP/1.0 kept", "GET / HTTP/1.0\r\nconnection: keep-alive\r\n\r\n", 0, "GET", "/", true},
            {"body", "POST /x HTTP/1.1\r\nContent-Length:  12 \r\n\r\n", 0, "POST", "/x", true, 12},
            {"same length twice", "POST /x HTTP/1.1\r\nContent-Length: 3\r\ncontent-length: 3\r\n\r\n", 0, "POST", "/x",
             true, 3},
            {"two lengths", "POST /x HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\n", 400},
            {"negative length", "POST /x HTTP/1.1\r\nContent-Length: -1\r\n\r\n", 400},
            {"huge length", "POST /x HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n", 400},
            {"folded header", "GET / HTTP/1.1\r\nHost: a\r\n b\r\n\r\n", 400},
            {"no colon", "GET / HTTP/1.1\r\nHost\r\n\r\n", 400},
            {"HTTP/2", "GET / HTTP/2.0\r\n\r\n", 400},
            {"no version", "GET /\r\n\r\n", 400},
            {"full address", "GET http://x/ HTTP/1.1\r\n\r\n", 400},
            {"space in target", "GET /a b HTTP/1.1\r\n\r\n", 400},
        };
        for (const auto &h : heads)
            QTest::newRow(h.name) << h.head << h.refusal << h.method << h.path << h.keepAlive << h.bodyLength;
    }
    void requestHeads()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, refusal);
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(bool, keepAlive);
        QFETCH(qint64, bodyLength);
        QCOMPARE(HttpMessage::endOfHead(head), head.size());
        const auto parsed = HttpMessage::parseRequestHead(head);
        if (refusal) {
            QVERIFY(std::holds_alternative<HttpRefusal>(parsed));
            QCOMPARE(std::get<HttpRefusal>(parsed).status, refusal);
            QVERIFY(!std::get<HttpRefusal>(parsed).description.isEmpty());
            return;
        }
        QVERIFY(std::holds_alternative<HttpRequest>(parsed));
        const HttpRequest &request = std::get<HttpRequest>(parsed);
        QCOMPARE(request.method, method);
        QCOMPARE(request.url.path(), path);
        QCOMPARE(request.keepAlive, keepAlive);
        QCOMPARE(request.bodyLength, bodyLength);
    }
};

QTEST_GUILESS_MAIN(GatewayPartsTest)
#include "tst_gatewayparts.moc"
