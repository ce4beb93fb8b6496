#pragma once
#include <QString>
#include <optional>

#include "GatewayQuery.h"

// Place identifiers ("woeid") that carry their place: the coordinates rounded to
// 0.01 degree (about a kilometre), packed into one decimal number. A forecast
// query is answered from the identifier alone, with no table of places to keep,
// and every place within the same 0.01 degree cell shares one cached forecast.
namespace PlaceId {

QString mint(double latitude, double longitude);
// The cell's centre for an identifier mint() can produce; nothing for anything else
// (leading zeros, signs, letters, out of range).
std::optional<PlaceLookupQuery> decode(const QString &woeid);

} // namespace PlaceId
