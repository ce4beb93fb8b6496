#pragma once
#include <QString>

// The condition codes and English texts that the app's clock face understands
// (codes 0 to 47, 3200 for "not available"), from the WMO weather interpretation
// codes that forecast providers such as Open-Meteo report.
struct Condition
{
    int code = 3200;
    QString text;
};

namespace WeatherConditions {

// `daytime` picks the day or night form of clear and partly cloudy skies.
Condition fromWmoCode(int wmoCode, bool daytime);

} // namespace WeatherConditions
