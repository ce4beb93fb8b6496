#include "OpenMeteoProvider.h"

#include <QNetworkReply>

#include "OpenMeteoFormat.h"

OpenMeteoProvider::OpenMeteoProvider(const UpstreamOptions &options) : options_(options) { }

void OpenMeteoProvider::fetchWeather(double latitude, double longitude,
                                     std::function<void(Fetched<CurrentWeather>)> done)
{
    get(OpenMeteoFormat::forecastUrl(options_.forecastUrl, latitude, longitude),
        [done = std::move(done)](Fetched<QByteArray> body) {
            done(body.value ? OpenMeteoFormat::readForecast(*body.value) : Fetched<CurrentWeather>{{}, body.error});
        });
}

void OpenMeteoProvider::fetchPlaceName(double latitude, double longitude, std::function<void(Fetched<QString>)> done)
{
    get(OpenMeteoFormat::reverseGeocodingUrl(options_.geocoderUrl, latitude, longitude),
        [done = std::move(done)](Fetched<QByteArray> body) {
            done(body.value ? OpenMeteoFormat::readPlaceName(*body.value) : Fetched<QString>{{}, body.error});
        });
}

void OpenMeteoProvider::get(const QUrl &url, std::function<void(Fetched<QByteArray>)> done)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(options_.timeoutMsecs);
    // The public geocoder asks every client to name itself.
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("tolvek-weather-gateway/" TOLVEK_VERSION " (Tolvek Alarm weather gateway)"));
    QNetworkReply *reply = network_.get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxUpstreamBytes || total > MaxUpstreamBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
            done({std::nullopt, QStringLiteral("%1: %2").arg(reply->url().host(), reply->errorString())});
            return;
        }
        done({reply->readAll(), {}});
    });
}
