#pragma once
#include "unlockers/games/smile/FaceSearch.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>

#include <memory>

// Analyses camera frames on a worker thread, at most one at a time and at
// most one a second. A frame offered while another is being analysed, or
// sooner than a second after the last one started, is dropped at once: no
// frames queue up however fast the camera delivers, and the caller never
// waits. Results come back as analysed() on the thread that owns this object.
// Deleting the analyser does not wait for a running analysis; its result is
// dropped.
class FrameAnalyser : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;

    explicit FrameAnalyser(const QString &cascadeFolder = SmileDetector::kDefaultCascadeFolder,
                           QObject *parent = nullptr);
    ~FrameAnalyser() override;

    // True when the frame was taken for analysis.
    bool offer(const QVideoFrame &frame, const OrientationHint &hint);
    bool isBusy() const { return busy_; }
    // The next frame offered is taken without waiting out the interval
    // (after the camera starts again).
    void resetPace() { lastStart_.invalidate(); }

    int analysedCount() const { return analysedCount_; }
    int droppedCount() const { return droppedCount_; }

Q_SIGNALS:
    void analysed(const FrameFinding &finding);

private:
    void finished();

    std::shared_ptr<FaceSearch> search_; // shared with the job on the worker
    QFutureWatcher<FrameFinding> watcher_;
    QElapsedTimer lastStart_;
    bool busy_ = false;
    int analysedCount_ = 0;
    int droppedCount_ = 0;
};
