#include "WeatherGateway.h"

#include <QDateTime>
#include <QUrlQuery>

#include "GatewayAnswers.h"
#include "PlaceId.h"

WeatherGateway::WeatherGateway(std::unique_ptr<WeatherProvider> provider, const GatewayOptions &options,
                               TimedCache<QByteArray>::MonotonicClock clock, QObject *parent)
    : QObject(parent),
      front_(options.limits, &GatewayAnswers::error),
      provider_(std::move(provider)),
      cache_(options.cacheLifetimeMsecs, options.cacheCapacity, std::move(clock))
{
    connect(&front_, &HttpFront::requestReceived, this, &WeatherGateway::handleRequest);
}

quint16 WeatherGateway::listen(const QHostAddress &address, quint16 port) { return front_.listen(address, port); }

void WeatherGateway::handleRequest(HttpConnection *connection, const HttpRequest &request)
{
    if (request.url.toEncoded().size() > MaxTargetLength) {
        respondError(connection, 400, {QStringLiteral("request-too-long"), QStringLiteral("The request is too long.")},
                     {});
        return;
    }
    if (request.url.path() != u"/v1/public/yql") {
        respondError(connection, 404, {QStringLiteral("not-found"), QStringLiteral("The only path is /v1/public/yql.")},
                     {});
        return;
    }
    if (request.method != "GET") {
        respondError(connection, 405, {QStringLiteral("method-not-allowed"), QStringLiteral("Only GET is answered.")},
                     {});
        return;
    }
    const QUrlQuery parameters = request.formQuery();
    const QStringList queries = parameters.allQueryItemValues(QStringLiteral("q"), QUrl::FullyDecoded);
    const QString query = queries.value(0);
    if (queries.size() != 1 || parameters.queryItemValue(QStringLiteral("format")) != u"json") {
        respondError(connection, 400,
                     {QStringLiteral("bad-request"), QStringLiteral("Send exactly one q=QUERY and format=json.")},
                     query);
        return;
    }
    answerQuery(query, connection);
}

void WeatherGateway::answerQuery(const QString &query, HttpConnection *connection)
{
    const auto parsed = GatewayQuery::parse(query);
    if (const auto *error = std::get_if<QueryError>(&parsed)) {
        respondError(connection, 400, *error, query);
    } else if (const auto *lookup = std::get_if<PlaceLookupQuery>(&parsed)) {
        // The identifier is the place itself: no upstream call needed.
        const QString woeid = PlaceId::mint(lookup->latitude, lookup->longitude);
        respond(connection, 200,
                GatewayAnswers::placeLookup(*PlaceId::decode(woeid), woeid, QDateTime::currentDateTimeUtc()), query);
    } else {
        answerForecast(std::get<ForecastQuery>(parsed).woeid, query, connection);
    }
}

void WeatherGateway::answerForecast(const QString &woeid, const QString &query, HttpConnection *connection)
{
    const auto place = PlaceId::decode(woeid);
    if (!place) {
        respondError(connection, 400,
                     {QStringLiteral("bad-woeid"), QStringLiteral("The woeid is not one this service gave out.")},
                     query);
        return;
    }
    if (const auto cached = cache_.find(woeid)) {
        respond(connection, 200, *cached, query);
        return;
    }
    QList<Waiting> &waiting = waiting_[woeid];
    waiting.append({connection, query});
    if (waiting.size() == 1)
        fetchForecast(woeid, *place);
}

void WeatherGateway::fetchForecast(const QString &woeid, const PlaceLookupQuery &place)
{
    Q_EMIT upstreamFetchStarted(woeid);
    provider_->fetchWeather(place.latitude, place.longitude, [this, woeid, place](Fetched<CurrentWeather> weather) {
        if (!weather.value) {
            qWarning("weather gateway: forecast for %s failed: %s", qPrintable(woeid), qPrintable(weather.error));
            finishForecast(
                woeid, 502,
                GatewayAnswers::error(QStringLiteral("upstream-failed"),
                                      QStringLiteral("The forecast provider did not answer: ") + weather.error));
            return;
        }
        provider_->fetchPlaceName(
            place.latitude, place.longitude, [this, woeid, place, current = *weather.value](Fetched<QString> name) {
                // A forecast without a town name is still a forecast (open sea, geocoder down).
                const QString city = name.value.value_or(
                    QStringLiteral("%1, %2").arg(place.latitude, 0, 'f', 2).arg(place.longitude, 0, 'f', 2));
                const QByteArray body
                    = GatewayAnswers::forecast(woeid, place, city, current, QDateTime::currentDateTimeUtc());
                cache_.insert(woeid, body);
                finishForecast(woeid, 200, body);
            });
    });
}

void WeatherGateway::finishForecast(const QString &woeid, int status, const QByteArray &body)
{
    const QList<Waiting> waiting = waiting_.take(woeid);
    for (const Waiting &client : waiting) {
        if (client.connection)
            respond(client.connection, status, body, client.query);
    }
}

void WeatherGateway::respond(HttpConnection *connection, int status, const QByteArray &body, const QString &query)
{
    connection->respond(status, body);
    Q_EMIT answered(query, status);
}

void WeatherGateway::respondError(HttpConnection *connection, int status, const QueryError &error, const QString &query)
{
    respond(connection, status, GatewayAnswers::error(error.code, error.description), query);
}
