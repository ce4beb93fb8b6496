#include "home/ClockFace.h"

#include "home/TemperatureText.h"
#include "home/VolumeArc.h"
#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"
#include "sound/MediaVolume.h"
#include "weather/Reachability.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
QString weatherText(const char *text) { return QCoreApplication::translate("WeatherLocalizable", text); }
const char *const kLoading = QT_TRANSLATE_NOOP("WeatherLocalizable", "Loading");
const char *const kNeedsInternet
    = QT_TRANSLATE_NOOP("WeatherLocalizable", "Fetching weather information needs internet connection.");
const char *const kNeedsLocation
    = QT_TRANSLATE_NOOP("WeatherLocalizable", "Fetching weather information needs location service.");

bool reachable() { return Reachability::reachabilityForInternetConnection()->isReachable(); }
} // namespace

ClockFace::ClockFace(std::function<std::optional<Weather>()> lastWeather, QObject *parent)
    : QObject(parent),
      lastWeather_(std::move(lastWeather))
{
    Broadcaster &center = Broadcaster::shared();
    center.addObserver(this, StoredNames::Broadcast::kWeatherFetchBegin, [this](const QVariant &) { fetchBegan(); });
    center.addObserver(this, StoredNames::Broadcast::kWeatherFetchComplete,
                       [this](const QVariant &record) { fetchCompleted(record); });
    connect(&MediaVolume::shared(), &MediaVolume::volumeChanged, this, &ClockFace::mediaVolumeChanged);
    loadingTimeout_.setSingleShot(true);
    loadingTimeout_.setInterval(kLoadingTimeoutMs);
    center.addObserver(this, StoredNames::Broadcast::kWeatherFetchFailed,
                       [this](const QVariant &) { fetchEndedEmpty(); });
    connect(&loadingTimeout_, &QTimer::timeout, this, &ClockFace::fetchEndedEmpty);
    refresh();
}

ClockFace::~ClockFace() { Broadcaster::shared().removeObserver(this); }

bool ClockFace::celsius()
{
    return Preferences::shared().stringForKey(StoredNames::kWeatherUnitKey) == QLatin1String("C");
}

void ClockFace::refresh()
{
    showVolume(MediaVolume::shared().volume());
    if (!weather_ && lastWeather_)
        weather_ = lastWeather_();
    if (!reachable())
        showNote(weatherText(kNeedsInternet));
    else if (weather_)
        layoutWeather(*weather_);
    else
        fetchBegan(); // the launch's fetch is under way
}

void ClockFace::layoutWeather(const Weather &weather)
{
    loadingTimeout_.stop();
    const QString unit = celsius() ? QStringLiteral("C") : QStringLiteral("F");
    temperatureText_ = TemperatureText::shown(weather.nowTemp, weather.temperatureUnit, unit);
    conditionText_ = QCoreApplication::translate("WeatherLocalizable", weather.conditionText.toUtf8().constData());
    iconName_ = TemperatureText::iconForConditionCode(weather.conditionCode);
    weather_ = weather;
    noteShown_ = false;
    noteText_.clear();
    Q_EMIT weatherChanged();
}

void ClockFace::toggleUnit()
{
    Preferences &preferences = Preferences::shared();
    preferences.setString(StoredNames::kWeatherUnitKey, celsius() ? QStringLiteral("F") : QStringLiteral("C"));
    preferences.synchronize();
    if (weather_ && !noteShown_)
        layoutWeather(*weather_);
    else
        Q_EMIT weatherChanged(); // the unit's name changed even without a record
}

void ClockFace::fetchBegan()
{
    if (!reachable()) {
        showNote(weatherText(kNeedsInternet));
        return;
    }
    showNote(weatherText(kLoading));
    loadingTimeout_.start();
}

void ClockFace::fetchEndedEmpty()
{
    // The fetch failed or never answered: the last record if there is one, else say why there is none.
    loadingTimeout_.stop();
    if (weather_)
        layoutWeather(*weather_);
    else
        showNote(weatherText(kNeedsInternet));
}

void ClockFace::fetchCompleted(const QVariant &record)
{
    loadingTimeout_.stop();
    if (!reachable()) {
        showNote(weatherText(kNeedsInternet));
        return;
    }
    if (record.canConvert<Weather>() && record.userType() == qMetaTypeId<Weather>()) {
        layoutWeather(record.value<Weather>());
        return;
    }
    // The fetch ended without a record: it found no place to ask about.
    showNote(weatherText(kNeedsLocation));
}

void ClockFace::showNote(const QString &text)
{
    noteText_ = text;
    noteShown_ = true;
    Q_EMIT weatherChanged();
}

void ClockFace::showVolume(qreal volume)
{
    volume_ = std::clamp(volume, 0.0, 1.0);
    knobOn_ = VolumeArc::knobOn(volume_);
    Q_EMIT volumeChanged();
}

void ClockFace::mediaVolumeChanged(float volume)
{
    // While the finger holds the knob, it decides where the knob is.
    if (!dragging_)
        showVolume(volume);
}

void ClockFace::dragVolume(qreal volume, bool finished)
{
    dragging_ = !finished;
    showVolume(volume);
    if (finished)
        MediaVolume::shared().setVolume(float(volume_));
}

void ClockFace::setVolumePercent(int percent)
{
    dragging_ = false;
    MediaVolume::shared().setVolume(std::clamp(percent, 0, 100) / 100.0f);
    showVolume(MediaVolume::shared().volume());
}

void ClockFace::volumeUp()
{
    MediaVolume::shared().setVolume(MediaVolume::shared().volume() + VolumeArc::kStep);
    showVolume(MediaVolume::shared().volume());
}

void ClockFace::volumeDown()
{
    MediaVolume::shared().setVolume(MediaVolume::shared().volume() - VolumeArc::kStep);
    showVolume(MediaVolume::shared().volume());
}
