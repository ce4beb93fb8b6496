#pragma once
#include <QGeoCoordinate>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "weather/Weather.h"
#include "platform/StoredNames.h"
#include "weather/WeatherLocator.h"

class QNetworkReply;

// Fetches the weather at the device's location: one location fix, a place lookup
// that turns it into a place identifier (woeid), a forecast query for that
// identifier, then the record. Posts the fetch-begin broadcast when a
// fetch starts, the fetch-complete broadcast with the new Weather
// when a forecast has been read, and the fetch-failed one when it cannot be. Keeps the last record in memory.
class WeatherFetcher : public QObject
{
    Q_OBJECT
public:
    // Preference holding the weather service's host address, up to the path.
    static inline const QString BaseAddressKey = StoredNames::kWeatherServiceKey;
    // The gateway that the run script starts on this machine.
    static inline const QString DefaultBaseAddress = QStringLiteral("http://127.0.0.1:8787");
    static inline const QString FetchBeginNotification = StoredNames::Broadcast::kWeatherFetchBegin;
    static inline const QString FetchCompleteNotification = StoredNames::Broadcast::kWeatherFetchComplete;
    // Posted when a fetch with a place ends without a record: no answer, no place, a bad forecast.
    static inline const QString FetchFailedNotification = StoredNames::Broadcast::kWeatherFetchFailed;
    // Answers above this size are dropped unread; real ones are a few hundred bytes.
    static constexpr qint64 MaxResponseBytes = 1 << 20;
    // Unparsable answers are retried this many times per fetch, after 1, 2, 4 ... base delays.
    static constexpr int MaxRetries = 3;

    explicit WeatherFetcher(QObject *parent = nullptr);

    // Starts a fetch; called at launch and whenever the app comes to the foreground.
    void fetchWeather();

    // The last record, or nothing before the first forecast arrived.
    std::optional<Weather> weather() const { return weather_; }
    void setWeather(const Weather &weather) { weather_ = weather; }

    // The host address in use: the preference, or DefaultBaseAddress when unset.
    static QString serviceHostAddress();

    bool weatherFetching() const { return weatherFetching_; }
    bool locationUpdate() const { return locationUpdate_; }
    WeatherLocator *locator() { return &locator_; }
    // First retry delay in milliseconds (tests shorten it).
    void setRetryBaseDelayMsecs(int msecs) { retryBaseDelayMsecs_ = msecs; }

private:
    void locationFound(const QGeoCoordinate &coordinate);
    void locationFailed();
    void lookUpPlace();
    void fetchForecast(const QString &woeid);
    QNetworkReply *sendQuery(const QString &query);
    void replyFinished(QNetworkReply *reply);
    void requestFailed(bool placeLookup);
    void scheduleRetry();
    void fetchFailed();
    void forecastReceived(const QJsonObject &channel);

    WeatherLocator locator_;
    QNetworkAccessManager network_;
    QGeoCoordinate coordinate_;
    QPointer<QNetworkReply> woeidConnection_;
    QPointer<QNetworkReply> weatherConnection_;
    QTimer retryTimer_;
    std::optional<Weather> weather_;
    int retriesMade_ = 0;
    int retryBaseDelayMsecs_ = 1000;
    bool locationUpdate_ = false;
    bool weatherFetching_ = false;
};
