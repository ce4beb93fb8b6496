#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>

class SystemSound;

// Tells whether the output is muted (our "silent switch": the default sink's
// mute), the way a phone finds out about its ring/silent switch: it plays the
// short system sound "detection.aiff" and counts 1 ms timer ticks until the
// sound reports its end. A muted output ends the sound at once, so fewer than
// ten ticks (0.01 s) mean muted.
//
// The delegate is any QObject with an invokable `isMuted(bool)` (a slot or
// Q_INVOKABLE); one without it gets no call and the stored result stays as it
// was. It is held weakly: a delegate that goes away simply gets nothing.
//
//   MuteProbe::shared()->setDelegate(this);  // this has slot isMuted(bool)
//   MuteProbe::shared()->detect();
//   ...                                                  // later: isMuted(true / false)
//
// Main thread only.
class MuteProbe : public QObject
{
    Q_OBJECT
public:
    static MuteProbe *shared();

    void detect();
    // The result of the last finished detection (false before any).
    bool isMuted() const { return muted_; }
    // Whether a detection is under way.
    bool isDetecting() const { return playbackTimer_.isActive(); }
    QObject *delegate() const { return delegate_; }
    void setDelegate(QObject *delegate) { delegate_ = delegate; }
    // Counted playback time of the running or last detection, in seconds.
    float soundDuration() const { return soundDuration_; }

    void incrementTimer();
    void playbackComplete();

private:
    MuteProbe();

    QPointer<QObject> delegate_;
    float soundDuration_ = 0;
    QTimer playbackTimer_;
    bool muted_ = false;
    SystemSound *probe_ = nullptr;
};
