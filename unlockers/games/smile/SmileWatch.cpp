#include "unlockers/games/smile/SmileWatch.h"

#include <QDebug>
#include <QGuiApplication>

SmileWatch::SmileWatch(FrameSource *source, const Options &options, QObject *parent)
    : QObject(parent),
      options_(options),
      source_(source),
      analyser_(options.cascadeFolder)
{
    source_->setParent(this);
    mailbox_.listenTo(source_->videoSink());
    connect(&mailbox_, &FrameMailbox::frameArrived, this, &SmileWatch::frameArrived);
    connect(&analyser_, &FrameAnalyser::analysed, this, &SmileWatch::analysed);
    connect(source_, &FrameSource::failed, this, &SmileWatch::sourceFailed);
    noFaceTimer_.setSingleShot(true);
    connect(&noFaceTimer_, &QTimer::timeout, this, [this] { giveUp(Trouble::NoFace); });
    silenceTimer_.setSingleShot(true);
    connect(&silenceTimer_, &QTimer::timeout, this,
            [this] { giveUp(cameraRunning_ ? Trouble::CameraLost : Trouble::CameraRefused); });
}

SmileWatch::~SmileWatch() { stop(); }

void SmileWatch::start()
{
    if (watching_ || finished_)
        return;
    watching_ = true;
    unreadableInARow_ = 0;
    analyser_.resetPace();
    if (options_.noFaceDeadlineMs > 0)
        noFaceTimer_.start(options_.noFaceDeadlineMs);
    silenceTimer_.start(options_.silenceMs);
    source_->start();
}

void SmileWatch::stop()
{
    noFaceTimer_.stop();
    silenceTimer_.stop();
    if (!watching_)
        return;
    watching_ = false;
    source_->stop();
    mailbox_.clear();
    clearPreview();
    setCameraRunning(false);
}

void SmileWatch::setPreviewSink(QVideoSink *sink)
{
    if (preview_ == sink)
        return;
    clearPreview();
    preview_ = sink;
}

void SmileWatch::clearPreview()
{
    // The last picture of the sleeper does not stay behind in the visor.
    if (preview_)
        preview_->setVideoFrame(QVideoFrame());
}

void SmileWatch::setCameraRunning(bool running)
{
    if (running == cameraRunning_)
        return;
    cameraRunning_ = running;
    Q_EMIT cameraRunningChanged();
}

void SmileWatch::frameArrived(const QVideoFrame &frame)
{
    if (!watching_)
        return;
    silenceTimer_.start(options_.silenceMs);
    setCameraRunning(true);
    if (preview_)
        preview_->setVideoFrame(frame);
    analyser_.offer(frame, OrientationHint::of(frame, QGuiApplication::primaryScreen()));
}

void SmileWatch::analysed(const FrameFinding &finding)
{
    if (!watching_)
        return; // stopped meanwhile: what the camera saw then no longer counts
    using Outcome = FrameFinding::Outcome;
    if (finding.outcome == Outcome::NoDetector) {
        qWarning().noquote() << "smile game:" << finding.problem;
        giveUp(Trouble::NoDetector);
        return;
    }
    if (finding.outcome == Outcome::Unreadable) {
        qWarning().noquote() << "smile game: camera frame skipped:" << finding.problem;
        if (++unreadableInARow_ >= kUnreadableLimit)
            giveUp(Trouble::Unreadable);
        return;
    }
    unreadableInARow_ = 0;
    const bool face = finding.outcome == Outcome::Face || finding.outcome == Outcome::Smile;
    if (face) {
        lastFaceTurn_ = finding.turn;
        if (options_.noFaceDeadlineMs > 0)
            noFaceTimer_.start(options_.noFaceDeadlineMs);
    }
    const SmileCount::Stage before = count_.stage();
    const bool wonNow = count_.record(finding.outcome);
    if (count_.stage() != before || face)
        Q_EMIT stageChanged();
    if (wonNow) {
        finished_ = true;
        stop();
        Q_EMIT won();
    }
}

void SmileWatch::sourceFailed(FrameSource::Failure failure)
{
    if (!watching_)
        return;
    switch (failure) {
    case FrameSource::Failure::NoCamera:
        giveUp(Trouble::NoCamera);
        break;
    case FrameSource::Failure::Refused:
        giveUp(Trouble::CameraRefused);
        break;
    case FrameSource::Failure::Lost:
        giveUp(Trouble::CameraLost);
        break;
    }
}

void SmileWatch::giveUp(Trouble trouble)
{
    if (finished_)
        return;
    finished_ = true;
    stop();
    Q_EMIT troubled(trouble);
}
