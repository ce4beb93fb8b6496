#include "GatewayQuery.h"

#include <QRegularExpression>

namespace GatewayQuery {

std::variant<PlaceLookupQuery, ForecastQuery, QueryError> parse(const QString &query)
{
    if (query.size() > MaxQueryLength)
        return QueryError{QStringLiteral("query-too-long"),
                          QStringLiteral("The query is longer than %1 characters.").arg(MaxQueryLength)};

    static const QRegularExpression placeLookup(
        QStringLiteral("^select\\s+\\*\\s+from\\s+geo\\.placefinder\\s+where\\s+text\\s*=\\s*\"([^\"]*)\"\\s+and\\s+"
                       "gflags\\s*=\\s*\"R\"\\s*$"));
    static const QRegularExpression forecast(
        QStringLiteral("^select\\s+\\*\\s+from\\s+weather\\.forecast\\s+where\\s+woeid\\s*=\\s*(\\S*)\\s*$"));
    // Plain decimals only: no exponents, no hex, no "nan" or "inf".
    static const QRegularExpression coordinates(
        QStringLiteral("^\\s*(-?\\d{1,3}(?:\\.\\d{1,10})?)\\s*,\\s*(-?\\d{1,3}(?:\\.\\d{1,10})?)\\s*$"));

    if (const QRegularExpressionMatch m = placeLookup.match(query); m.hasMatch()) {
        const QRegularExpressionMatch c = coordinates.match(m.captured(1));
        const double latitude = c.captured(1).toDouble();
        const double longitude = c.captured(2).toDouble();
        if (!c.hasMatch() || latitude < -90 || latitude > 90 || longitude < -180 || longitude > 180)
            return QueryError{QStringLiteral("bad-coordinates"),
                              QStringLiteral("The text must be \"latitude, longitude\" in decimal degrees.")};
        return PlaceLookupQuery{latitude, longitude};
    }
    if (const QRegularExpressionMatch m = forecast.match(query); m.hasMatch())
        return ForecastQuery{m.captured(1)};
    return QueryError{QStringLiteral("unsupported-query"),
                      QStringLiteral("Only the place lookup and the forecast queries are answered.")};
}

} // namespace GatewayQuery
