#include "WeatherConditions.h"

namespace WeatherConditions {

Condition fromWmoCode(int wmoCode, bool daytime)
{
    switch (wmoCode) {
    case 0: // clear sky
        return daytime ? Condition{32, QStringLiteral("Sunny")} : Condition{31, QStringLiteral("Clear")};
    case 1: // mainly clear
        return {daytime ? 34 : 33, QStringLiteral("Fair")};
    case 2: // partly cloudy
        return {daytime ? 30 : 29, QStringLiteral("Partly Cloudy")};
    case 3: // overcast
        return {26, QStringLiteral("Cloudy")};
    case 45: // fog
    case 48: // depositing rime fog
        return {20, QStringLiteral("Foggy")};
    case 51: // drizzle: light, moderate, dense
    case 53:
    case 55:
        return {9, QStringLiteral("Drizzle")};
    case 56: // freezing drizzle
    case 57:
        return {8, QStringLiteral("Freezing Drizzle")};
    case 61: // rain: slight, moderate, heavy
    case 63:
    case 65:
        return {12, QStringLiteral("Rain")};
    case 66: // freezing rain
    case 67:
        return {10, QStringLiteral("Freezing Rain")};
    case 71: // snow fall: slight
        return {14, QStringLiteral("Light Snow Showers")};
    case 73: // moderate
        return {16, QStringLiteral("Snow")};
    case 75: // heavy
        return {41, QStringLiteral("Heavy Snow")};
    case 77: // snow grains
        return {13, QStringLiteral("Snow Flurries")};
    case 80: // rain showers: slight, moderate, violent
        return {40, QStringLiteral("Scattered Showers")};
    case 81:
        return {11, QStringLiteral("Showers")};
    case 82:
        return {12, QStringLiteral("Rain")};
    case 85: // snow showers: slight, heavy
        return {46, QStringLiteral("Snow Showers")};
    case 86:
        return {43, QStringLiteral("Heavy Snow")};
    case 95: // thunderstorm
        return {4, QStringLiteral("Thunderstorms")};
    case 96: // thunderstorm with hail: slight, heavy
    case 99:
        return {3, QStringLiteral("Severe Thunderstorms")};
    default:
        return {3200, QStringLiteral("Not Available")};
    }
}

} // namespace WeatherConditions
