#include "unlockers/games/shake/ShakeGame.h"

#include "sound/AudioPlayer.h"
#include "sound/SoundResources.h"
#include "ui/Pictures.h"

ShakeGame::ShakeGame(QObject *parent) : UnlockScreen(parent)
{
    flameTimer_.setInterval(kFlameFlickerMs);
    connect(&flameTimer_, &QTimer::timeout, this, [this] {
        flameBright_ = !flameBright_;
        Q_EMIT flameChanged();
    });
    phaseTimer_.setSingleShot(true);
    phaseTimer_.setTimerType(Qt::PreciseTimer); // the view animates each phase for exactly as long
    FillGauge &fill = challenge_.gauge().fill();
    connect(&fill, &FillGauge::levelChanged, this, &ShakeGame::gaugeChanged);
    connect(&fill, &FillGauge::activeChanged, this, &ShakeGame::shakenChange);
    connect(&fill, &FillGauge::full, this, &ShakeGame::gaugeFull);
    connect(&challenge_, &ShakeChallenge::standInStarted, this, [this] {
        showNotice();
        Q_EMIT standInChanged();
    });
}

ShakeGame::~ShakeGame()
{
    if (fuelSound_)
        fuelSound_->retire();
}

QString ShakeGame::backgroundPicture() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene2-bg.jpg"), isTall()));
}

bool ShakeGame::isFuelSoundPlaying() const { return fuelSound_ && fuelSound_->isPlaying(); }

void ShakeGame::didLoad()
{
    UnlockScreen::didLoad();
    routeToSpeakerIfHeadset();
    const QString path = SoundResources::pathForSoundFile(kFuelSound);
    if (!path.isEmpty())
        fuelSound_ = new AudioPlayer(SoundResources::urlForPath(path), this);
    showNotice();
}

QString ShakeGame::standInText() const
{
    if (!challenge_.usesStandIn())
        return {};
    return challenge_.standInReason() + QLatin1Char(' ') + tr("Drag the screen fast back and forth to fill the gauge.");
}

void ShakeGame::showNotice()
{
    setNoticeText(challenge_.usesStandIn() ? tr("Drag fast to shake") : tr("Shake Notice"));
}

void ShakeGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    playRingSound();
    started_ = true;
    challenge_.start();
    flameTimer_.start();
}

void ShakeGame::startGameTimers()
{
    // Back from the background: the gauge starts again empty.
    if (!started_ || phase_ != Phase::Playing)
        return;
    challenge_.resume();
    Q_EMIT gaugeChanged();
    flameTimer_.start();
    flameBright_ = !flameBright_;
    Q_EMIT flameChanged();
}

void ShakeGame::stopGameTimers()
{
    challenge_.pause();
    flameTimer_.stop();
    if (fuelSound_)
        fuelSound_->stop();
}

void ShakeGame::shakenChange(bool shaken)
{
    if (fuelSound_) {
        if (shaken)
            fuelSound_->play();
        else
            fuelSound_->stop();
    }
    Q_EMIT shakenChanged();
}

void ShakeGame::dragMoved(qreal x, qreal y)
{
    if (challenge_.usesStandIn())
        challenge_.drags().pointerMoved({x, y});
}

void ShakeGame::dragReleased() { challenge_.drags().pointerReleased(); }

void ShakeGame::gaugeFull()
{
    if (fuelSound_)
        fuelSound_->stop();
    setPhase(Phase::Flash);
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, &ShakeGame::completeUnlock);
    phaseTimer_.start(kFlashInMs + kFlashOutMs);
}

void ShakeGame::setPhase(Phase phase)
{
    phase_ = phase;
    Q_EMIT phaseChanged();
    Q_EMIT gaugeChanged(); // the glow goes with the flash
}

void ShakeGame::stopEverything()
{
    challenge_.stop();
    flameTimer_.stop();
    if (fuelSound_)
        fuelSound_->stop();
}

void ShakeGame::completeUnlock()
{
    if (phase_ == Phase::Launch || isExiting())
        return;
    setDismissButtonEnabled(false);
    stopEverything();
    setPhase(Phase::Launch);
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, [this] { UnlockScreen::completeUnlock(); });
    phaseTimer_.start(kLaunchMs);
}

void ShakeGame::dismiss()
{
    stopEverything();
    phaseTimer_.stop();
    UnlockScreen::dismiss();
}
