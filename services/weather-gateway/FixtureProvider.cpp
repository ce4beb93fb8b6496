#include "FixtureProvider.h"

#include <QFile>

#include "OpenMeteoFormat.h"

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FixtureProvider::FixtureProvider(const QString &directory)
    : forecast_(readFile(directory + QStringLiteral("/forecast.json"))),
      place_(readFile(directory + QStringLiteral("/reverse.json")))
{ }

void FixtureProvider::fetchWeather(double, double, std::function<void(Fetched<CurrentWeather>)> done)
{
    done(OpenMeteoFormat::readForecast(forecast_));
}

void FixtureProvider::fetchPlaceName(double, double, std::function<void(Fetched<QString>)> done)
{
    done(OpenMeteoFormat::readPlaceName(place_));
}
