#pragma once
#include <QAbstractHttpServer>
#include <QHash>
#include <QPointer>
#include <QTcpSocket>
#include <memory>

#include "GatewayQuery.h"
#include "TimedCache.h"
#include "WeatherProvider.h"

struct GatewayOptions
{
    qint64 cacheLifetimeMsecs = 10 * 60 * 1000;
    qsizetype cacheCapacity = 4096; // places
};

// The weather service the app talks to: GET /v1/public/yql?q=QUERY&format=json
// answering the place lookup and the forecast queries in the structured-query
// service's JSON shape, with forecasts from a WeatherProvider. Anything else is
// a 4xx with a JSON error; a provider failure is a 502 with a JSON error.
class WeatherGateway : public QAbstractHttpServer
{
    Q_OBJECT
public:
    // Longer request targets are refused unread.
    static constexpr qsizetype MaxTargetLength = 2048;

    explicit WeatherGateway(std::unique_ptr<WeatherProvider> provider, const GatewayOptions &options = {},
                            TimedCache<QByteArray>::MonotonicClock clock = TimedCache<QByteArray>::steadyClock(),
                            QObject *parent = nullptr);

Q_SIGNALS:
    // After each answer: the query text as decoded ("" when there was none) and the status.
    void answered(const QString &query, int status);
    // When a forecast is not in the cache and the provider is asked for it.
    void upstreamFetchStarted(const QString &woeid);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Waiting
    {
        QPointer<QTcpSocket> socket;
        QString query;
    };

    void answerQuery(const QString &query, QTcpSocket *socket);
    void answerForecast(const QString &woeid, const QString &query, QTcpSocket *socket);
    void fetchForecast(const QString &woeid, const PlaceLookupQuery &place);
    void finishForecast(const QString &woeid, int status, const QByteArray &body);
    void respond(QTcpSocket *socket, int status, const QByteArray &body, const QString &query);
    void respondError(QTcpSocket *socket, int status, const QueryError &error, const QString &query);

    std::unique_ptr<WeatherProvider> provider_;
    TimedCache<QByteArray> cache_;
    // Clients waiting for a forecast that is being fetched, by woeid: one upstream call serves them all.
    QHash<QString, QList<Waiting>> waiting_;
};
