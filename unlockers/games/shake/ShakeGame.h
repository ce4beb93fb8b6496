#pragma once
#include "unlockers/UnlockScreen.h"
#include "unlockers/games/shake/ShakeChallenge.h"

#include <QPointer>
#include <QQmlEngine>
#include <QTimer>

class AudioPlayer;

// The shake game: a craft on its launch pad beside a fuel gauge. Shaking the
// device (or, without a working accelerometer, dragging the window fast back
// and forth) fills the gauge 2 per cent every 0.1 s, resting drains it; at
// 100 the screen flashes white, the craft flies off the top and the win
// sequence starts. The fuelling sound plays while the player shakes and the
// exhaust flame flickers every 0.5 s.
class ShakeGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(int gaugeLevel READ gaugeLevel NOTIFY gaugeChanged)
    Q_PROPERTY(qreal gaugeFraction READ gaugeFraction NOTIFY gaugeChanged)
    Q_PROPERTY(qreal glowOpacity READ glowOpacity NOTIFY gaugeChanged)
    Q_PROPERTY(bool shaken READ isShaken NOTIFY shakenChanged)
    Q_PROPERTY(bool usesStandIn READ usesStandIn NOTIFY standInChanged)
    Q_PROPERTY(QString standInText READ standInText NOTIFY standInChanged)
    Q_PROPERTY(bool flameBright READ flameBright NOTIFY flameChanged)
    Q_PROPERTY(bool flashing READ flashing NOTIFY phaseChanged)
    Q_PROPERTY(bool launching READ launching NOTIFY phaseChanged)
    Q_PROPERTY(QString backgroundPicture READ backgroundPicture CONSTANT)
    Q_PROPERTY(int gaugeStepMs READ gaugeStepMs CONSTANT)
    Q_PROPERTY(int flameFadeMs READ flameFadeMs CONSTANT)
    Q_PROPERTY(qreal flameDimOpacity READ flameDimOpacity CONSTANT)
    Q_PROPERTY(int flashInMs READ flashInMs CONSTANT)
    Q_PROPERTY(int flashOutMs READ flashOutMs CONSTANT)
    Q_PROPERTY(int launchMs READ launchMs CONSTANT)
public:
    // Playing: the gauge fills and drains. Flash: full, the screen flashes
    // white. Launch: the craft flies off the top.
    enum class Phase { Playing, Flash, Launch };
    Q_ENUM(Phase)

    static constexpr int kGaugeStepMs = FillGauge::kTickMs;
    static constexpr int kFlameFlickerMs = 500;
    static constexpr int kFlameFadeMs = 400;
    static constexpr qreal kFlameDimOpacity = 0.5;
    static constexpr qreal kGlowAtFull = 0.5;
    static constexpr int kFlashInMs = 200;
    static constexpr int kFlashOutMs = 250;
    static constexpr int kLaunchMs = 1500;
    static inline const QString kFuelSound = QStringLiteral("Tolvek Launch.mp3");

    explicit ShakeGame(QObject *parent = nullptr);
    ~ShakeGame() override;

    ShakeChallenge &challenge() { return challenge_; }
    int gaugeLevel() const { return challenge_.gauge().fill().percent(); }
    qreal gaugeFraction() const { return gaugeLevel() / 100.0; }
    qreal glowOpacity() const { return phase_ == Phase::Playing ? gaugeFraction() * kGlowAtFull : 0; }
    bool isShaken() const { return challenge_.gauge().isShaken(); }
    bool usesStandIn() const { return challenge_.usesStandIn(); }
    // Why the drags stand in and how to use them; empty while the sensor serves.
    QString standInText() const;
    bool flameBright() const { return flameBright_; }
    Phase phase() const { return phase_; }
    bool flashing() const { return phase_ == Phase::Flash; }
    bool launching() const { return phase_ == Phase::Launch; }
    int gaugeStepMs() const { return kGaugeStepMs; }
    int flameFadeMs() const { return kFlameFadeMs; }
    qreal flameDimOpacity() const { return kFlameDimOpacity; }
    int flashInMs() const { return kFlashInMs; }
    int flashOutMs() const { return kFlashOutMs; }
    int launchMs() const { return kLaunchMs; }
    QString backgroundPicture() const;
    bool isFuelSoundPlaying() const;

    // The stand-in's drags, in points within the window.
    Q_INVOKABLE void dragMoved(qreal x, qreal y);
    Q_INVOKABLE void dragReleased();

    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void gaugeChanged();
    void shakenChanged();
    void standInChanged();
    void flameChanged();
    void phaseChanged();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void showNotice();
    void shakenChange(bool shaken);
    void gaugeFull();
    void setPhase(Phase phase);
    void stopEverything();

    ShakeChallenge challenge_;
    QTimer flameTimer_, phaseTimer_;
    QPointer<AudioPlayer> fuelSound_;
    bool flameBright_ = true;
    Phase phase_ = Phase::Playing;
    bool started_ = false;
};
