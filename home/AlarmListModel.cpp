#include "home/AlarmListModel.h"

#include "home/WeekdayStrip.h"
#include "unlockers/LevelMarks.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace {
QStringList identifiers(const AlarmList &alarms)
{
    QStringList list;
    for (const AlarmPtr &alarm : alarms)
        list << (alarm ? alarm->identifier : QString());
    return list;
}
} // namespace

AlarmListModel::AlarmListModel(QObject *parent) : QAbstractListModel(parent) { }

int AlarmListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QHash<int, QByteArray> AlarmListModel::roleNames() const
{
    return {{IdentifierRole, "identifier"},
            {TimeTextRole, "timeText"},
            {DaysRole, "days"},
            {SloganRole, "slogan"},
            {UnlockerPictureRole, "unlockerPicture"},
            {ActiveRole, "active"},
            {LevelMarksRole, "levelMarks"},
            {AccessibleNameRole, "accessibleName"},
            {PlaceholderRole, "placeholder"}};
}

QVariant AlarmListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const AlarmPtr &alarm = rows_.at(index.row());
    if (role == PlaceholderRole)
        return alarm == nullptr;
    if (!alarm)
        return role == ActiveRole ? QVariant(false) : QVariant(QString());
    switch (role) {
    case IdentifierRole:
        return alarm->identifier;
    case TimeTextRole:
        return timeText(*alarm);
    case DaysRole:
        return WeekdayStrip::forView(alarm->repeatMask);
    case SloganRole:
        return alarm->slogan;
    case UnlockerPictureRole:
        return alarm->unlocker ? alarm->unlocker->smallIllustration : QString();
    case ActiveRole:
        return alarm->active;
    case LevelMarksRole: {
        LevelMarks marks;
        marks.setLevel(alarm->unlocker ? alarm->unlocker->gameLevel : 0);
        return marks.marks();
    }
    case AccessibleNameRole:
        return accessibleName(*alarm);
    default:
        return {};
    }
}

QString AlarmListModel::timeText(const Alarm &alarm)
{
    const QString pattern = QCoreApplication::translate("HomeScreen", "Date Format");
    // An untranslated key shows itself: fall back to the 24-hour reading.
    const QString usable = pattern == QLatin1String("Date Format") ? QStringLiteral("HH:mm") : pattern;
    QString text = alarm.timeOfDay().toString(usable);
    text.replace(QLatin1String("AM"), QCoreApplication::translate("HomeScreen", "AM"));
    text.replace(QLatin1String("PM"), QCoreApplication::translate("HomeScreen", "PM"));
    return text;
}

QString AlarmListModel::accessibleName(const Alarm &alarm)
{
    return QStringLiteral("%1, %2, %3, %4")
        .arg(alarm.timeOfDay().toString(QStringLiteral("HH:mm")), WeekdayStrip::spoken(alarm.repeatMask), alarm.slogan,
             alarm.active ? QCoreApplication::translate("HomeScreen", "on")
                          : QCoreApplication::translate("HomeScreen", "off"));
}

QString AlarmListModel::summary(const Alarm &alarm)
{
    return accessibleName(alarm) + QLatin1Char('|') + QString::number(alarm.repeatMask) + QLatin1Char('|')
           + (alarm.unlocker ? alarm.unlocker->smallIllustration + QString::number(alarm.unlocker->gameLevel)
                             : QString());
}

void AlarmListModel::setStoredAlarms(const AlarmList &stored)
{
    AlarmList shown(stored.crbegin(), stored.crend());
    if (identifiers(shown) != identifiers(rows_))
        applyMoveInsertOrRemove(shown);
    // Same rows in the same order now: refresh those whose content changed.
    for (int row = 0; row < count(); ++row) {
        const QString now = summary(*shown.at(row));
        rows_[row] = shown.at(row);
        if (summaries_.value(row) != now) {
            summaries_[row] = now;
            Q_EMIT dataChanged(index(row), index(row));
        }
    }
}

void AlarmListModel::applyMoveInsertOrRemove(const AlarmList &shown)
{
    const QStringList before = identifiers(rows_), after = identifiers(shown);
    auto sameWithout = [](QStringList list, int at, const QStringList &other) {
        list.removeAt(at);
        return list == other;
    };
    const int oldCount = count();
    if (after.size() == before.size() + 1) {
        for (int i = 0; i < after.size(); ++i) {
            if (sameWithout(after, i, before)) {
                beginInsertRows({}, i, i);
                rows_.insert(i, shown.at(i));
                summaries_.insert(i, QString());
                endInsertRows();
                Q_EMIT countChanged();
                return;
            }
        }
    } else if (after.size() + 1 == before.size()) {
        for (int i = 0; i < before.size(); ++i) {
            if (sameWithout(before, i, after)) {
                beginRemoveRows({}, i, i);
                rows_.removeAt(i);
                summaries_.removeAt(i);
                endRemoveRows();
                Q_EMIT countChanged();
                return;
            }
        }
    } else if (after.size() == before.size()) {
        // One row moved (an edited alarm goes to the top)?
        for (int from = 0; from < before.size(); ++from) {
            const int to = int(after.indexOf(before.at(from)));
            QStringList moved = before;
            moved.move(from, to);
            if (to >= 0 && to != from && moved == after) {
                beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
                rows_.move(from, to);
                summaries_.move(from, to);
                endMoveRows();
                return;
            }
        }
    }
    beginResetModel();
    rows_ = shown;
    summaries_ = QStringList();
    for (int i = 0; i < rows_.size(); ++i)
        summaries_ << QString();
    endResetModel();
    if (count() != oldCount)
        Q_EMIT countChanged();
}

AlarmPtr AlarmListModel::alarmAt(int row) const { return row >= 0 && row < count() ? rows_.at(row) : nullptr; }

int AlarmListModel::rowOf(const QString &identifier) const
{
    for (int row = 0; row < count(); ++row)
        if (rows_.at(row) && rows_.at(row)->identifier == identifier)
            return row;
    return -1;
}

QStringList AlarmListModel::storedOrder() const
{
    QStringList order;
    for (auto it = rows_.crbegin(); it != rows_.crend(); ++it)
        if (*it)
            order << (*it)->identifier;
    return order;
}

bool AlarmListModel::beginDrag(int row)
{
    if (isDragging() || !alarmAt(row))
        return false;
    dragged_ = rows_.at(row);
    rows_[row] = nullptr;
    summaries_[row] = QString();
    Q_EMIT dataChanged(index(row), index(row));
    return true;
}

void AlarmListModel::moveDrag(int from, int to)
{
    if (!isDragging() || from == to || from < 0 || to < 0 || from >= count() || to >= count() || rows_.at(from))
        return;
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    rows_.move(from, to);
    summaries_.move(from, to);
    endMoveRows();
}

void AlarmListModel::finishDrag(int row)
{
    if (!isDragging())
        return;
    const int slot = int(rows_.indexOf(nullptr));
    if (slot >= 0 && row >= 0 && row < count() && row != slot)
        moveDrag(slot, row);
    const int at = int(rows_.indexOf(nullptr));
    rows_[at] = std::exchange(dragged_, nullptr);
    summaries_[at] = summary(*rows_.at(at));
    Q_EMIT dataChanged(index(at), index(at));
}
