#include "unlockers/games/smile/SmileGame.h"

#include "ui/Pictures.h"
#include "unlockers/games/sum/KeySounds.h"
#include "unlockers/games/smile/CameraFrameSource.h"

#include <QRandomGenerator>

SmileGame::SmileGame(FrameSource *source, const SmileWatch::Options &options, std::optional<quint32> seed,
                     QObject *parent)
    : UnlockScreen(parent),
      options_(options),
      watch_(new SmileWatch(source ? source : new CameraFrameSource, options, this)),
      seed_(seed)
{
    ufoTimer_.setInterval(kUfoDriftMs);
    connect(&ufoTimer_, &QTimer::timeout, this, &SmileGame::ufoFloating);
    connect(watch_, &SmileWatch::cameraRunningChanged, this, &SmileGame::cameraChanged);
    connect(watch_, &SmileWatch::stageChanged, this, &SmileGame::cameraChanged);
    connect(watch_, &SmileWatch::won, this, &SmileGame::smiled);
    connect(watch_, &SmileWatch::troubled, this, &SmileGame::offerSum);
}

SmileGame::~SmileGame() { watch_->stop(); }

QString SmileGame::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene4-bg.jpg"), isTall()));
}

QString SmileGame::astronautPictureUrl() const
{
    return Pictures::url(isTall() ? QStringLiteral("unlock-scene4-astronaut-568h")
                                  : QStringLiteral("unlock-scene4-astronaut"));
}

QString SmileGame::cameraStatus() const
{
    if (fallbackActive())
        return tr("camera off");
    const SmileCount &count = watch_->count();
    switch (count.stage()) {
    case SmileCount::Stage::Smiling:
    case SmileCount::Stage::Won:
        return tr("smile %1 of %2").arg(count.smiles()).arg(SmileCount::kSmilesToWin);
    case SmileCount::Stage::FaceSeen:
        return tr("face seen");
    case SmileCount::Stage::LookingForFace:
        break;
    }
    return watch_->isCameraRunning() ? tr("looking for a face") : tr("starting the camera");
}

void SmileGame::setPreviewSink(QVideoSink *sink)
{
    if (sink == watch_->previewSink())
        return;
    watch_->setPreviewSink(sink);
    Q_EMIT previewSinkChanged();
}

void SmileGame::didLoad()
{
    UnlockScreen::didLoad();
    // Made now, so the winning frame does not wait for a decoder.
    KeySounds::prepare(kShutterSound);
    setNoticeText(tr("Smile Notice"));
}

void SmileGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    appeared_ = true;
    playRingSound();
    startGameTimers();
}

void SmileGame::willDisappear(bool animated)
{
    watch_->stop();
    UnlockScreen::willDisappear(animated);
}

void SmileGame::startGameTimers()
{
    if (!appeared_ || isExiting())
        return;
    ufoTimer_.start();
    ufoFloating();
    if (fallbackActive())
        return;
    // A preview waits for a face as long as the user likes; a ringing alarm
    // offers the sum after a minute without one.
    watch_->setNoFaceDeadline(previewMode() ? 0 : options_.noFaceDeadlineMs);
    routeToSpeakerIfHeadset();
    watch_->start();
}

void SmileGame::stopGameTimers()
{
    ufoTimer_.stop();
    watch_->stop();
}

void SmileGame::ufoFloating()
{
    ufoFloatingUp_ = !ufoFloatingUp_;
    Q_EMIT ufoDriftStarted();
}

void SmileGame::smiled()
{
    shutterSounded_ = KeySounds::play(kShutterSound);
    completeUnlock();
}

void SmileGame::offerSum(SmileWatch::Trouble trouble)
{
    if (fallbackActive() || isExiting())
        return;
    trouble_ = trouble;
    sumChallenge_ = new SumChallenge(seed_ ? *seed_ : QRandomGenerator::system()->generate(), this);
    connect(sumChallenge_, &SumChallenge::won, this, [this] {
        setUserInteractionEnabled(false);
        completeUnlock();
    });
    setNoticeText(troubleText(trouble) + QLatin1Char(' ') + tr("Solve the sum instead."));
    sumChallenge_->showKeys();
    Q_EMIT fallbackChanged();
    Q_EMIT cameraChanged();
}

QString SmileGame::troubleText(SmileWatch::Trouble trouble) const
{
    switch (trouble) {
    case SmileWatch::Trouble::NoCamera:
        return tr("No camera found.");
    case SmileWatch::Trouble::CameraRefused:
        return tr("The camera could not be started.");
    case SmileWatch::Trouble::CameraLost:
        return tr("The camera stopped working.");
    case SmileWatch::Trouble::Unreadable:
        return tr("The camera's pictures cannot be read.");
    case SmileWatch::Trouble::NoDetector:
        return tr("Face detection is not available.");
    case SmileWatch::Trouble::NoFace:
        return tr("No face seen for a minute.");
    }
    return {};
}

void SmileGame::completeUnlock()
{
    setDismissButtonEnabled(false);
    stopGameTimers();
    UnlockScreen::completeUnlock();
}

void SmileGame::dismiss()
{
    stopGameTimers();
    UnlockScreen::dismiss();
}
