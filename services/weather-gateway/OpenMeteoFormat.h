#pragma once
#include <QByteArray>
#include <QUrl>

#include "WeatherProvider.h"

// The upstream services' request and answer formats: the Open-Meteo forecast
// (keyless) and an OpenStreetMap Nominatim reverse geocoder (keyless).
namespace OpenMeteoFormat {

QUrl forecastUrl(const QUrl &base, double latitude, double longitude);
QUrl reverseGeocodingUrl(const QUrl &base, double latitude, double longitude);

// "current" → temperature_2m, weather_code, is_day; "daily" → element 0 of
// temperature_2m_max, temperature_2m_min and time.
Fetched<CurrentWeather> readForecast(const QByteArray &body);
// "address" → city, town, village, municipality, county, state or country, else "name".
Fetched<QString> readPlaceName(const QByteArray &body);

} // namespace OpenMeteoFormat
