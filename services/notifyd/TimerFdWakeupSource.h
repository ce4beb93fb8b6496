#pragma once
#include "services/notifyd/WakeupSource.h"

#include <QSocketNotifier>
#include <memory>

// Wakes on the real-time clock through a timerfd. CLOCK_REALTIME_ALARM also
// brings the machine out of suspend but needs CAP_WAKE_ALARM; without it the
// plain CLOCK_REALTIME serves. Absolute real-time timers follow clock jumps by
// themselves; a second, parked timer with cancel-on-set reports every setting
// of the clock as clockChanged().
class TimerFdWakeupSource : public WakeupSource
{
    Q_OBJECT
public:
    explicit TimerFdWakeupSource(QObject *parent = nullptr);
    ~TimerFdWakeupSource() override;

    void scheduleAt(const QDateTime &moment) override;
    void clear() override;
    QDateTime scheduledMoment() const override { return moment_; }

    bool isValid() const { return fd_ >= 0; }
    bool wakesFromSuspend() const { return wakesFromSuspend_; }

private:
    void onAlarm();
    void onClockSet();
    void arm();
    void parkClockWatch();

    int fd_ = -1;
    int clockWatchFd_ = -1;
    bool wakesFromSuspend_ = false;
    QDateTime moment_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QSocketNotifier> clockWatchNotifier_;
};
