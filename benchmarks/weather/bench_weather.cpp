// Prints: the gateway's answers per second for a cached forecast over loopback
// (the gateway runs as its own process, in fixture mode), and the app's fetch
// from location fix to weather record against it.
#include "../Figures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGeoPositionInfoSource>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "ProcessStats.h"
#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "weather/WeatherFetcher.h"

static QByteArray get(QNetworkAccessManager &network, const QByteArray &url)
{
    QNetworkReply *reply = network.get(QNetworkRequest(QUrl::fromEncoded(url)));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->readAll();
}

static double answersPerSecond(const QByteArray &url, int total, int inFlight)
{
    QNetworkAccessManager network;
    int sent = 0;
    int done = 0;
    int failed = 0;
    QEventLoop loop;
    std::function<void()> sendOne = [&] {
        QNetworkReply *reply = network.get(QNetworkRequest(QUrl::fromEncoded(url)));
        ++sent;
        QObject::connect(reply, &QNetworkReply::finished, [&, reply] {
            reply->deleteLater();
            if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
                ++failed;
            if (++done == total)
                loop.quit();
            else if (sent < total)
                sendOne();
        });
    };
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < inFlight; ++i)
        sendOne();
    loop.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (failed)
        std::printf("  (%d answers were not 200)\n", failed);
    return total / seconds;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());

    QProcess gateway;
    gateway.start(QStringLiteral(TOLVEK_WEATHER_GATEWAY_PATH), {"--port", "0", "--provider", "fixture"});
    if (!gateway.waitForStarted() || !gateway.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_weather: the gateway did not start\n");
        return 1;
    }
    const QByteArray line = gateway.readLine().trimmed();
    const QByteArray host = line.mid(line.indexOf("http://"));
    std::printf("gateway %s (fixture provider, own process)\n", host.constData());

    // Learn the identifier the way the app does, then warm the cache with one forecast.
    QNetworkAccessManager network;
    const QByteArray lookup
        = get(network, host
                           + "/v1/public/yql?q=select%20*%20from%20geo.placefinder%20where%20"
                             "text=%2230.250000,%20120.160000%22%20and%20gflags=%22R%22&format=json");
    const QByteArray woeid = lookup.mid(lookup.indexOf("\"woeid\":\"") + 9).split('"').value(0);
    const QByteArray forecast
        = host + "/v1/public/yql?q=select%20*%20from%20weather.forecast%20where%20woeid=" + woeid + "&format=json";
    get(network, forecast);

    for (int inFlight : {1, 6}) {
        answersPerSecond(forecast, 500, inFlight); // warm-up
        const double cpuBefore = ProcessStats::cpuSeconds(gateway.processId());
        const int total = 20000;
        const double rate = answersPerSecond(forecast, total, inFlight);
        const double cpuPerAnswer = (ProcessStats::cpuSeconds(gateway.processId()) - cpuBefore) / total;
        // The client shares the machine's cores with the gateway; the gateway's own CPU
        // time per answer says what one core of it can serve.
        std::printf("cached forecast, %d request(s) in flight: %.0f answers/s (target > 2000); "
                    "gateway CPU %.0f us/answer = %.0f answers/s per core\n",
                    inFlight, rate, cpuPerAnswer * 1e6, cpuPerAnswer > 0 ? 1 / cpuPerAnswer : 0.0);
        reportFigure("Weather gateway, cached forecast, " + std::to_string(inFlight) + " in flight",
                     withUnit(rate, "answers/s", 0), "> 2000 answers/s", rate > 2000);
    }

    // The app's fetch: from the location fix to the broadcast record.
    Preferences::shared().setString(WeatherFetcher::BaseAddressKey, QString::fromLatin1(host));
    WeatherFetcher fetcher;
    fetcher.locator()->setSourceFactory([](QObject *parent) {
        return QGeoPositionInfoSource::createSource(
            QStringLiteral("nmea"), {{QStringLiteral("nmea.source"), QStringLiteral(TOLVEK_NMEA_LOG)}}, parent);
    });
    QElapsedTimer sinceFix;
    QObject::connect(fetcher.locator(), &WeatherLocator::located, [&] {
        if (!sinceFix.isValid())
            sinceFix.start();
    });
    QList<double> msecs;
    QEventLoop loop;
    QObject receiver;
    Broadcaster::shared().addObserver(&receiver, WeatherFetcher::FetchCompleteNotification,
                                      [&](const QVariant &record) {
                                          if (record.canConvert<Weather>())
                                              msecs.append(sinceFix.nsecsElapsed() / 1e6);
                                          loop.quit();
                                      });
    for (int i = 0; i < 30; ++i) {
        sinceFix.invalidate();
        fetcher.fetchWeather();
        loop.exec();
    }
    std::sort(msecs.begin(), msecs.end());
    reportFigure("Weather fetch, location fix to record (median)",
                 msecs.size() == 30 ? withUnit(msecs.at(15), "ms", 2) : "failed", "< 300 ms",
                 msecs.size() == 30 && msecs.at(15) < 300);
    if (msecs.size() == 30)
        std::printf("app fetch, fix to record (30 fetches): median %.2f ms, worst %.2f ms (target < 300 ms)\n",
                    msecs.at(15), msecs.last());
    else
        std::printf("app fetch: only %lld of 30 fetches produced a record\n", qlonglong(msecs.size()));

    gateway.terminate();
    gateway.waitForFinished();
    return 0;
}
