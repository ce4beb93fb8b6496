#pragma once
// The line of one figure that scripts/benchmarks.sh gathers into its table:
//   FIGURE|<figure>|<value>|<target>|met        (or "missed")
// Benchmarks print their details as they like, and these lines besides.
#include <cstdio>
#include <string>

inline void reportFigure(const std::string &figure, const std::string &value, const std::string &target, bool met)
{
    std::printf("FIGURE|%s|%s|%s|%s\n", figure.c_str(), value.c_str(), target.c_str(), met ? "met" : "missed");
    std::fflush(stdout);
}

// A number with `decimals` places and its unit: "12.3 ms".
inline std::string withUnit(double value, const char *unit, int decimals = 1)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}
