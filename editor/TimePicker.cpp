#include "editor/TimePicker.h"

#include "ui/WindowPresence.h"

TimePicker::TimePicker(const ClockStyle &style, QObject *parent) : QObject(parent), style_(style) { }

void TimePicker::setTime(const QTime &time)
{
    if (!time.isValid() || (time.hour() == hour_ && time.minute() == minute_))
        return;
    hour_ = time.hour();
    minute_ = time.minute();
    Q_EMIT timeChanged();
}

void TimePicker::setMinute(int minute) { setTime(QTime(hour_, qBound(0, minute, 59))); }

int TimePicker::wheelHour() const
{
    if (!twelveHour())
        return hour_;
    return hour_ % 12 == 0 ? 12 : hour_ % 12;
}

void TimePicker::setWheelHour(int wheelHour)
{
    const int shown = qBound(firstWheelHour(), wheelHour, lastWheelHour());
    if (!twelveHour()) {
        setTime(QTime(shown, minute_));
        return;
    }
    // 12 is the first hour of its half of the day: 12 AM is 00, 12 PM is 12.
    setTime(QTime(shown % 12 + (isPm() ? 12 : 0), minute_));
}

void TimePicker::setPm(bool pm)
{
    if (pm != isPm())
        setTime(QTime((hour_ + 12) % 24, minute_));
}

void TimePicker::present()
{
    if (phase_ != Phase::Hidden)
        return;
    setPhase(Phase::SlidingIn);
    if (!WindowPresence::animatesTransitions())
        transitionFinished();
}

void TimePicker::close()
{
    if (phase_ == Phase::SlidingIn || phase_ == Phase::Shown)
        slideOut();
}

void TimePicker::confirm()
{
    // Also while it slides in; never twice for one showing.
    if (phase_ != Phase::SlidingIn && phase_ != Phase::Shown)
        return;
    Q_EMIT timePicked(time());
    slideOut();
}

void TimePicker::slideOut()
{
    setPhase(Phase::SlidingOut);
    if (!WindowPresence::animatesTransitions())
        transitionFinished();
}

void TimePicker::transitionFinished()
{
    if (phase_ == Phase::SlidingIn)
        setPhase(Phase::Shown);
    else if (phase_ == Phase::SlidingOut)
        setPhase(Phase::Hidden);
}

void TimePicker::setPhase(Phase phase)
{
    if (phase_ == phase)
        return;
    phase_ = phase;
    Q_EMIT phaseChanged();
}
