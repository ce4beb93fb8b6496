#pragma once
#include "alarms/AlarmChanges.h"

#include <QStringList>
#include <QTime>
#include <optional>

// Reading option values. Each returns nothing and sets `error` when the text is not understood.
namespace AlarmChangeParser {
std::optional<QTime> parseTime(const QString &text, QString *error);
// "mon,tue,..." (three letters or full English names, any case), or "once" for a one-time alarm.
std::optional<quint32> parseDays(const QString &text, QString *error);
// A catalogue sound file name, any case, ".mp3" optional.
std::optional<QString> parseSound(const QString &text, QString *error);
std::optional<int> parseUnlockerKind(const QString &text, QString *error);
} // namespace AlarmChangeParser

// Short English names used on the command line and in listings.
namespace DayNames {
QStringList forMask(quint32 mask); // "sun" ... "sat", in weekday-number order (Sunday first)
}

namespace UnlockerNames {
QString shortName(int kind); // "tap", "calculation", "shake", "blow", "smile"
}
