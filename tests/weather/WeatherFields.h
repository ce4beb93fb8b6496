#pragma once
#include <QStringList>

#include "weather/Weather.h"
#include "weather/WeatherQuery.h"

// A record's seven fields in one list, for one-line comparisons:
// city, unit, code, text, now, high, low.
inline QStringList fieldsOf(const Weather &weather)
{
    return {weather.city,    weather.temperatureUnit, weather.conditionCode, weather.conditionText,
            weather.nowTemp, weather.highTemp,        weather.lowTemp};
}

// A forecast answer as the app reads it; empty fields when it holds no channel.
inline QStringList fieldsOfAnswer(const QByteArray &body)
{
    const auto channel = WeatherQuery::channelFromResults(WeatherQuery::readResponse(body).results);
    return fieldsOf(channel ? WeatherQuery::weatherFromChannel(*channel) : Weather());
}
