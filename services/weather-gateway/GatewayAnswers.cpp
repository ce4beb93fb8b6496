#include "GatewayAnswers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "WeatherConditions.h"

namespace GatewayAnswers {

static QByteArray wrapResults(const QJsonObject &results, const QDateTime &created)
{
    const QJsonObject query{
        {"count", 1}, {"created", created.toUTC().toString(Qt::ISODate)}, {"lang", "en-US"}, {"results", results}};
    return QJsonDocument(QJsonObject{{"query", query}}).toJson(QJsonDocument::Compact);
}

static QString wholeDegrees(double celsius) { return QString::number(std::lround(celsius)); }
static QString coordinate(double degrees) { return QString::number(degrees, 'f', 2); }

QByteArray placeLookup(const PlaceLookupQuery &place, const QString &woeid, const QDateTime &created)
{
    const QJsonObject result{{"quality", "99"},
                             {"latitude", coordinate(place.latitude)},
                             {"longitude", coordinate(place.longitude)},
                             {"woeid", woeid}};
    return wrapResults({{"Result", result}}, created);
}

QByteArray forecast(const QString &woeid, const PlaceLookupQuery &place, const QString &city,
                    const CurrentWeather &weather, const QDateTime &created)
{
    const Condition condition = WeatherConditions::fromWmoCode(weather.wmoCode, weather.daytime);
    const QJsonObject today{
        {"date", weather.date}, {"high", wholeDegrees(weather.high)}, {"low", wholeDegrees(weather.low)}};
    const QJsonObject item{{"title", QStringLiteral("Conditions for %1").arg(city)},
                           {"lat", coordinate(place.latitude)},
                           {"long", coordinate(place.longitude)},
                           {"condition", QJsonObject{{"code", QString::number(condition.code)},
                                                     {"text", condition.text},
                                                     {"temp", wholeDegrees(weather.temperature)}}},
                           {"forecast", QJsonArray{today}}};
    const QJsonObject channel{{"title", QStringLiteral("Weather - %1").arg(city)},
                              {"woeid", woeid},
                              {"location", QJsonObject{{"city", city}}},
                              {"units", QJsonObject{{"temperature", "C"}}},
                              {"item", item}};
    return wrapResults({{"channel", channel}}, created);
}

QByteArray error(const QString &code, const QString &description)
{
    const QJsonObject error{{"code", code}, {"description", description}};
    return QJsonDocument(QJsonObject{{"error", error}}).toJson(QJsonDocument::Compact);
}

} // namespace GatewayAnswers
