#include "unlockers/games/tap/ZEBAlarmClockUnlockerTapViewController.h"

#include "ui/Pictures.h"

#include <QtMath>

namespace {
constexpr qreal kShortHeight = 480, kTallHeight = 568;
} // namespace

ZEBAlarmClockUnlockerTapViewController::ZEBAlarmClockUnlockerTapViewController(QObject *parent)
    : ZEBAlarmClockUnlockerViewController(parent)
{
    clock_.start();
    planetRotateTimer_.setInterval(kPlanetTurnMs);
    connect(&planetRotateTimer_, &QTimer::timeout, this, &ZEBAlarmClockUnlockerTapViewController::illustrateRotate);
    astronautFloatTimer_.setInterval(kAstronautFloatMs);
    connect(&astronautFloatTimer_, &QTimer::timeout, this, &ZEBAlarmClockUnlockerTapViewController::astronautFloating);
    phaseTimer_.setSingleShot(true);
    // The view's animations last exactly as long; a coarse timer could end a phase early.
    phaseTimer_.setTimerType(Qt::PreciseTimer);
}

QString ZEBAlarmClockUnlockerTapViewController::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene5-bg.jpg"), isTall()));
}

QRectF ZEBAlarmClockUnlockerTapViewController::astronautFrame() const
{
    return {astronautX_, astronautY_, kAstronautFrame.width(), kAstronautFrame.height()};
}

QRectF ZEBAlarmClockUnlockerTapViewController::exclamationFrame() const
{
    return {kExclamationFrame.x(), exclamationY_, kExclamationFrame.width(), kExclamationFrame.height()};
}

qreal ZEBAlarmClockUnlockerTapViewController::astronautYAfter(qreal originY, bool floatingUp, double elapsed)
{
    return originY + elapsed * 0.25 * (floatingUp ? -kFloatHeight : kFloatHeight);
}

float ZEBAlarmClockUnlockerTapViewController::planetAngleAfter(double elapsed)
{
    return float(elapsed / (kPlanetTurnMs / 1000.0)) * 2 * float(M_PI);
}

void ZEBAlarmClockUnlockerTapViewController::viewDidLoad()
{
    ZEBAlarmClockUnlockerViewController::viewDidLoad();
    routeToSpeakerIfHeadset();
    if (isTall()) {
        planetFrame_.translate(0, kTallOffset);
        astronautY_ += kTallOffset;
        closeButtonFrame_.translate(0, kTallOffset);
    }
    originalPlanetOriginY_ = astronautY_;
    setNoticeText(tr("Tap Notice"));
}

void ZEBAlarmClockUnlockerTapViewController::viewDidAppear(bool animated)
{
    ZEBAlarmClockUnlockerViewController::viewDidAppear(animated);
    playRingSound();
    startGameTimers();
}

void ZEBAlarmClockUnlockerTapViewController::startGameTimers()
{
    // After the tap the scene is leaving; nothing starts turning or floating again.
    if (tapped_)
        return;
    planetRotateTimer_.start();
    illustrateRotate();
    astronautFloatTimer_.start();
    astronautFloating();
}

void ZEBAlarmClockUnlockerTapViewController::stopGameTimers()
{
    planetRotateTimer_.stop();
    astronautFloatTimer_.stop();
}

void ZEBAlarmClockUnlockerTapViewController::illustrateRotate()
{
    zeroRadianTimestamp_ = now();
    ++planetTurnCount_;
    Q_EMIT planetTurnStarted();
}

void ZEBAlarmClockUnlockerTapViewController::astronautFloating()
{
    floatingUp_ = !floatingUp_;
    astronautFloatingStartTime_ = now();
    astronautMoveDuration_ = kAstronautFloatMs;
    astronautY_ = originalPlanetOriginY_ + (floatingUp_ ? -kFloatHeight : kFloatHeight);
    Q_EMIT sceneChanged();
}

void ZEBAlarmClockUnlockerTapViewController::unlock()
{
    if (tapped_ || !userInteractionEnabled())
        return;
    tapped_ = true;
    setDismissButtonEnabled(false);
    stopGameTimers();
    relayoutAstronautFrame();
    dismissTheUFOWithStartAngle(planetAngleAfter(now() - zeroRadianTimestamp_));
    closeButtonAlpha_ = 0;
    Q_EMIT sceneChanged();
}

void ZEBAlarmClockUnlockerTapViewController::relayoutAstronautFrame()
{
    astronautMoveDuration_ = 0;
    astronautY_ = astronautYAfter(originalPlanetOriginY_, floatingUp_, now() - astronautFloatingStartTime_);
    exclamationY_ = astronautY_ - kExclamationFrame.height() + 8;
    exclamationAlpha_ = 1;
}

void ZEBAlarmClockUnlockerTapViewController::dismissTheUFOWithStartAngle(float angle)
{
    planetExitStartAngle_ = angle;
    planetExiting_ = true;
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, &ZEBAlarmClockUnlockerTapViewController::planetExitFinished);
    phaseTimer_.start(kPlanetExitMs);
}

void ZEBAlarmClockUnlockerTapViewController::planetExitFinished()
{
    planetVisible_ = false;
    exclamationAlpha_ = 0;
    astronautMoveDuration_ = kAstronautDropMs;
    astronautY_ = isTall() ? kTallHeight : kShortHeight;
    Q_EMIT sceneChanged();
    phaseTimer_.disconnect();
    connect(&phaseTimer_, &QTimer::timeout, this, &ZEBAlarmClockUnlockerTapViewController::unlockAlarmClock);
    phaseTimer_.start(kAstronautDropMs);
}

void ZEBAlarmClockUnlockerTapViewController::unlockAlarmClock()
{
    stopGameTimers();
    ZEBAlarmClockUnlockerViewController::unlockAlarmClock();
}

void ZEBAlarmClockUnlockerTapViewController::dismiss()
{
    stopGameTimers();
    ZEBAlarmClockUnlockerViewController::dismiss();
}
