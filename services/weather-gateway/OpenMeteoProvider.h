#pragma once
#include <QNetworkAccessManager>
#include <QUrl>

#include "WeatherProvider.h"

struct UpstreamOptions
{
    QUrl forecastUrl = QUrl(QStringLiteral("https://api.open-meteo.com/v1/forecast"));
    QUrl geocoderUrl = QUrl(QStringLiteral("https://nominatim.openstreetmap.org/reverse"));
    int timeoutMsecs = 8000; // per upstream request, connection to last byte
};

// Forecasts from Open-Meteo and place names from a Nominatim reverse geocoder,
// over HTTP with a time limit on every request.
class OpenMeteoProvider : public WeatherProvider
{
public:
    // Upstream answers above this size are dropped; real ones are a few kilobytes.
    static constexpr qint64 MaxUpstreamBytes = 1 << 20;

    explicit OpenMeteoProvider(const UpstreamOptions &options = {});

    void fetchWeather(double latitude, double longitude, std::function<void(Fetched<CurrentWeather>)> done) override;
    void fetchPlaceName(double latitude, double longitude, std::function<void(Fetched<QString>)> done) override;

private:
    void get(const QUrl &url, std::function<void(Fetched<QByteArray>)> done);

    UpstreamOptions options_;
    QNetworkAccessManager network_;
};
