#pragma once
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <memory>

#include "GatewayQuery.h"
#include "HttpFront.h"
#include "TimedCache.h"
#include "WeatherProvider.h"

struct GatewayOptions
{
    qint64 cacheLifetimeMsecs = 10 * 60 * 1000;
    qsizetype cacheCapacity = 4096; // places
    HttpLimits limits;
};

// The weather service the app talks to: GET /v1/public/yql?q=QUERY&format=json
// answering the place lookup and the forecast queries in the structured-query
// service's JSON shape, with forecasts from a WeatherProvider. Anything else is
// a 4xx with a JSON error; a provider failure is a 502 with a JSON error.
class WeatherGateway : public QObject
{
    Q_OBJECT
public:
    // Longer request targets are refused unread.
    static constexpr qsizetype MaxTargetLength = 2048;

    explicit WeatherGateway(std::unique_ptr<WeatherProvider> provider, const GatewayOptions &options = {},
                            TimedCache<QByteArray>::MonotonicClock clock = TimedCache<QByteArray>::steadyClock(),
                            QObject *parent = nullptr);

    // The port listened on (the one picked when `port` is 0), or 0 with errorString() set.
    quint16 listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return front_.errorString(); }

Q_SIGNALS:
    // After each answer: the query text as decoded ("" when there was none) and the status.
    void answered(const QString &query, int status);
    // When a forecast is not in the cache and the provider is asked for it.
    void upstreamFetchStarted(const QString &woeid);

private:
    struct Waiting
    {
        QPointer<HttpConnection> connection;
        QString query;
    };

    void handleRequest(HttpConnection *connection, const HttpRequest &request);
    void answerQuery(const QString &query, HttpConnection *connection);
    void answerForecast(const QString &woeid, const QString &query, HttpConnection *connection);
    void fetchForecast(const QString &woeid, const PlaceLookupQuery &place);
    void finishForecast(const QString &woeid, int status, const QByteArray &body);
    void respond(HttpConnection *connection, int status, const QByteArray &body, const QString &query);
    void respondError(HttpConnection *connection, int status, const QueryError &error, const QString &query);

    HttpFront front_;
    std::unique_ptr<WeatherProvider> provider_;
    TimedCache<QByteArray> cache_;
    // Clients waiting for a forecast that is being fetched, by woeid: one upstream call serves them all.
    QHash<QString, QList<Waiting>> waiting_;
};
