#include "WeatherGateway.h"

#include <QDateTime>
#include <QHttpServerRequest>
#include <QUrlQuery>

#include "GatewayAnswers.h"
#include "PlaceId.h"

static const char *reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 502: return "Bad Gateway";
    default: return "Error";
    }
}

WeatherGateway::WeatherGateway(std::unique_ptr<WeatherProvider> provider, const GatewayOptions &options,
                               TimedCache<QByteArray>::MonotonicClock clock, QObject *parent)
    : QAbstractHttpServer(parent),
      provider_(std::move(provider)),
      cache_(options.cacheLifetimeMsecs, options.cacheCapacity, std::move(clock))
{
}

bool WeatherGateway::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    if (request.url().toEncoded().size() > MaxTargetLength) {
        respondError(socket, 400, {QStringLiteral("request-too-long"), QStringLiteral("The request is too long.")}, {});
        return true;
    }
    if (request.url().path() != u"/v1/public/yql") {
        respondError(socket, 404, {QStringLiteral("not-found"), QStringLiteral("The only path is /v1/public/yql.")}, {});
        return true;
    }
    if (request.method() != QHttpServerRequest::Method::Get) {
        respondError(socket, 405, {QStringLiteral("method-not-allowed"), QStringLiteral("Only GET is answered.")}, {});
        return true;
    }
    const QUrlQuery parameters(request.url());
    const QStringList queries = parameters.allQueryItemValues(QStringLiteral("q"), QUrl::FullyDecoded);
    const QString query = queries.value(0);
    if (queries.size() != 1 || parameters.queryItemValue(QStringLiteral("format")) != u"json") {
        respondError(socket, 400,
                     {QStringLiteral("bad-request"), QStringLiteral("Send exactly one q=QUERY and format=json.")}, query);
        return true;
    }
    answerQuery(query, socket);
    return true;
}

void WeatherGateway::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    respondError(socket, 404, {QStringLiteral("not-found"), QStringLiteral("The only path is /v1/public/yql.")}, {});
}

void WeatherGateway::answerQuery(const QString &query, QTcpSocket *socket)
{
    const auto parsed = GatewayQuery::parse(query);
    if (const auto *error = std::get_if<QueryError>(&parsed)) {
        respondError(socket, 400, *error, query);
    } else if (const auto *lookup = std::get_if<PlaceLookupQuery>(&parsed)) {
        // The identifier is the place itself: no upstream call needed.
        const QString woeid = PlaceId::mint(lookup->latitude, lookup->longitude);
        respond(socket, 200,
                GatewayAnswers::placeLookup(*PlaceId::decode(woeid), woeid, QDateTime::currentDateTimeUtc()), query);
    } else {
        answerForecast(std::get<ForecastQuery>(parsed).woeid, query, socket);
    }
}

void WeatherGateway::answerForecast(const QString &woeid, const QString &query, QTcpSocket *socket)
{
    const auto place = PlaceId::decode(woeid);
    if (!place) {
        respondError(socket, 400,
                     {QStringLiteral("bad-woeid"), QStringLiteral("The woeid is not one this service gave out.")}, query);
        return;
    }
    if (const auto cached = cache_.find(woeid)) {
        respond(socket, 200, *cached, query);
        return;
    }
    QList<Waiting> &waiting = waiting_[woeid];
    waiting.append({socket, query});
    if (waiting.size() == 1)
        fetchForecast(woeid, *place);
}

void WeatherGateway::fetchForecast(const QString &woeid, const PlaceLookupQuery &place)
{
    Q_EMIT upstreamFetchStarted(woeid);
    provider_->fetchWeather(place.latitude, place.longitude, [this, woeid, place](Fetched<CurrentWeather> weather) {
        if (!weather.value) {
            qWarning("weather gateway: forecast for %s failed: %s", qPrintable(woeid), qPrintable(weather.error));
            finishForecast(woeid, 502,
                           GatewayAnswers::error(QStringLiteral("upstream-failed"),
                                                 QStringLiteral("The forecast provider did not answer: ") + weather.error));
            return;
        }
        provider_->fetchPlaceName(place.latitude, place.longitude,
                                  [this, woeid, place, current = *weather.value](Fetched<QString> name) {
            // A forecast without a town name is still a forecast (open sea, geocoder down).
            const QString city = name.value.value_or(
                QStringLiteral("%1, %2").arg(place.latitude, 0, 'f', 2).arg(place.longitude, 0, 'f', 2));
            const QByteArray body =
                GatewayAnswers::forecast(woeid, place, city, current, QDateTime::currentDateTimeUtc());
            cache_.insert(woeid, body);
            finishForecast(woeid, 200, body);
        });
    });
}

void WeatherGateway::finishForecast(const QString &woeid, int status, const QByteArray &body)
{
    const QList<Waiting> waiting = waiting_.take(woeid);
    for (const Waiting &client : waiting) {
        if (client.socket)
            respond(client.socket, status, body, client.query);
    }
}

void WeatherGateway::respond(QTcpSocket *socket, int status, const QByteArray &body, const QString &query)
{
    if (socket->state() == QAbstractSocket::ConnectedState) {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
        head += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
        socket->write(head + body);
    }
    Q_EMIT answered(query, status);
}

void WeatherGateway::respondError(QTcpSocket *socket, int status, const QueryError &error, const QString &query)
{
    respond(socket, status, GatewayAnswers::error(error.code, error.description), query);
}
