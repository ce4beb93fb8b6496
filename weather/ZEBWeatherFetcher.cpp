#include "weather/ZEBWeatherFetcher.h"

#include <QNetworkReply>
#include <algorithm>

#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "weather/ZEBWeatherQuery.h"

ZEBWeatherFetcher::ZEBWeatherFetcher(QObject *parent) : QObject(parent)
{
    connect(&locator_, &ZEBWeatherLocator::located, this, &ZEBWeatherFetcher::locationManagerDidUpdateLocation);
    connect(&locator_, &ZEBWeatherLocator::unavailable, this, &ZEBWeatherFetcher::locationManagerDidFail);
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &ZEBWeatherFetcher::fetchWOEID);
}

QString ZEBWeatherFetcher::serviceHostAddress()
{
    const QString configured = UserDefaults::standard().stringForKey(BaseAddressKey).trimmed();
    return configured.isEmpty() ? DefaultBaseAddress : configured;
}

void ZEBWeatherFetcher::fetchGPSCoordinate()
{
    NotificationCenter::defaultCenter().post(FetchBeginNotification);
    locationUpdate_ = false;
    retriesMade_ = 0;
    locator_.locate();
}

void ZEBWeatherFetcher::locationManagerDidUpdateLocation(const QGeoCoordinate &coordinate)
{
    // Only the first fix of a fetch counts.
    if (locationUpdate_)
        return;
    locationUpdate_ = true;
    locator_.stop();
    coordinate_ = coordinate;
    fetchWOEID();
}

void ZEBWeatherFetcher::locationManagerDidFail()
{
    // No place at all: the fetch ends here. The completion without a record lets the
    // clock face replace its "Loading" note with the location-service one.
    NotificationCenter::defaultCenter().post(FetchCompleteNotification);
}

void ZEBWeatherFetcher::fetchWOEID()
{
    if (weatherFetching_)
        return;
    if (QNetworkReply *old = woeidConnection_) {
        woeidConnection_.clear();
        old->abort();
    }
    const double latitude = coordinate_.isValid() ? coordinate_.latitude() : 0;
    const double longitude = coordinate_.isValid() ? coordinate_.longitude() : 0;
    woeidConnection_ = startConnection(ZEBWeatherQuery::placeLookupQuery(latitude, longitude));
    weatherFetching_ = woeidConnection_ != nullptr;
}

void ZEBWeatherFetcher::fetchWeatherWithWoeid(const QString &woeid)
{
    if (QNetworkReply *old = weatherConnection_) {
        weatherConnection_.clear();
        old->abort();
    }
    weatherConnection_ = startConnection(ZEBWeatherQuery::forecastQuery(woeid));
}

QNetworkReply *ZEBWeatherFetcher::startConnection(const QString &query)
{
    const QByteArray address = ZEBWeatherQuery::requestAddress(serviceHostAddress(), query);
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
    connect(reply, &QNetworkReply::finished, this, [this, reply] { connectionDidFinish(reply); });
    return reply;
}

void ZEBWeatherFetcher::connectionDidFinish(QNetworkReply *reply)
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
        connectionDidFail(placeLookup);
        return;
    }
    // A lookup ends with this answer whatever it holds, so the next one may start.
    if (placeLookup)
        weatherFetching_ = false;

    const ZEBWeatherQuery::Response response = ZEBWeatherQuery::readResponse(body);
    if (response.kind == ZEBWeatherQuery::Response::Unparsable) {
        scheduleRetry();
        return;
    }
    if (response.kind == ZEBWeatherQuery::Response::NoResults)
        return;
    if (placeLookup) {
        const QString woeid = ZEBWeatherQuery::woeidFromResults(response.results);
        if (!woeid.isEmpty())
            fetchWeatherWithWoeid(woeid);
    } else if (const auto channel = ZEBWeatherQuery::channelFromResults(response.results)) {
        weatherDidDownloadedWithDictionary(*channel);
    }
}

void ZEBWeatherFetcher::connectionDidFail(bool placeLookup)
{
    // A failed lookup must not block the next fetch; a failed forecast changes nothing.
    if (placeLookup)
        weatherFetching_ = false;
}

void ZEBWeatherFetcher::scheduleRetry()
{
    // A garbled answer is retried a few times with growing pauses, never in a tight loop.
    if (retriesMade_ >= MaxRetries)
        return;
    retryTimer_.start(retryBaseDelayMsecs_ << retriesMade_);
    ++retriesMade_;
}

void ZEBWeatherFetcher::weatherDidDownloadedWithDictionary(const QJsonObject &channel)
{
    const ZEBWeather weather = ZEBWeatherQuery::weatherFromChannel(channel);
    const QString fields[] = {weather.cityString, weather.conditionTextString, weather.conditionCodeString,
                              weather.temperatureUnit, weather.nowTemp, weather.highTemp, weather.lowTemp};
    // A channel with none of the fields is no forecast; the last good record stays.
    if (std::all_of(std::begin(fields), std::end(fields), [](const QString &f) { return f.isNull(); }))
        return;
    weather_ = weather;
    retriesMade_ = 0;
    NotificationCenter::defaultCenter().post(FetchCompleteNotification, QVariant::fromValue(weather));
}
