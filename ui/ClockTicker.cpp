#include "ui/ClockTicker.h"

#include "platform/ApplicationLifecycle.h"
#include "platform/Clock.h"
#include "platform/Broadcaster.h"
#include "ui/ClockStyle.h"

#include <QTime>

ClockTicker::ClockTicker(QQuickItem *parent) : QQuickItem(parent)
{
    clockTimer_.setSingleShot(true);
    // Coarse timers may fire up to 5 % late, seconds on a minute.
    clockTimer_.setTimerType(Qt::PreciseTimer);
    connect(&clockTimer_, &QTimer::timeout, this, &ClockTicker::tick);
    startTicking();
}

ClockTicker::~ClockTicker() { unsubscribe(); }

void ClockTicker::startTicking()
{
    is24h_ = !ClockStyle(QLocale()).twelveHour();
    subscribe();
    restartTimer();
}

void ClockTicker::subscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.addObserver(this, ApplicationLifecycle::WillResignActive,
                       [this](const QVariant &) { applicationResignActive(); });
    center.addObserver(this, ApplicationLifecycle::WillEnterForeground,
                       [this](const QVariant &) { applicationEnterForeground(); });
}

void ClockTicker::unsubscribe()
{
    Broadcaster::shared().removeObserver(this);
    clockTimer_.stop();
}

void ClockTicker::restartTimer()
{
    paused_ = false;
    // Back in front after a while: show the time now, not at the next minute.
    tick();
    Q_EMIT tickingChanged();
}

void ClockTicker::applicationResignActive()
{
    paused_ = true;
    clockTimer_.stop();
    Q_EMIT tickingChanged();
}

void ClockTicker::applicationEnterForeground() { restartTimer(); }

int ClockTicker::displayedHour(int hour, bool is24h)
{
    if (is24h)
        return hour;
    const int onDial = hour % 12;
    return onDial == 0 ? 12 : onDial;
}

QString ClockTicker::twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

QString ClockTicker::weekdayAbbreviation(int weekday)
{
    static const char *const names[] = {QT_TR_NOOP("SUN"), QT_TR_NOOP("MON"), QT_TR_NOOP("TUE"), QT_TR_NOOP("WED"),
                                        QT_TR_NOOP("THU"), QT_TR_NOOP("FRI"), QT_TR_NOOP("SAT")};
    if (weekday < 1 || weekday > 7)
        return {};
    return tr(names[weekday - 1]);
}

QString ClockTicker::dateLine(int day, int month, int weekday)
{
    return QStringLiteral("%1/%2   %3").arg(twoDigits(day), twoDigits(month), weekdayAbbreviation(weekday));
}

int ClockTicker::msToNextTick(const QTime &now) { return 60000 - (now.second() * 1000 + now.msec()) + kTickLateMs; }

void ClockTicker::tick()
{
    const QDateTime now = Clock::current().now();
    if (!paused_)
        clockTimer_.start(msToNextTick(now.time()));
    const QString hour = twoDigits(displayedHour(now.time().hour(), is24h_));
    const QString minute = twoDigits(now.time().minute());
    if (hour != hourText_) {
        hourText_ = hour;
        Q_EMIT hourTextChanged();
    }
    if (minute != minuteText_) {
        minuteText_ = minute;
        Q_EMIT minuteTextChanged();
    }
    // Calendar weekday: 1 = Sunday; Qt counts 1 = Monday ... 7 = Sunday.
    const int weekday = now.date().dayOfWeek() % 7 + 1;
    const QString date = dateLine(now.date().day(), now.date().month(), weekday);
    if (date != dateText_) {
        dateText_ = date;
        Q_EMIT dateTextChanged();
    }
}

void ClockTicker::setLabelColor(const QColor &color)
{
    if (labelColor_ == color)
        return;
    labelColor_ = color;
    Q_EMIT labelColorChanged();
}
