#include "weather/WeatherFetcher.h"

#include <QNetworkReply>
#include <algorithm>

#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "weather/WeatherQuery.h"

WeatherFetcher::WeatherFetcher(QObject *parent) : QObject(parent)
{
    connect(&locator_, &WeatherLocator::located, this, &WeatherFetcher::locationFound);
    connect(&locator_, &WeatherLocator::unavailable, this, &WeatherFetcher::locationFailed);
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &WeatherFetcher::lookUpPlace);
}

QString WeatherFetcher::serviceHostAddress()
{
    const QString configured = Preferences::shared().stringForKey(BaseAddressKey).trimmed();
    return configured.isEmpty() ? DefaultBaseAddress : configured;
}

void WeatherFetcher::fetchWeather()
{
    Broadcaster::shared().post(FetchBeginNotification);
    locationUpdate_ = false;
    retriesMade_ = 0;
    locator_.locate();
}

void WeatherFetcher::locationFound(const QGeoCoordinate &coordinate)
{
    // Only the first fix of a fetch counts.
    if (locationUpdate_)
        return;
    locationUpdate_ = true;
    locator_.stop();
    coordinate_ = coordinate;
    lookUpPlace();
}

void WeatherFetcher::locationFailed()
{
    // No place at all: the fetch ends here. The completion without a record lets the
    // clock face replace its "Loading" note with the location-service one.
    Broadcaster::shared().post(FetchCompleteNotification);
}

void WeatherFetcher::lookUpPlace()
{
    if (weatherFetching_)
        return;
    if (QNetworkReply *old = woeidConnection_) {
        woeidConnection_.clear();
        old->abort();
    }
    const double latitude = coordinate_.isValid() ? coordinate_.latitude() : 0;
    const double longitude = coordinate_.isValid() ? coordinate_.longitude() : 0;
    woeidConnection_ = sendQuery(WeatherQuery::placeLookupQuery(latitude, longitude));
    weatherFetching_ = woeidConnection_ != nullptr;
    if (!weatherFetching_)
        fetchFailed();
}

void WeatherFetcher::fetchForecast(const QString &woeid)
{
    if (QNetworkReply *old = weatherConnection_) {
        weatherConnection_.clear();
        old->abort();
    }
    weatherConnection_ = sendQuery(WeatherQuery::forecastQuery(woeid));
    if (!weatherConnection_)
        fetchFailed();
}

QNetworkReply *WeatherFetcher::sendQuery(const QString &query)
{
    const QByteArray address = WeatherQuery::requestAddress(serviceHostAddress(), query);
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    if (address.isEmpty() || !url.isValid() || url.scheme().isEmpty())
        return nullptr;
    QNetworkRequest request(url);
    request.setTransferTimeout(30000);
    QNetworkReply *reply = network_.get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxResponseBytes || total > MaxResponseBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { replyFinished(reply); });
    return reply;
}

void WeatherFetcher::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const bool placeLookup = reply == woeidConnection_;
    if (!placeLookup && reply != weatherConnection_)
        return; // cancelled, or replaced by a newer fetch
    (placeLookup ? woeidConnection_ : weatherConnection_).clear();

    // An HTTP status means the service answered, even with an error status; its body
    // says what happened. No answer, or one dropped for its size, is a failure.
    const QByteArray body = reply->read(MaxResponseBytes + 1);
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()
                          && reply->error() != QNetworkReply::OperationCanceledError;
    if ((reply->error() != QNetworkReply::NoError && !answered) || body.size() > MaxResponseBytes) {
        requestFailed(placeLookup);
        return;
    }
    // A lookup ends with this answer whatever it holds, so the next one may start.
    if (placeLookup)
        weatherFetching_ = false;

    const WeatherQuery::Response response = WeatherQuery::readResponse(body);
    if (response.kind == WeatherQuery::Response::Unparsable) {
        scheduleRetry();
        return;
    }
    if (response.kind == WeatherQuery::Response::NoResults) {
        fetchFailed();
        return;
    }
    if (placeLookup) {
        const QString woeid = WeatherQuery::woeidFromResults(response.results);
        if (woeid.isEmpty())
            fetchFailed();
        else
            fetchForecast(woeid);
    } else if (const auto channel = WeatherQuery::channelFromResults(response.results)) {
        forecastReceived(*channel);
    } else {
        fetchFailed();
    }
}

void WeatherFetcher::requestFailed(bool placeLookup)
{
    // A failed lookup must not block the next fetch; a failed forecast changes nothing.
    if (placeLookup)
        weatherFetching_ = false;
    fetchFailed();
}

void WeatherFetcher::scheduleRetry()
{
    // A garbled answer is retried a few times with growing pauses, never in a tight loop.
    if (retriesMade_ >= MaxRetries) {
        fetchFailed();
        return;
    }
    retryTimer_.start(retryBaseDelayMsecs_ << retriesMade_);
    ++retriesMade_;
}

void WeatherFetcher::forecastReceived(const QJsonObject &channel)
{
    const Weather weather = WeatherQuery::weatherFromChannel(channel);
    const QString fields[] = {weather.city,    weather.conditionText, weather.conditionCode, weather.temperatureUnit,
                              weather.nowTemp, weather.highTemp,      weather.lowTemp};
    // A channel with none of the fields is no forecast; the last good record stays.
    if (std::all_of(std::begin(fields), std::end(fields), [](const QString &f) { return f.isNull(); })) {
        fetchFailed();
        return;
    }
    weather_ = weather;
    retriesMade_ = 0;
    Broadcaster::shared().post(FetchCompleteNotification, QVariant::fromValue(weather));
}

void WeatherFetcher::fetchFailed()
{
    // Says so at once, so the clock face need not wait out its "Loading" timeout.
    Broadcaster::shared().post(FetchFailedNotification);
}
