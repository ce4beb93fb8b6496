#pragma once
#include "alarms/Alarm.h"

#include <QAbstractListModel>
#include <QQmlEngine>

// The home screen's list: the stored alarms newest first (the reverse of the
// stored order), one row each, with what a row shows. While a row is dragged
// its slot is a blank placeholder and the dragged alarm is held aside.
// Reloading keeps what did not change: rows are moved, inserted, removed or
// refreshed in place, so the view keeps its scroll position and animations.
class AlarmListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the home screen")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        IdentifierRole = Qt::UserRole + 1,
        TimeTextRole, // in the "Date Format" pattern
        DaysRole,     // the weekday strip: [{text, lit}] Sunday first
        SloganRole,
        UnlockerPictureRole, // the unlocker's small picture name
        ActiveRole,
        LevelMarksRole,     // picture names of the five level marks
        AccessibleNameRole, // "HH:MM, <days or Once>, <slogan>, on|off"
        PlaceholderRole,    // the blank slot of a dragged row
    };
    Q_ENUM(Role)

    explicit AlarmListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(rows_.size()); }
    // Takes the stored list (oldest first) and shows it newest first.
    void setStoredAlarms(const AlarmList &stored);
    // Null for a row out of range or the placeholder.
    AlarmPtr alarmAt(int row) const;
    int rowOf(const QString &identifier) const;
    // The shown rows' identifiers in stored order (oldest first).
    QStringList storedOrder() const;

    // Dragging: the dragged alarm leaves a placeholder, which moves with the finger.
    bool isDragging() const { return dragged_ != nullptr; }
    // The blank row the dragged alarm will drop into; -1 when nothing is dragged.
    int placeholderRow() const { return isDragging() ? int(rows_.indexOf(nullptr)) : -1; }
    bool beginDrag(int row);
    void moveDrag(int from, int to);
    // Puts the dragged alarm back into the placeholder's slot at `row`.
    void finishDrag(int row);

    // "HH:MM, <days or Once>, <slogan>, on|off".
    static QString accessibleName(const Alarm &alarm);
    // The alarm's time in the localized "Date Format" pattern.
    static QString timeText(const Alarm &alarm);

Q_SIGNALS:
    void countChanged();

private:
    // What a row shows; rows whose summary is unchanged are not refreshed.
    static QString summary(const Alarm &alarm);
    void applyMoveInsertOrRemove(const AlarmList &shown);

    AlarmList rows_; // shown order; a null entry is the placeholder
    AlarmPtr dragged_;
    QStringList summaries_;
};
