#include "weather/TimeZoneLocation.h"

#include <QFile>
#include <QRegularExpression>

TimeZoneLocation::TimeZoneLocation(const QString &zoneInfoDirectory) : directory_(zoneInfoDirectory) { }

std::optional<QGeoCoordinate> TimeZoneLocation::coordinateOfZone(const QByteArray &zoneId) const
{
    QString zone = QString::fromLatin1(zoneId);
    // Links may chain; a few hops cover every real database and stop a looping one.
    for (int hop = 0; hop < 4 && !zone.isEmpty(); ++hop) {
        if (auto coordinate = lookUpInTables(zone))
            return coordinate;
        zone = linkTarget(zone);
    }
    return std::nullopt;
}

std::optional<QGeoCoordinate> TimeZoneLocation::lookUpInTables(const QString &zone) const
{
    for (const char *table : {"zone1970.tab", "zone.tab"}) {
        QFile file(directory_ + u'/' + QLatin1String(table));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QList<QByteArray> columns = file.readLine().trimmed().split('\t');
            if (columns.size() >= 3 && !columns[0].startsWith('#') && QLatin1String(columns[2]) == zone)
                return parseIso6709(QString::fromLatin1(columns[1]));
        }
    }
    return std::nullopt;
}

QString TimeZoneLocation::linkTarget(const QString &zone) const
{
    // tzdata.zi lines "L TARGET LINKNAME".
    QFile file(directory_ + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.startsWith("L "))
            continue;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && QLatin1String(parts[2]) == zone)
            return QString::fromLatin1(parts[1]);
    }
    return {};
}

std::optional<QGeoCoordinate> TimeZoneLocation::parseIso6709(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^([+-])(\\d{2})(\\d{2})(\\d{2})?([+-])(\\d{3})(\\d{2})(\\d{2})?$"));
    const QRegularExpressionMatch m = form.match(text);
    // Seconds come in both halves or in neither.
    if (!m.hasMatch() || m.captured(4).isEmpty() != m.captured(8).isEmpty())
        return std::nullopt;
    auto degrees = [&](int sign, int deg, int min, int sec) {
        const double value
            = m.captured(deg).toInt() + m.captured(min).toInt() / 60.0 + m.captured(sec).toInt() / 3600.0;
        return m.captured(sign) == u"-" ? -value : value;
    };
    const QGeoCoordinate coordinate(degrees(1, 2, 3, 4), degrees(5, 6, 7, 8));
    if (!coordinate.isValid())
        return std::nullopt;
    return coordinate;
}
