#pragma once
#include <QDateTime>
#include <QObject>

// Something that wakes the service at a wall-clock moment. Swappable so the
// real-time-clock timer can be replaced (tests, other platforms).
class WakeupSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Wake at `moment` (wall clock, any zone); replaces the previous request.
    virtual void scheduleAt(const QDateTime &moment) = 0;
    virtual void clear() = 0;
    // The moment asked for last; invalid when cleared.
    virtual QDateTime scheduledMoment() const = 0;

Q_SIGNALS:
    void wokeUp();
    // The wall clock was set (a jump, not a tick): every pending moment needs another look.
    void clockChanged();
};
