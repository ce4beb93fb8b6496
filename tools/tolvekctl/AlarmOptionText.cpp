#include "tools/tolvekctl/AlarmOptionText.h"

#include "alarms/SoundCatalogue.h"
#include "alarms/Unlocker.h"

#include <QRegularExpression>

namespace {
// Index i names weekday bit (1 << i), Sunday first, like the mask.
const char *const kShortDays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
const char *const kLongDays[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};
const char *const kUnlockers[] = {"tap", "calculation", "shake", "blow", "smile"};
const QString kMp3 = QStringLiteral(".mp3");
} // namespace

std::optional<QTime> AlarmChangeParser::parseTime(const QString &text, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (match.hasMatch()) {
        const int hour = match.captured(1).toInt();
        const int minute = match.captured(2).toInt();
        if (hour < 24 && minute < 60)
            return QTime(hour, minute);
    }
    *error = QStringLiteral("bad time '%1' (expected HH:MM from 00:00 to 23:59)").arg(text);
    return std::nullopt;
}

std::optional<quint32> AlarmChangeParser::parseDays(const QString &text, QString *error)
{
    if (text.trimmed().compare(QLatin1String("once"), Qt::CaseInsensitive) == 0)
        return 0u;
    quint32 mask = 0;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QString name = item.trimmed().toLower();
        quint32 bit = 0;
        for (int i = 0; i < 7 && !bit; ++i)
            if (name == QLatin1String(kShortDays[i]) || name == QLatin1String(kLongDays[i]))
                bit = 1u << i;
        if (!bit) {
            *error = QStringLiteral("bad day name '%1' in '%2' (use mon,tue,wed,thu,fri,sat,sun or once)")
                         .arg(item.trimmed(), text);
            return std::nullopt;
        }
        mask |= bit;
    }
    return mask;
}

std::optional<QString> AlarmChangeParser::parseSound(const QString &text, QString *error)
{
    const QStringList files = SoundCatalogue::fileNames();
    for (const QString &file : files) {
        const QString stem = file.endsWith(kMp3) ? file.chopped(kMp3.size()) : file;
        if (text.compare(file, Qt::CaseInsensitive) == 0 || text.compare(stem, Qt::CaseInsensitive) == 0)
            return file;
    }
    // A name the app cannot play would ring in silence.
    *error = QStringLiteral("unknown sound '%1' (one of: %2)").arg(text, files.join(QStringLiteral(", ")));
    return std::nullopt;
}

std::optional<int> AlarmChangeParser::parseUnlockerKind(const QString &text, QString *error)
{
    bool ok = false;
    const int kind = text.trimmed().toInt(&ok);
    if (ok && kind >= 0 && kind < Unlocker::kKindCount)
        return kind;
    QStringList kinds;
    for (int i = 0; i < Unlocker::kKindCount; ++i)
        kinds << QStringLiteral("%1 %2").arg(i).arg(UnlockerNames::shortName(i));
    *error = QStringLiteral("bad unlocker kind '%1' (one of: %2)").arg(text, kinds.join(QStringLiteral(", ")));
    return std::nullopt;
}

QStringList DayNames::forMask(quint32 mask)
{
    QStringList names;
    for (int i = 0; i < 7; ++i)
        if (mask & (1u << i))
            names << QLatin1String(kShortDays[i]);
    return names;
}

QString UnlockerNames::shortName(int kind)
{
    // Unknown kinds play the tap game.
    return QLatin1String(kind >= 0 && kind < Unlocker::kKindCount ? kUnlockers[kind] : kUnlockers[0]);
}
