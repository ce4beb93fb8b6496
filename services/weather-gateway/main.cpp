// tolvek-weather-gateway: answers the app's weather queries on loopback from a
// real forecast provider (Open-Meteo and a Nominatim geocoder) or from canned
// fixtures.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

#include "FixtureProvider.h"
#include "OpenMeteoProvider.h"
#include "WeatherGateway.h"

static int fail(const QString &message)
{
    std::fprintf(stderr, "tolvek-weather-gateway: %s\n", qPrintable(message));
    return 2;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvek-weather-gateway"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));

    const UpstreamOptions upstreamDefaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Weather gateway for Tolvek Alarm."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on; 0 picks a free one."),
                                  QStringLiteral("N"), QStringLiteral("8787"));
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on."),
                                    QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption provider(QStringLiteral("provider"), QStringLiteral("fixture or open-meteo."),
                                      QStringLiteral("NAME"), QStringLiteral("open-meteo"));
    const QCommandLineOption fixtures(
        QStringLiteral("fixtures"), QStringLiteral("Directory with forecast.json and reverse.json (fixture provider)."),
        QStringLiteral("DIR"), QStringLiteral(":/weather-gateway/fixtures"));
    const QCommandLineOption forecastUrl(QStringLiteral("forecast-url"),
                                         QStringLiteral("Open-Meteo forecast endpoint."), QStringLiteral("URL"),
                                         upstreamDefaults.forecastUrl.toString());
    const QCommandLineOption geocoderUrl(QStringLiteral("geocoder-url"),
                                         QStringLiteral("Nominatim reverse geocoding endpoint."), QStringLiteral("URL"),
                                         upstreamDefaults.geocoderUrl.toString());
    const QCommandLineOption timeout(QStringLiteral("upstream-timeout-ms"),
                                     QStringLiteral("Time limit of each upstream request."), QStringLiteral("MS"),
                                     QString::number(upstreamDefaults.timeoutMsecs));
    const QCommandLineOption cacheSeconds(QStringLiteral("cache-seconds"), QStringLiteral("How long answers are kept."),
                                          QStringLiteral("S"), QStringLiteral("600"));
    const HttpLimits limitDefaults;
    const QCommandLineOption readTimeout(
        QStringLiteral("read-timeout-ms"),
        QStringLiteral("Time a client has to send a whole request, and to take its answer."), QStringLiteral("MS"),
        QString::number(limitDefaults.readTimeoutMsecs));
    const QCommandLineOption idleTimeout(QStringLiteral("idle-timeout-ms"),
                                         QStringLiteral("Time a connection may stay open with nothing in progress."),
                                         QStringLiteral("MS"), QString::number(limitDefaults.idleTimeoutMsecs));
    const QCommandLineOption maxConnections(QStringLiteral("max-connections"),
                                            QStringLiteral("Connections served at once; more are answered \"busy\"."),
                                            QStringLiteral("N"), QString::number(limitDefaults.maxConnections));
    parser.addOptions({port, listen, provider, fixtures, forecastUrl, geocoderUrl, timeout, cacheSeconds, readTimeout,
                       idleTimeout, maxConnections});
    parser.process(app);

    bool ok = false;
    const uint portNumber = parser.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        return fail(QStringLiteral("--port needs a number from 0 to 65535"));
    const QHostAddress address(parser.value(listen));
    if (address.isNull())
        return fail(QStringLiteral("--listen needs an IP address"));
    const int timeoutMsecs = parser.value(timeout).toInt(&ok);
    if (!ok || timeoutMsecs <= 0)
        return fail(QStringLiteral("--upstream-timeout-ms needs a positive number"));
    const qint64 cacheSecs = parser.value(cacheSeconds).toLongLong(&ok);
    if (!ok || cacheSecs < 0)
        return fail(QStringLiteral("--cache-seconds needs a number of seconds"));

    GatewayOptions options;
    options.cacheLifetimeMsecs = cacheSecs * 1000;
    options.limits.readTimeoutMsecs = parser.value(readTimeout).toInt(&ok);
    if (!ok || options.limits.readTimeoutMsecs <= 0)
        return fail(QStringLiteral("--read-timeout-ms needs a positive number"));
    options.limits.idleTimeoutMsecs = parser.value(idleTimeout).toInt(&ok);
    if (!ok || options.limits.idleTimeoutMsecs <= 0)
        return fail(QStringLiteral("--idle-timeout-ms needs a positive number"));
    options.limits.maxConnections = parser.value(maxConnections).toInt(&ok);
    if (!ok || options.limits.maxConnections <= 0)
        return fail(QStringLiteral("--max-connections needs a positive number"));

    std::unique_ptr<WeatherProvider> weatherProvider;
    if (parser.value(provider) == u"fixture") {
        weatherProvider = std::make_unique<FixtureProvider>(parser.value(fixtures));
    } else if (parser.value(provider) == u"open-meteo") {
        UpstreamOptions upstream;
        upstream.forecastUrl = QUrl(parser.value(forecastUrl));
        upstream.geocoderUrl = QUrl(parser.value(geocoderUrl));
        upstream.timeoutMsecs = timeoutMsecs;
        if (!upstream.forecastUrl.isValid() || !upstream.geocoderUrl.isValid())
            return fail(QStringLiteral("--forecast-url and --geocoder-url need http(s) addresses"));
        weatherProvider = std::make_unique<OpenMeteoProvider>(upstream);
    } else {
        return fail(QStringLiteral("--provider is fixture or open-meteo"));
    }

    WeatherGateway gateway(std::move(weatherProvider), options);
    const quint16 boundPort = gateway.listen(address, quint16(portNumber));
    if (boundPort == 0)
        return fail(QStringLiteral("cannot listen on %1 port %2: %3")
                        .arg(address.toString())
                        .arg(portNumber)
                        .arg(gateway.errorString()));
    // Scripts and tests read the address from this line.
    std::printf("listening on http://%s:%u\n", qPrintable(address.toString()), boundPort);
    std::fflush(stdout);
    return app.exec();
}
