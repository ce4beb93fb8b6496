// The request format and the answer paths of the weather service, byte for
// byte (the whole request is checked on the wire in tst_weatherfetcher), and
// the place the time zone stands for.
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "weather/Reachability.h"
#include "weather/TimeZoneLocation.h"
#include "weather/WeatherFields.h"
#include "weather/WeatherQuery.h"

using namespace WeatherQuery;

class WeatherQueryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(WeatherQueryTest)
#include "tst_weatherquery.moc"
