#include "unlockers/games/tap/TapGame.h"

#include "ui/Pictures.h"

TapGame::TapGame(QObject *parent) : UnlockScreen(parent)
{
    planetRotateTimer_.setInterval(kPlanetTurnMs);
    connect(&planetRotateTimer_, &QTimer::timeout, this, &TapGame::turnPicture);
    astronautFloatTimer_.setInterval(kAstronautFloatMs);
    connect(&astronautFloatTimer_, &QTimer::timeout, this, &TapGame::astronautFloating);
    phaseTimer_.setSingleShot(true);
    // The view's animations last exactly as long; a coarse timer could end a phase early.
    phaseTimer_.setTimerType(Qt::PreciseTimer);
}

QString TapGame::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene5-bg.jpg"), isTall()));
}

void TapGame::didLoad()
{
    UnlockScreen::didLoad();
    routeToSpeakerIfHeadset();
    setNoticeText(tr("Tap Notice"));
}

void TapGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    playRingSound();
    startGameTimers();
}

void TapGame::startGameTimers()
{
    // After the tap the scene is leaving; nothing starts turning or floating again.
    if (wasTapped())
        return;
    planetRotateTimer_.start();
    turnPicture();
    astronautFloatTimer_.start();
    astronautFloating();
}

void TapGame::stopGameTimers()
{
    planetRotateTimer_.stop();
    astronautFloatTimer_.stop();
}

void TapGame::turnPicture()
{
    ++planetTurnCount_;
    Q_EMIT planetTurnStarted();
}

void TapGame::astronautFloating()
{
    floatingUp_ = !floatingUp_;
    Q_EMIT floatStarted();
}

void TapGame::setPhase(Phase phase)
{
    phase_ = phase;
    Q_EMIT phaseChanged();
}

void TapGame::unlock()
{
    if (wasTapped() || !userInteractionEnabled())
        return;
    setDismissButtonEnabled(false);
    stopGameTimers();
    setPhase(Phase::PlanetLeaving);
    connect(&phaseTimer_, &QTimer::timeout, this, &TapGame::planetExitFinished, Qt::SingleShotConnection);
    phaseTimer_.start(kPlanetExitMs);
}

void TapGame::planetExitFinished()
{
    setPhase(Phase::AstronautFalling);
    connect(&phaseTimer_, &QTimer::timeout, this, &TapGame::completeUnlock, Qt::SingleShotConnection);
    phaseTimer_.start(kAstronautDropMs);
}

void TapGame::completeUnlock()
{
    stopGameTimers();
    UnlockScreen::completeUnlock();
}

void TapGame::dismiss()
{
    stopGameTimers();
    UnlockScreen::dismiss();
}
