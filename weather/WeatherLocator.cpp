#include "weather/WeatherLocator.h"

#include "platform/Clock.h"

WeatherLocator::WeatherLocator(QObject *parent)
    : QObject(parent),
      sourceFactory_([](QObject *owner) { return QGeoPositionInfoSource::createDefaultSource(owner); })
{
    fixTimeout_.setSingleShot(true);
    fixTimeout_.setInterval(20000);
    connect(&fixTimeout_, &QTimer::timeout, this, &WeatherLocator::fallBackToTimeZone);
}

void WeatherLocator::locate()
{
    stop();
    QGeoPositionInfoSource *source = sourceFactory_(this);
    if (!source) {
        fallBackToTimeZone();
        return;
    }
    source_ = source;
    // A city-level fix is all the weather needs; network positioning gives it
    // without waking the satellite receiver.
    source->setPreferredPositioningMethods(QGeoPositionInfoSource::NonSatellitePositioningMethods);
    connect(source, &QGeoPositionInfoSource::positionUpdated, this, [this](const QGeoPositionInfo &info) {
        if (!info.coordinate().isValid())
            return;
        fixTimeout_.stop();
        setAvailable(true);
        Q_EMIT located(info.coordinate());
    });
    connect(source, &QGeoPositionInfoSource::errorOccurred, this, [this](QGeoPositionInfoSource::Error error) {
        if (error != QGeoPositionInfoSource::NoError)
            fallBackToTimeZone();
    });
    fixTimeout_.start();
    source->startUpdates();
}

void WeatherLocator::stop()
{
    fixTimeout_.stop();
    if (source_) {
        source_->disconnect(this);
        source_->stopUpdates();
        source_->deleteLater();
    }
    source_.clear();
}

void WeatherLocator::fallBackToTimeZone()
{
    stop();
    const auto coordinate = zones_.coordinateOfZone(Clock::current().timeZone().id());
    setAvailable(coordinate.has_value());
    if (coordinate)
        Q_EMIT located(*coordinate);
    else
        Q_EMIT unavailable();
}

void WeatherLocator::setAvailable(bool available)
{
    if (available_ == available)
        return;
    available_ = available;
    Q_EMIT locationServiceAvailableChanged(available);
}
