#include "weather/WeatherQuery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace WeatherQuery {

QString placeLookupQuery(double latitude, double longitude)
{
    return QString::asprintf("select * from geo.placefinder where text=\"%f, %f\" and gflags=\"R\"", latitude,
                             longitude);
}

QString forecastQuery(const QString &woeid)
{
    return QStringLiteral("select * from weather.forecast where woeid=") + woeid;
}

QByteArray percentEscaped(const QString &text)
{
    // Characters a URL may carry as they are: letters, digits, the unreserved marks
    // and the reserved delimiters (RFC 2396). Everything else becomes %XX.
    static const QByteArray kept = QByteArrayLiteral("-_.!~*'();/?:@&=+$,");
    QByteArray escaped;
    escaped.reserve(text.size() * 3);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0x7f)
            return {};
        const char a = char(u);
        if ((a >= 'a' && a <= 'z') || (a >= 'A' && a <= 'Z') || (a >= '0' && a <= '9') || kept.contains(a)) {
            escaped += a;
        } else {
            escaped += '%';
            escaped += QByteArray::number(uchar(a) >> 4, 16).toUpper();
            escaped += QByteArray::number(uchar(a) & 0xf, 16).toUpper();
        }
    }
    return escaped;
}

QByteArray requestAddress(const QString &hostAddress, const QString &query)
{
    QString host = hostAddress.trimmed();
    while (host.endsWith(u'/'))
        host.chop(1);
    return percentEscaped(host + QLatin1String(ServicePath) + query + QStringLiteral("&format=json"));
}

Response readResponse(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        // A lone string or number is well-formed JSON too; it just carries no results.
        const QJsonDocument wrapped = QJsonDocument::fromJson("[" + body + "]", &error);
        const bool fragment = error.error == QJsonParseError::NoError && wrapped.array().size() == 1;
        return {fragment ? Response::NoResults : Response::Unparsable, {}};
    }
    const QJsonValue results = document.object().value(u"query").toObject().value(u"results");
    if (!results.isObject() || results.toObject().isEmpty())
        return {Response::NoResults, {}};
    return {Response::Results, results.toObject()};
}

// The service's values are strings; a number is taken as its text, anything else as missing.
static QString textOf(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d == std::trunc(d) && std::abs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', QLocale::FloatingPointShortest);
    }
    return {};
}

QString woeidFromResults(const QJsonObject &results)
{
    const QJsonValue result = results.value(u"Result");
    const QJsonValue place = result.isArray() ? result.toArray().at(0) : result;
    return textOf(place.toObject().value(u"woeid"));
}

std::optional<QJsonObject> channelFromResults(const QJsonObject &results)
{
    const QJsonValue channel = results.value(u"channel");
    if (!channel.isObject())
        return std::nullopt;
    return channel.toObject();
}

Weather weatherFromChannel(const QJsonObject &channel)
{
    const QJsonObject item = channel.value(u"item").toObject();
    const QJsonObject condition = item.value(u"condition").toObject();
    const QJsonObject today = item.value(u"forecast").toArray().at(0).toObject();
    Weather weather;
    weather.city = textOf(channel.value(u"location").toObject().value(u"city"));
    weather.temperatureUnit = textOf(channel.value(u"units").toObject().value(u"temperature"));
    weather.conditionCode = textOf(condition.value(u"code"));
    weather.conditionText = textOf(condition.value(u"text"));
    weather.nowTemp = textOf(condition.value(u"temp"));
    weather.highTemp = textOf(today.value(u"high"));
    weather.lowTemp = textOf(today.value(u"low"));
    return weather;
}

} // namespace WeatherQuery
