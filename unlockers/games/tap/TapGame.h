#pragma once
#include "unlockers/UnlockScreen.h"

#include <QElapsedTimer>
#include <QQmlEngine>
#include <QTimer>

// The tap game: a planet turning once every 10 s, an astronaut floating up
// and down by turns every 4 s, a clock, and one "Close" button. The tap stops
// the astronaut where it floats, with an exclamation mark over its head, and
// sends the planet spinning away (2.5 s); then the astronaut drops off the
// screen (0.5 s) and the base's win sequence starts. The phases are timed
// here; the view animates them with these durations.
class TapGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl CONSTANT)
    Q_PROPERTY(QString closeButtonTitle READ closeButtonTitle CONSTANT)
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool floatingUp READ floatingUp NOTIFY floatStarted)
    Q_PROPERTY(int planetTurnCount READ planetTurnCount NOTIFY planetTurnStarted)
    Q_PROPERTY(int planetTurnMs READ planetTurnMs CONSTANT)
    Q_PROPERTY(int astronautFloatMs READ astronautFloatMs CONSTANT)
    Q_PROPERTY(int planetExitMs READ planetExitMs CONSTANT)
    Q_PROPERTY(int planetExitTurns READ planetExitTurns CONSTANT)
    Q_PROPERTY(int astronautDropMs READ astronautDropMs CONSTANT)
    Q_PROPERTY(int closeButtonFadeMs READ closeButtonFadeMs CONSTANT)
public:
    // Playing until the tap, then the planet leaves, then the astronaut falls.
    enum class Phase { Playing, PlanetLeaving, AstronautFalling };
    Q_ENUM(Phase)

    static constexpr int kPlanetTurnMs = 10000;
    static constexpr int kAstronautFloatMs = 4000;
    static constexpr int kPlanetExitMs = 2500;
    static constexpr int kPlanetExitTurns = 3;
    static constexpr int kAstronautDropMs = 500;
    static constexpr int kCloseButtonFadeMs = 1000;

    explicit TapGame(QObject *parent = nullptr);

    QString backgroundPictureUrl() const;
    QString closeButtonTitle() const { return tr("Close"); }
    Phase phase() const { return phase_; }
    bool floatingUp() const { return floatingUp_; }
    int planetTurnCount() const { return planetTurnCount_; }
    int planetTurnMs() const { return kPlanetTurnMs; }
    int astronautFloatMs() const { return kAstronautFloatMs; }
    int planetExitMs() const { return kPlanetExitMs; }
    int planetExitTurns() const { return kPlanetExitTurns; }
    int astronautDropMs() const { return kAstronautDropMs; }
    int closeButtonFadeMs() const { return kCloseButtonFadeMs; }
    bool isTimerRunning() const { return planetRotateTimer_.isActive() || astronautFloatTimer_.isActive(); }
    bool wasTapped() const { return phase_ != Phase::Playing; }

    // The close button's action; the first tap starts the win, later ones change nothing.
    Q_INVOKABLE void unlock();
    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void phaseChanged();
    void floatStarted();
    void planetTurnStarted();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void turnPicture();
    void astronautFloating();
    void setPhase(Phase phase);
    void planetExitFinished();

    QTimer planetRotateTimer_, astronautFloatTimer_, phaseTimer_;
    Phase phase_ = Phase::Playing;
    bool floatingUp_ = false;
    int planetTurnCount_ = 0;
};
