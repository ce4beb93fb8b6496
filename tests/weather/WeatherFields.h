#pragma once
#include <QStringList>

#include "weather/ZEBWeather.h"
#include "weather/ZEBWeatherQuery.h"

// A record's seven fields in one list, for one-line comparisons:
// city, unit, code, text, now, high, low.
inline QStringList fieldsOf(const ZEBWeather &weather)
{
    return {weather.cityString, weather.temperatureUnit, weather.conditionCodeString, weather.conditionTextString,
            weather.nowTemp,    weather.highTemp,        weather.lowTemp};
}

// A forecast answer as the app reads it; empty fields when it holds no channel.
inline QStringList fieldsOfAnswer(const QByteArray &body)
{
    const auto channel = ZEBWeatherQuery::channelFromResults(ZEBWeatherQuery::readResponse(body).results);
    return fieldsOf(channel ? ZEBWeatherQuery::weatherFromChannel(*channel) : ZEBWeather());
}
