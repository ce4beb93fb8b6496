#pragma once
#include <QObject>

class QVideoSink;

// Where the game's camera pictures come from. Frames arrive on videoSink(),
// from whatever thread the source delivers on. The camera is a real one
// (CameraFrameSource); tests feed the sink themselves.
class FrameSource : public QObject
{
    Q_OBJECT
public:
    enum class Failure {
        NoCamera, // the machine has no camera
        Refused,  // there is one, but it would not start (in use, not allowed, broken)
        Lost,     // it stopped while running (unplugged, driver error)
    };
    Q_ENUM(Failure)

    using QObject::QObject;

    virtual QVideoSink *videoSink() const = 0;
    // Starts delivering; failed() reports, later, a camera that cannot.
    virtual void start() = 0;
    // Stops delivering and lets go of the device at once.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void failed(FrameSource::Failure failure);
};
