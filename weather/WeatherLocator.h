#pragma once
#include <QGeoCoordinate>
#include <QGeoPositionInfoSource>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "weather/TimeZoneLocation.h"

// Finds where the device is, for the weather: a fix from the positioning source
// (geoclue2 on phones), or, when no source answers, the principal city of the
// system time zone. Each locate() uses a new source, as a fix is wanted only now
// and then and a source left running costs battery.
class WeatherLocator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool locationServiceAvailable READ locationServiceAvailable NOTIFY locationServiceAvailableChanged)
public:
    using SourceFactory = std::function<QGeoPositionInfoSource *(QObject *parent)>;

    explicit WeatherLocator(QObject *parent = nullptr);

    // Tests replay a log through the "nmea" source; the default is the platform's source.
    void setSourceFactory(SourceFactory factory) { sourceFactory_ = std::move(factory); }
    void setTimeZoneLocation(const TimeZoneLocation &zones) { zones_ = zones; }
    // How long a source may take before the time zone stands in for it (milliseconds).
    void setFixTimeoutMsecs(int msecs) { fixTimeout_.setInterval(msecs); }

    // Starts looking; ends an unfinished look of its own first. Emits located() for
    // every position the source reports until stop(), or unavailable() once.
    void locate();
    void stop();

    // False once a look has ended with neither a fix nor a time-zone place: the clock
    // face's "needs location service" case. True before the first look.
    bool locationServiceAvailable() const { return available_; }

Q_SIGNALS:
    void located(const QGeoCoordinate &coordinate);
    void unavailable();
    void locationServiceAvailableChanged(bool available);

private:
    void fallBackToTimeZone();
    void setAvailable(bool available);

    SourceFactory sourceFactory_;
    TimeZoneLocation zones_;
    QPointer<QGeoPositionInfoSource> source_;
    QTimer fixTimeout_;
    bool available_ = true;
};
