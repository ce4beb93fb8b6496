#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "GatewayQuery.h"
#include "WeatherProvider.h"

// The JSON the gateway answers with, in the structured-query service's shape:
// root → "query" → "results" → "Result" (place lookup) or "channel" (forecast).
// Every value is a string, as that service gave them.
namespace GatewayAnswers {

QByteArray placeLookup(const PlaceLookupQuery &place, const QString &woeid, const QDateTime &created);
// Temperatures in whole degrees Celsius; the condition in the app's codes.
QByteArray forecast(const QString &woeid, const PlaceLookupQuery &place, const QString &city,
                    const CurrentWeather &weather, const QDateTime &created);
// {"error": {"code": ..., "description": ...}}
QByteArray error(const QString &code, const QString &description);

} // namespace GatewayAnswers
