#include "home/TemperatureText.h"

#include <cmath>
#include <optional>

namespace {
std::optional<double> reading(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// (value * numerator / denominator + offset) truncated toward zero; exact for
// whole degrees, where 1.8 in floating point could turn 23 into 22.999...
QString converted(double value, long numerator, long denominator, double offsetBefore, double offsetAfter)
{
    const double shifted = value + offsetBefore;
    if (shifted == std::trunc(shifted) && std::abs(shifted) < 1e9) {
        const long scaled = static_cast<long>(shifted) * numerator + static_cast<long>(offsetAfter) * denominator;
        return QString::number(scaled / denominator); // integer division truncates toward zero
    }
    return QString::number(static_cast<long>(std::trunc(shifted * numerator / denominator + offsetAfter)));
}
} // namespace

QString TemperatureText::celsiusToFahrenheit(const QString &celsius)
{
    const std::optional<double> c = reading(celsius);
    return c ? converted(*c, 9, 5, 0, 32) : kUnknown;
}

QString TemperatureText::fahrenheitToCelsius(const QString &fahrenheit)
{
    const std::optional<double> f = reading(fahrenheit);
    return f ? converted(*f, 5, 9, -32, 0) : kUnknown;
}

QString TemperatureText::shown(const QString &nowTemp, const QString &recordUnit, const QString &preferredUnit)
{
    const std::optional<double> value = reading(nowTemp);
    if (!value)
        return kUnknown;
    const bool recordInCelsius = recordUnit == QLatin1String("C");
    const double celsius = recordInCelsius ? *value : (*value - 32) / 1.8;
    if (celsius < kLowestCelsius || celsius > kHighestCelsius)
        return kUnknown;
    const bool wantCelsius = preferredUnit == QLatin1String("C");
    if (wantCelsius == recordInCelsius)
        return QString::number(static_cast<long>(std::trunc(*value)));
    return wantCelsius ? fahrenheitToCelsius(nowTemp) : celsiusToFahrenheit(nowTemp);
}

QString TemperatureText::iconForConditionCode(const QString &code)
{
    struct Range
    {
        int first, last;
        const char *icon;
    };
    static constexpr Range kIcons[] = {
        {0, 4, "weather-thunderstorm"},    {37, 39, "weather-thunderstorm"}, {45, 45, "weather-thunderstorm"},
        {47, 47, "weather-thunderstorm"},  {5, 5, "weather-rain-snow"},      {42, 42, "weather-rain-snow"},
        {46, 46, "weather-rain-snow"},     {6, 7, "weather-sleet-rain"},     {8, 12, "weather-rain"},
        {40, 40, "weather-rain"},          {13, 14, "weather-snow"},         {15, 16, "weather-heavy-snow"},
        {41, 41, "weather-heavy-snow"},    {43, 43, "weather-heavy-snow"},   {17, 18, "weather-sleet"},
        {35, 35, "weather-sleet"},         {19, 19, "weather-dust"},         {20, 22, "weather-frog"},
        {23, 24, "weather-wind"},          {25, 28, "weather-cloudy"},       {29, 30, "weather-partly-cloudy"},
        {44, 44, "weather-partly-cloudy"}, {31, 31, "weather-night"},        {32, 34, "weather-sunny"},
        {36, 36, "weather-sunny"},
    };
    bool ok = false;
    const int value = code.trimmed().toInt(&ok);
    if (ok)
        for (const Range &range : kIcons)
            if (value >= range.first && value <= range.last)
                return QLatin1String(range.icon);
    return QStringLiteral("weather-cloudy");
}
