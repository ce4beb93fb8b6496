#pragma once
#include <QList>
#include <QString>
#include <QVariantList>

// The seven weekday abbreviations of an alarm row, Sunday first like the
// weekday mask, each lit when its bit is set. All seven are always shown; a
// one-time alarm (mask 0) shows them all unlit. Bits above Saturday are ignored.
namespace WeekdayStrip {
struct Day
{
    QString text; // localized "SUN" ... "SAT"
    bool lit = false;
};
QList<Day> days(quint32 mask);
// The same for QML: a list of {text, lit}.
QVariantList forView(quint32 mask);
// What a screen reader says: "Mon Tue Wed Thu Fri", or "Once" for mask 0.
QString spoken(quint32 mask);
} // namespace WeekdayStrip
