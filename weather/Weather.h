#pragma once
#include <QMetaType>
#include <QString>

// The weather at the device's location, seven strings exactly as the weather
// service delivered them. A field the service left out stays a null string.
// A plain value: every copy is a record of its own.
class Weather
{
    Q_GADGET
    Q_PROPERTY(QString city MEMBER city)
    Q_PROPERTY(QString conditionText MEMBER conditionText)
    Q_PROPERTY(QString conditionCode MEMBER conditionCode)
    Q_PROPERTY(QString temperatureUnit MEMBER temperatureUnit)
    Q_PROPERTY(QString nowTemp MEMBER nowTemp)
    Q_PROPERTY(QString highTemp MEMBER highTemp)
    Q_PROPERTY(QString lowTemp MEMBER lowTemp)
public:
    QString city;            // place name
    QString conditionText;   // condition in English words
    QString conditionCode;   // numeric condition code, as text
    QString temperatureUnit; // "C" or "F", the unit of the three temperatures
    QString nowTemp;         // current temperature
    QString highTemp;        // today's high
    QString lowTemp;         // today's low
};

Q_DECLARE_METATYPE(Weather)
