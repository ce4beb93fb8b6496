#pragma once
#include <QDateTime>
#include <QTimeZone>

// "Now" and the local time zone, injectable so tests can pin both.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QTimeZone timeZone() const = 0;
    // The current moment, expressed in timeZone().
    virtual QDateTime now() const = 0;

    static const Clock &current();
    // Tests install their own clock; nullptr restores the system clock.
    static void setCurrent(const Clock *clock);
};

class SystemClock : public Clock
{
public:
    QTimeZone timeZone() const override;
    QDateTime now() const override;
};

// A clock that stands still until told otherwise.
class FixedClock : public Clock
{
public:
    FixedClock(const QDateTime &now, const QTimeZone &zone);
    QTimeZone timeZone() const override { return zone_; }
    QDateTime now() const override { return now_.toTimeZone(zone_); }
    void setNow(const QDateTime &now) { now_ = now; }
    void setTimeZone(const QTimeZone &zone) { zone_ = zone; }
    void advanceSecs(qint64 secs) { now_ = now_.addSecs(secs); }

private:
    QDateTime now_;
    QTimeZone zone_;
};

// The system clock moved by a fixed offset: time runs as usual, so timers fire,
// but an alarm can fall due a few seconds from now.
class ShiftedClock : public Clock
{
public:
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
    QDateTime now() const override;
    void setOffsetMs(qint64 offsetMs) { offsetMs_ = offsetMs; }
    qint64 offsetMs() const { return offsetMs_; }
    // Makes "now" read `moment`.
    void setNow(const QDateTime &moment);

private:
    qint64 offsetMs_ = 0;
};
