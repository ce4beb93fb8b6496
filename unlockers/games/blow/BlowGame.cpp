#include "unlockers/games/blow/BlowGame.h"

#include "sound/MuteProbe.h"
#include "ui/Pictures.h"

BlowGame::BlowGame(QObject *parent) : UnlockScreen(parent)
{
    planetTimer_.setInterval(kPlanetFloatMs);
    connect(&planetTimer_, &QTimer::timeout, this, &BlowGame::planetFloating);
    exitTimer_.setSingleShot(true);
    exitTimer_.setTimerType(Qt::PreciseTimer); // the view spins the UFO away for exactly as long
    exitTimer_.setInterval(kUfoExitMs);
    connect(&exitTimer_, &QTimer::timeout, this, &BlowGame::completeUnlock);
    FillGauge &push = challenge_.push();
    connect(&push, &FillGauge::levelChanged, this, &BlowGame::pushChanged);
    connect(&push, &FillGauge::activeChanged, this, &BlowGame::pushChanged);
    connect(&push, &FillGauge::full, this, &BlowGame::sendUfoAway);
    connect(&challenge_, &BlowChallenge::fallbackStarted, this, [this] {
        showNotice();
        Q_EMIT fallbackChanged();
        Q_EMIT pushChanged();
    });
}

QString BlowGame::distanceText() const
{
    return QStringLiteral("%1 %2 %3").arg(tr("There are")).arg(kDistanceKm).arg(tr("km"));
}

QString BlowGame::backgroundPicture() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene3-bg.jpg"), isTall()));
}

void BlowGame::didLoad()
{
    UnlockScreen::didLoad();
    showNotice();
}

QString BlowGame::fallbackText() const
{
    if (!challenge_.isFallback())
        return {};
    return challenge_.fallbackReason() + QLatin1Char(' ') + tr("Tap Close to stop the alarm.");
}

void BlowGame::showNotice() { setNoticeText(challenge_.isFallback() ? tr("Tap Close to wake up") : tr("Blow Notice")); }

void BlowGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    if (previewMode()) {
        waitingForMuteProbe_ = true;
        MuteProbe::shared()->setDelegate(this);
        MuteProbe::shared()->detect();
    } else {
        playRingSound();
        startedRing_ = true;
    }
    started_ = true;
    startGameTimers();
}

void BlowGame::isMuted(bool muted)
{
    if (!std::exchange(waitingForMuteProbe_, false) || muted || ufoLeaving_ || isExiting())
        return;
    playRingSound();
    startedRing_ = true;
}

void BlowGame::startGameTimers()
{
    if (!started_ || ufoLeaving_)
        return;
    planetTimer_.start();
    planetFloating();
    challenge_.start();
}

void BlowGame::stopGameTimers()
{
    planetTimer_.stop();
    challenge_.pause();
}

void BlowGame::planetFloating()
{
    planetFloatingUp_ = !planetFloatingUp_;
    ++planetFloatCount_;
    Q_EMIT planetFloatingChanged();
}

void BlowGame::closeTapped()
{
    if (challenge_.isFallback())
        sendUfoAway();
}

void BlowGame::sendUfoAway()
{
    if (ufoLeaving_)
        return;
    setDismissButtonEnabled(false);
    stopEverything();
    ufoLeaving_ = true;
    Q_EMIT ufoLeavingChanged();
    exitTimer_.start();
}

void BlowGame::stopEverything()
{
    planetTimer_.stop();
    challenge_.stop();
    waitingForMuteProbe_ = false;
    if (MuteProbe::shared()->delegate() == this)
        MuteProbe::shared()->setDelegate(nullptr);
}

void BlowGame::completeUnlock()
{
    stopEverything();
    setDismissButtonEnabled(false);
    UnlockScreen::completeUnlock();
}

void BlowGame::dismiss()
{
    stopEverything();
    exitTimer_.stop();
    UnlockScreen::dismiss();
}
