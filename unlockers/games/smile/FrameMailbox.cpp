#include "unlockers/games/smile/FrameMailbox.h"

#include <QVideoSink>

void FrameMailbox::listenTo(QVideoSink *sink)
{
    connect(sink, &QVideoSink::videoFrameChanged, this, &FrameMailbox::put, Qt::DirectConnection);
}

void FrameMailbox::put(const QVideoFrame &frame)
{
    if (!frame.isValid())
        return; // a stopping camera clears its sink; that is no picture
    QMutexLocker lock(&mutex_);
    waiting_ = frame;
    if (std::exchange(posted_, true))
        return;
    QMetaObject::invokeMethod(this, &FrameMailbox::deliver, Qt::QueuedConnection);
}

void FrameMailbox::clear()
{
    QMutexLocker lock(&mutex_);
    waiting_ = QVideoFrame();
}

void FrameMailbox::deliver()
{
    QVideoFrame frame;
    {
        QMutexLocker lock(&mutex_);
        posted_ = false;
        frame = std::exchange(waiting_, QVideoFrame());
    }
    if (frame.isValid())
        Q_EMIT frameArrived(frame);
}
