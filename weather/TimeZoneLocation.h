#pragma once
#include <QByteArray>
#include <QGeoCoordinate>
#include <QString>
#include <optional>

// An approximate place from the time zone alone: the coordinates that the time-zone
// database lists for each zone's principal city. Good to a few hundred kilometres,
// which is enough for a weather forecast when no positioning source gives a fix.
class TimeZoneLocation
{
public:
    explicit TimeZoneLocation(const QString &zoneInfoDirectory = QStringLiteral("/usr/share/zoneinfo"));

    // Looks in zone1970.tab, then zone.tab, then follows links ("Asia/Chongqing" is
    // "Asia/Shanghai"). Nothing for zones without a city such as "UTC".
    std::optional<QGeoCoordinate> coordinateOfZone(const QByteArray &zoneId) const;

    // "+3114+12128" or "-332830-0703010": ISO 6709 degrees and minutes (and seconds).
    static std::optional<QGeoCoordinate> parseIso6709(const QString &text);

private:
    std::optional<QGeoCoordinate> lookUpInTables(const QString &zone) const;
    QString linkTarget(const QString &zone) const;

    QString directory_;
};
