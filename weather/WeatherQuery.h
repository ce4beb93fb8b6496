#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "weather/Weather.h"

// The weather service's request format and the paths read from its answers.
// Both queries go to "<host>/v1/public/yql?q=<query>&format=json".
namespace WeatherQuery {

// The path and query key that follow the configurable host address.
inline constexpr char ServicePath[] = "/v1/public/yql?q=";

// `select * from geo.placefinder where text="LAT, LON" and gflags="R"`, six decimals each.
QString placeLookupQuery(double latitude, double longitude);
// `select * from weather.forecast where woeid=ID`.
QString forecastQuery(const QString &woeid);

// Percent-escapes what may not stand in a URL (space, quotation mark, '%', '#', '<', ...),
// leaving the URL's own delimiters as they are. Empty when `text` is not plain ASCII.
QByteArray percentEscaped(const QString &text);
// host + ServicePath + query + "&format=json", escaped as a whole; empty when not ASCII.
QByteArray requestAddress(const QString &hostAddress, const QString &query);

// A complete answer: unparsable, parsed without usable "query" → "results", or its results.
struct Response
{
    enum Kind { Unparsable, NoResults, Results };
    Kind kind = Unparsable;
    QJsonObject results;
};
Response readResponse(const QByteArray &body);

// results → "Result" → "woeid" as text; a "Result" holding several places gives the first's.
// Null when there is none.
QString woeidFromResults(const QJsonObject &results);
// results → "channel", when it is an object.
std::optional<QJsonObject> channelFromResults(const QJsonObject &results);
// The record's seven fields from the channel's paths; a missing key leaves its field null.
Weather weatherFromChannel(const QJsonObject &channel);

} // namespace WeatherQuery
