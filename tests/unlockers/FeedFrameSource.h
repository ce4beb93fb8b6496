#pragma once
// The camera edge for the smile game's tests: a frame source whose video
// sink the test feeds, in place of a device this machine does not have.
#include "FaceFrames.h"

#include "unlockers/games/smile/FrameSource.h"

#include <QVideoSink>

#include <atomic>

class FeedFrameSource : public FrameSource
{
public:
    FeedFrameSource() : sink_(new QVideoSink(this)) { }

    QVideoSink *videoSink() const override { return sink_; }
    void start() override
    {
        active_ = true;
        ++starts;
    }
    void stop() override
    {
        if (active_)
            ++stops;
        active_ = false;
    }
    bool isActive() const override { return active_; }

    // A new frame with these pixels, as the camera would deliver it; none while stopped.
    void deliver(const QVideoFrame &frame)
    {
        if (active_)
            sink_->setVideoFrame(FaceFrames::copy(frame));
    }
    void breakDown(Failure failure)
    {
        active_ = false;
        Q_EMIT failed(failure);
    }

    int starts = 0;
    int stops = 0;

private:
    QVideoSink *sink_;
    std::atomic<bool> active_ = false;
};
