#pragma once
#include "unlockers/games/smile/FrameAnalyser.h"
#include "unlockers/games/smile/FrameMailbox.h"
#include "unlockers/games/smile/FrameSource.h"
#include "unlockers/games/smile/SmileCount.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <QVideoSink>

// Watches the camera for the sleeper's smile: frames from the source go to
// the preview and, at most one a second, to the analyser on its worker; the
// count decides the win. Whatever keeps the game from being won by a smile
// is reported once as trouble, with the camera already released.
class SmileWatch : public QObject
{
    Q_OBJECT
public:
    enum class Trouble {
        NoCamera,
        CameraRefused,
        CameraLost, // unplugged, failed, or sent nothing for a while
        Unreadable, // its pictures cannot be read
        NoDetector, // the face detector's files are missing
        NoFace,     // no face for a minute (only when a deadline is set)
    };
    Q_ENUM(Trouble)

    // A camera that has sent nothing for this long counts as lost.
    static constexpr int kSilenceMs = 10000;
    // How long a ringing alarm waits for a face before offering the sum.
    static constexpr int kNoFaceDeadlineMs = 60000;
    // This many unreadable frames in a row and the pictures count as unreadable.
    static constexpr int kUnreadableLimit = 3;

    struct Options
    {
        QString cascadeFolder = SmileDetector::kDefaultCascadeFolder;
        int noFaceDeadlineMs = kNoFaceDeadlineMs; // 0: wait for a face as long as it takes
        int silenceMs = kSilenceMs;
    };

    // Takes ownership of the source.
    explicit SmileWatch(FrameSource *source, const Options &options, QObject *parent = nullptr);
    ~SmileWatch() override;

    // Starts (or restarts, after a stay in the background) the camera.
    void start();
    // Releases the camera and forgets any frame on its way.
    void stop();
    bool isWatching() const { return watching_; }
    // Takes effect at the next start(); 0 waits for a face as long as it takes.
    void setNoFaceDeadline(int ms) { options_.noFaceDeadlineMs = ms; }
    bool isCameraRunning() const { return cameraRunning_; }

    // Where the live picture goes (the visor's video output).
    void setPreviewSink(QVideoSink *sink);
    QVideoSink *previewSink() const { return preview_; }

    const SmileCount &count() const { return count_; }
    // Clockwise degrees that showed the last face upright (0 before any).
    int lastFaceTurn() const { return lastFaceTurn_; }
    FrameSource *source() const { return source_; }
    const FrameAnalyser &analyser() const { return analyser_; }

Q_SIGNALS:
    void cameraRunningChanged();
    void stageChanged();
    void won();
    void troubled(SmileWatch::Trouble trouble);

private:
    void frameArrived(const QVideoFrame &frame);
    void analysed(const FrameFinding &finding);
    void sourceFailed(FrameSource::Failure failure);
    void giveUp(Trouble trouble);
    void setCameraRunning(bool running);
    void clearPreview();

    Options options_;
    FrameSource *source_;
    FrameMailbox mailbox_;
    FrameAnalyser analyser_;
    SmileCount count_;
    QPointer<QVideoSink> preview_;
    QTimer noFaceTimer_, silenceTimer_;
    int unreadableInARow_ = 0;
    int lastFaceTurn_ = 0;
    bool watching_ = false;
    bool cameraRunning_ = false;
    bool finished_ = false; // won or given up: nothing starts again
};
