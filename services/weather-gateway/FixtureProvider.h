#pragma once
#include <QByteArray>
#include <QString>

#include "WeatherProvider.h"

// Canned answers for tests and offline demos: the upstream services' own formats
// read from "forecast.json" and "reverse.json" in a directory (by default the
// copies built into the program), for every place alike.
class FixtureProvider : public WeatherProvider
{
public:
    explicit FixtureProvider(const QString &directory = QStringLiteral(":/weather-gateway/fixtures"));

    void fetchWeather(double latitude, double longitude, std::function<void(Fetched<CurrentWeather>)> done) override;
    void fetchPlaceName(double latitude, double longitude, std::function<void(Fetched<QString>)> done) override;

private:
    QByteArray forecast_;
    QByteArray place_;
};
