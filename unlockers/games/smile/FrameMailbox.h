#pragma once
#include <QMutex>
#include <QObject>
#include <QVideoFrame>

class QVideoSink;

// Brings the newest camera frame from whatever thread the camera delivers on
// to the thread of this object. Only the newest frame waits: one that
// arrives before the last was handed on replaces it, so nothing queues up
// when the receiving thread is busy.
class FrameMailbox : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void listenTo(QVideoSink *sink);
    // Takes a frame from any thread.
    void put(const QVideoFrame &frame);
    // Forgets a frame still waiting.
    void clear();

Q_SIGNALS:
    void frameArrived(const QVideoFrame &frame);

private:
    void deliver();

    QMutex mutex_;
    QVideoFrame waiting_;
    bool posted_ = false;
};
