#include "unlockers/games/tap/TapGame.h"

#include "ui/Pictures.h"

#include <QtMath>

namespace {
constexpr qreal kShortHeight = 480, kTallHeight = 568;
} // namespace

TapGame::TapGame(QObject *parent)
    : UnlockScreen(parent)
{
    clock_.start();
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

QRectF TapGame::astronautFrame() const
{
    return {astronautX_, astronautY_, kAstronautFrame.width(), kAstronautFrame.height()};
}

QRectF TapGame::exclamationFrame() const
{
    return {kExclamationFrame.x(), exclamationY_, kExclamationFrame.width(), kExclamationFrame.height()};
}

qreal TapGame::astronautYAfter(qreal originY, bool floatingUp, double elapsed)
{
    return originY + elapsed * 0.25 * (floatingUp ? -kFloatHeight : kFloatHeight);
}

float TapGame::planetAngleAfter(double elapsed)
{
    return float(elapsed / (kPlanetTurnMs / 1000.0)) * 2 * float(M_PI);
}

void TapGame::didLoad()
{
    UnlockScreen::didLoad();
    routeToSpeakerIfHeadset();
    if (isTall()) {
        planetFrame_.translate(0, kTallOffset);
        astronautY_ += kTallOffset;
        closeButtonFrame_.translate(0, kTallOffset);
    }
    originalPlanetOriginY_ = astronautY_;
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
    if (tapped_)
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
    zeroRadianTimestamp_ = now();
    ++planetTurnCount_;
    Q_EMIT planetTurnStarted();
}

void TapGame::astronautFloating()
{
    floatingUp_ = !floatingUp_;
    astronautFloatingStartTime_ = now();
    astronautMoveDuration_ = kAstronautFloatMs;
    astronautY_ = originalPlanetOriginY_ + (floatingUp_ ? -kFloatHeight : kFloatHeight);
    Q_EMIT sceneChanged();
}

void TapGame::unlock()
{
    if (tapped_ || !userInteractionEnabled())
        return;
    tapped_ = true;
    setDismissButtonEnabled(false);
    stopGameTimers();
    relayoutAstronautFrame();
    sendPlanetAway(planetAngleAfter(now() - zeroRadianTimestamp_));
    closeButtonAlpha_ = 0;
    Q_EMIT sceneChanged();
}

void TapGame::relayoutAstronautFrame()
{
    astronautMoveDuration_ = 0;
    astronautY_ = astronautYAfter(originalPlanetOriginY_, floatingUp_, now() - astronautFloatingStartTime_);
    exclamationY_ = astronautY_ - kExclamationFrame.height() + 8;
    exclamationAlpha_ = 1;
}

void TapGame::sendPlanetAway(float angle)
{
    planetExitStartAngle_ = angle;
    planetExiting_ = true;
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, &TapGame::planetExitFinished);
    phaseTimer_.start(kPlanetExitMs);
}

void TapGame::planetExitFinished()
{
    planetVisible_ = false;
    exclamationAlpha_ = 0;
    astronautMoveDuration_ = kAstronautDropMs;
    astronautY_ = isTall() ? kTallHeight : kShortHeight;
    Q_EMIT sceneChanged();
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, &TapGame::completeUnlock);
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
