#include "PlaceId.h"

#include <cmath>

namespace PlaceId {

// Hundredths of a degree, shifted to be non-negative.
static constexpr qint64 LatitudeSteps = 18001;  // -90.00 .. 90.00
static constexpr qint64 LongitudeSteps = 36001; // -180.00 .. 180.00

QString mint(double latitude, double longitude)
{
    const qint64 lat = std::llround(latitude * 100) + 9000;
    const qint64 lon = std::llround(longitude * 100) + 18000;
    // +1 keeps the identifier away from 0, which some clients read as "none".
    return QString::number(lat * LongitudeSteps + lon + 1);
}

std::optional<PlaceLookupQuery> decode(const QString &woeid)
{
    if (woeid.isEmpty() || woeid.size() > 10 || woeid.startsWith(u'0'))
        return std::nullopt;
    for (QChar c : woeid) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qint64 value = woeid.toLongLong() - 1;
    if (value < 0 || value >= LatitudeSteps * LongitudeSteps)
        return std::nullopt;
    return PlaceLookupQuery{double(value / LongitudeSteps - 9000) / 100, double(value % LongitudeSteps - 18000) / 100};
}

} // namespace PlaceId
