#pragma once
#include <QString>
#include <functional>
#include <optional>

// What a forecast provider reports for a place today.
struct CurrentWeather
{
    int wmoCode = -1;       // WMO weather interpretation code of the current hour
    bool daytime = true;    // whether the sun is up at the place
    double temperature = 0; // now, degrees Celsius
    double high = 0;        // today's maximum, degrees Celsius
    double low = 0;         // today's minimum, degrees Celsius
    QString date;           // today at the place, "YYYY-MM-DD"
};

// A provider's answer: a value, or why there is none.
template<typename T>
struct Fetched
{
    std::optional<T> value;
    QString error;
};

// Where forecasts and place names come from. Answers arrive through the callback,
// at once or later; never after the provider is destroyed.
class WeatherProvider
{
public:
    virtual ~WeatherProvider() = default;
    virtual void fetchWeather(double latitude, double longitude, std::function<void(Fetched<CurrentWeather>)> done) = 0;
    virtual void fetchPlaceName(double latitude, double longitude, std::function<void(Fetched<QString>)> done) = 0;
};
