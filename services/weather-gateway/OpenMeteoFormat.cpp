#include "OpenMeteoFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

namespace OpenMeteoFormat {

static QString degrees(double value) { return QString::number(value, 'f', 2); }

QUrl forecastUrl(const QUrl &base, double latitude, double longitude)
{
    QUrl url = base;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("latitude"), degrees(latitude));
    query.addQueryItem(QStringLiteral("longitude"), degrees(longitude));
    query.addQueryItem(QStringLiteral("current"), QStringLiteral("temperature_2m,weather_code,is_day"));
    query.addQueryItem(QStringLiteral("daily"), QStringLiteral("temperature_2m_max,temperature_2m_min"));
    // "Today" and its high and low in the place's own time zone.
    query.addQueryItem(QStringLiteral("timezone"), QStringLiteral("auto"));
    query.addQueryItem(QStringLiteral("forecast_days"), QStringLiteral("1"));
    url.setQuery(query);
    return url;
}

QUrl reverseGeocodingUrl(const QUrl &base, double latitude, double longitude)
{
    QUrl url = base;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("format"), QStringLiteral("jsonv2"));
    query.addQueryItem(QStringLiteral("lat"), degrees(latitude));
    query.addQueryItem(QStringLiteral("lon"), degrees(longitude));
    query.addQueryItem(QStringLiteral("zoom"), QStringLiteral("10")); // city level
    query.addQueryItem(QStringLiteral("accept-language"), QStringLiteral("en"));
    url.setQuery(query);
    return url;
}

static std::optional<QJsonObject> parseObject(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

Fetched<CurrentWeather> readForecast(const QByteArray &body)
{
    const auto root = parseObject(body);
    if (!root)
        return {std::nullopt, QStringLiteral("forecast is not a JSON object")};
    if (root->value(u"error").toBool())
        return {std::nullopt, QStringLiteral("forecast refused: ") + root->value(u"reason").toString()};
    const QJsonObject current = root->value(u"current").toObject();
    const QJsonObject daily = root->value(u"daily").toObject();
    const QJsonValue values[]
        = {current.value(u"temperature_2m"), current.value(u"weather_code"),
           daily.value(u"temperature_2m_max").toArray().at(0), daily.value(u"temperature_2m_min").toArray().at(0)};
    for (const QJsonValue &value : values) {
        if (!value.isDouble())
            return {std::nullopt, QStringLiteral("forecast lacks temperatures or weather code")};
    }
    CurrentWeather weather;
    weather.temperature = values[0].toDouble();
    weather.wmoCode = values[1].toInt(-1);
    weather.high = values[2].toDouble();
    weather.low = values[3].toDouble();
    weather.daytime = current.value(u"is_day").toInt(1) != 0;
    weather.date = daily.value(u"time").toArray().at(0).toString().left(10);
    return {weather, {}};
}

Fetched<QString> readPlaceName(const QByteArray &body)
{
    const auto root = parseObject(body);
    if (!root)
        return {std::nullopt, QStringLiteral("place is not a JSON object")};
    const QJsonObject address = root->value(u"address").toObject();
    for (const char16_t *key : {u"city", u"town", u"village", u"municipality", u"county", u"state", u"country"}) {
        const QString name = address.value(QStringView(key)).toString().trimmed();
        if (!name.isEmpty())
            return {name.left(100), {}};
    }
    const QString name = root->value(u"name").toString().trimmed();
    if (!name.isEmpty())
        return {name.left(100), {}};
    return {std::nullopt, QStringLiteral("no place name: ") + root->value(u"error").toString()};
}

} // namespace OpenMeteoFormat
