#pragma once
#include "unlockers/games/shake/Acceleration.h"

#include <QObject>

// Where the shake game's samples come from: the accelerometer, or the pointer
// drags that stand in for it. A source delivers about one sample every
// kSampleIntervalMs while started.
class AccelerationSource : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSampleIntervalMs = 100;

    using QObject::QObject;
    // False when the source cannot deliver anything (no such hardware);
    // failureReason() then says why.
    virtual bool start() = 0;
    virtual void stop() = 0;
    QString failureReason() const { return failureReason_; }

Q_SIGNALS:
    void sampled(const Acceleration &sample);

protected:
    void setFailureReason(const QString &reason) { failureReason_ = reason; }

private:
    QString failureReason_;
};
