#pragma once
#include <QString>

// The clock face's temperature rules: the unit conversions (integer degrees,
// truncated toward zero) and the condition icons.
namespace TemperatureText {
// trunc(c * 1.8 + 32) and trunc((f - 32) / 1.8), as "%d" text.
QString celsiusToFahrenheit(const QString &celsius);
QString fahrenheitToCelsius(const QString &fahrenheit);

// The temperature to show for a record's `nowTemp` in `recordUnit` ("C" or "F")
// when the user prefers `preferredUnit` ("C"; anything else is Fahrenheit).
// A missing, unreadable or impossible reading shows as "--".
QString shown(const QString &nowTemp, const QString &recordUnit, const QString &preferredUnit);
inline const QString kUnknown = QStringLiteral("--");
// Readings beyond these (in Celsius) are no weather on Earth.
constexpr double kLowestCelsius = -100, kHighestCelsius = 70;

// The picture of a condition code: "weather-thunderstorm" ... "weather-sunny";
// codes above 47, negative or unreadable ones give "weather-cloudy".
QString iconForConditionCode(const QString &code);
} // namespace TemperatureText
