#pragma once
#include <QString>
#include <variant>

// The two query texts the gateway answers, and nothing else:
//   select * from geo.placefinder where text="LAT, LON" and gflags="R"
//   select * from weather.forecast where woeid=ID
struct PlaceLookupQuery
{
    double latitude = 0;  // degrees, -90 .. 90
    double longitude = 0; // degrees, -180 .. 180
};

struct ForecastQuery
{
    QString woeid; // as written; PlaceId decides whether it names a place
};

struct QueryError
{
    QString code;        // short machine-readable reason, e.g. "unsupported-query"
    QString description; // one sentence for people
};

namespace GatewayQuery {

// Longer query texts are refused unread; the real ones are under 100 characters.
inline constexpr int MaxQueryLength = 256;

std::variant<PlaceLookupQuery, ForecastQuery, QueryError> parse(const QString &query);

} // namespace GatewayQuery
