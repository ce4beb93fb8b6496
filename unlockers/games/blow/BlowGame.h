#pragma once
#include "unlockers/UnlockScreen.h"
#include "unlockers/games/blow/BlowChallenge.h"

#include <QQmlEngine>
#include <QTimer>

// The blow game: a UFO hovers beside a floating planet. Blowing into the
// microphone pushes it along an 80-degree arc around the planet, 3 per cent
// every 0.1 s; when the player stops it drifts back. Past 100 per cent it
// spins away, shrinking (2 s), and the win sequence starts.
//
// Without a usable microphone (none, refused, broken, muted, silent) the
// notice says why and a "Close" button offers the tap game's challenge on the
// same screen, so the alarm can always be stopped. A ringing alarm rings
// from the moment the screen appears, like every other game; a preview asks
// the mute probe first and stays quiet on a muted output.
class BlowGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(int pushLevel READ pushLevel NOTIFY pushChanged)
    Q_PROPERTY(qreal ufoAngle READ ufoAngle NOTIFY pushChanged)
    Q_PROPERTY(bool blowing READ isBlowing NOTIFY pushChanged)
    Q_PROPERTY(bool ufoLeaving READ ufoLeaving NOTIFY ufoLeavingChanged)
    Q_PROPERTY(bool planetFloatingUp READ planetFloatingUp NOTIFY planetFloatingChanged)
    Q_PROPERTY(int planetFloatCount READ planetFloatCount NOTIFY planetFloatingChanged)
    Q_PROPERTY(bool usesFallback READ usesFallback NOTIFY fallbackChanged)
    Q_PROPERTY(QString fallbackText READ fallbackText NOTIFY fallbackChanged)
    Q_PROPERTY(QString closeButtonTitle READ closeButtonTitle CONSTANT)
    Q_PROPERTY(QString distanceText READ distanceText CONSTANT)
    Q_PROPERTY(QString backgroundPicture READ backgroundPicture CONSTANT)
    Q_PROPERTY(int pushStepMs READ pushStepMs CONSTANT)
    Q_PROPERTY(int planetFloatMs READ planetFloatMs CONSTANT)
    Q_PROPERTY(int ufoExitMs READ ufoExitMs CONSTANT)
    Q_PROPERTY(qreal ufoExitTurns READ ufoExitTurns CONSTANT)
public:
    static constexpr int kPushStepMs = FillGauge::kTickMs;
    static constexpr int kPlanetFloatMs = 4000;
    static constexpr int kUfoExitMs = 2000;
    // The UFO starts 28.8 degrees round from straight below the planet's
    // centre and travels 80 degrees.
    static constexpr qreal kUfoStartAngle = 0.50286; // atan(54 / 98)
    static constexpr qreal kUfoSweep = 1.3962634;
    static constexpr int kDistanceKm = 65535;
    static constexpr qreal kUfoExitTurns = 3; // it spins to 6 pi while shrinking away

    explicit BlowGame(QObject *parent = nullptr);

    BlowChallenge &challenge() { return challenge_; }
    int pushLevel() const { return challenge_.push().percent(); }
    // Radians round the planet, kUfoStartAngle at no push.
    qreal ufoAngle() const { return kUfoStartAngle + pushLevel() / 100.0 * kUfoSweep; }
    bool isBlowing() const { return challenge_.push().isActive(); }
    bool ufoLeaving() const { return ufoLeaving_; }
    bool planetFloatingUp() const { return planetFloatingUp_; }
    int planetFloatCount() const { return planetFloatCount_; }
    bool usesFallback() const { return challenge_.isFallback(); }
    // Why the microphone cannot serve and what to do instead; empty while it serves.
    QString fallbackText() const;
    QString closeButtonTitle() const { return tr("Close"); }
    QString distanceText() const;
    QString backgroundPicture() const;
    int pushStepMs() const { return kPushStepMs; }
    int planetFloatMs() const { return kPlanetFloatMs; }
    int ufoExitMs() const { return kUfoExitMs; }
    qreal ufoExitTurns() const { return kUfoExitTurns; }

    // The fallback's "Close" button; does nothing while the microphone serves.
    Q_INVOKABLE void closeTapped();
    // The mute probe's answer: a preview starts the ring only on an output that is not muted.
    Q_INVOKABLE void isMuted(bool muted);
    // Whether the ring was started for this screen.
    bool startedRing() const { return startedRing_; }

    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void pushChanged();
    void ufoLeavingChanged();
    void planetFloatingChanged();
    void fallbackChanged();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void showNotice();
    void planetFloating();
    void sendUfoAway();
    void stopEverything();

    BlowChallenge challenge_;
    QTimer planetTimer_, exitTimer_;
    bool planetFloatingUp_ = false;
    int planetFloatCount_ = 0;
    bool ufoLeaving_ = false;
    bool started_ = false;
    bool startedRing_ = false;
    bool waitingForMuteProbe_ = false;
};
