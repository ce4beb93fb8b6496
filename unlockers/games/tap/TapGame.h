#pragma once
#include "unlockers/UnlockScreen.h"

#include <QElapsedTimer>
#include <QRectF>
#include <QTimer>

// The tap game: a planet turning once every 10 s, an astronaut bobbing 20
// points up and down, a clock, and one "Close" button. The tap sends the
// planet spinning away (2.5 s) and drops the astronaut off the screen (0.5 s)
// before the base's win sequence starts. The phases are timed here; the view
// animates them with the same durations.
class TapGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl CONSTANT)
    Q_PROPERTY(QString closeButtonTitle READ closeButtonTitle CONSTANT)
    Q_PROPERTY(QRectF closeButtonFrame READ closeButtonFrame CONSTANT)
    Q_PROPERTY(qreal closeButtonAlpha READ closeButtonAlpha NOTIFY sceneChanged)
    Q_PROPERTY(QRectF planetFrame READ planetFrame CONSTANT)
    Q_PROPERTY(int planetTurnCount READ planetTurnCount NOTIFY planetTurnStarted)
    Q_PROPERTY(bool planetExiting READ planetExiting NOTIFY sceneChanged)
    Q_PROPERTY(qreal planetExitStartAngle READ planetExitStartAngle NOTIFY sceneChanged)
    Q_PROPERTY(bool planetVisible READ planetVisible NOTIFY sceneChanged)
    Q_PROPERTY(QRectF astronautFrame READ astronautFrame NOTIFY sceneChanged)
    Q_PROPERTY(int astronautMoveDuration READ astronautMoveDuration NOTIFY sceneChanged)
    Q_PROPERTY(QRectF exclamationFrame READ exclamationFrame NOTIFY sceneChanged)
    Q_PROPERTY(qreal exclamationAlpha READ exclamationAlpha NOTIFY sceneChanged)
public:
    static constexpr int kPlanetTurnMs = 10000;
    static constexpr int kAstronautFloatMs = 4000;
    static constexpr qreal kFloatHeight = 20;
    static constexpr int kPlanetExitMs = 2500;
    static constexpr int kAstronautDropMs = 500;
    static constexpr int kCloseButtonFadeMs = 1000;
    static constexpr qreal kTallOffset = 24;
    static constexpr qreal kExitTurns = 3; // the planet spins to 6 pi
    // The scene as laid out for the 320 x 480 screen, in points.
    static constexpr QRectF kPlanetFrame{50, 180, 220, 220};
    static constexpr QRectF kAstronautFrame{196, 158, 66, 84};
    static constexpr QRectF kExclamationFrame{232, 140, 16, 30};
    static constexpr QRectF kCloseButtonFrame{100, 418, 120, 40};

    explicit TapGame(QObject *parent = nullptr);

    QString backgroundPictureUrl() const;
    QString closeButtonTitle() const { return tr("Close"); }
    QRectF closeButtonFrame() const { return closeButtonFrame_; }
    qreal closeButtonAlpha() const { return closeButtonAlpha_; }
    QRectF planetFrame() const { return planetFrame_; }
    int planetTurnCount() const { return planetTurnCount_; }
    bool planetExiting() const { return planetExiting_; }
    // Radians: where the planet had turned to when tapped.
    qreal planetExitStartAngle() const { return planetExitStartAngle_; }
    bool planetVisible() const { return planetVisible_; }
    QRectF astronautFrame() const;
    int astronautMoveDuration() const { return astronautMoveDuration_; }
    QRectF exclamationFrame() const;
    qreal exclamationAlpha() const { return exclamationAlpha_; }
    bool floatingUp() const { return floatingUp_; }
    qreal originalPlanetOriginY() const { return originalPlanetOriginY_; }
    bool isTimerRunning() const { return planetRotateTimer_.isActive() || astronautFloatTimer_.isActive(); }
    bool wasTapped() const { return tapped_; }

    // Where the float has brought the astronaut `elapsed` seconds after it
    // started, and the planet's angle `elapsed` seconds into its turn.
    static qreal astronautYAfter(qreal originY, bool floatingUp, double elapsed);
    static float planetAngleAfter(double elapsed);

    // The close button's action; the first tap starts the win, later ones change nothing.
    Q_INVOKABLE void unlock();
    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void sceneChanged();
    void planetTurnStarted();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    double now() const { return clock_.elapsed() / 1000.0; }
    void turnPicture();
    void astronautFloating();
    void relayoutAstronautFrame();
    void sendPlanetAway(float angle);
    void planetExitFinished();

    QElapsedTimer clock_;
    QTimer planetRotateTimer_, astronautFloatTimer_, phaseTimer_;
    QRectF planetFrame_ = kPlanetFrame, closeButtonFrame_ = kCloseButtonFrame;
    qreal astronautX_ = kAstronautFrame.x(), astronautY_ = kAstronautFrame.y();
    qreal exclamationY_ = kExclamationFrame.y();
    qreal originalPlanetOriginY_ = 0;
    double zeroRadianTimestamp_ = 0, astronautFloatingStartTime_ = 0;
    bool floatingUp_ = false;
    bool tapped_ = false;
    bool planetExiting_ = false, planetVisible_ = true;
    qreal planetExitStartAngle_ = 0;
    qreal closeButtonAlpha_ = 1, exclamationAlpha_ = 0;
    int astronautMoveDuration_ = 0;
    int planetTurnCount_ = 0;
};
