#pragma once
#include "unlockers/FillGauge.h"
#include "unlockers/games/blow/BlowDetector.h"

#include <QTimer>

// What the blow game asks of the player: blowing into the microphone pushes
// the UFO 3 per cent every 0.1 s, stopping lets it drift back as fast; the
// push passes 100 after 34 steps of blowing. The detector is sampled every
// 0.1 s and one threshold serves both directions; the threshold follows the
// media volume (BlowDetector).
//
// When the microphone cannot serve (none, refused, broken, muted, silent),
// the challenge falls back to the tap game's: one tap on "Close" wins, so the
// alarm can always be stopped. The reason is kept for the screen.
class BlowChallenge : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStep = 3;
    static constexpr int kSampleIntervalMs = 100;

    explicit BlowChallenge(QObject *parent = nullptr);

    BlowDetector &detector() { return detector_; }
    FillGauge &push() { return push_; }
    const FillGauge &push() const { return push_; }
    bool isFallback() const { return fallback_; }
    QString fallbackReason() const { return fallbackReason_; }
    bool isListening() const { return sampler_.isActive(); }

    // Opens the microphone (again after a pause). The threshold follows the
    // media volume as it is now and whenever it changes.
    void start();
    // Background: the microphone closes; the push keeps its level.
    void pause();
    // Win or back button: the microphone closes for good.
    void stop();

Q_SIGNALS:
    void fallbackStarted(const QString &reason);

private:
    void sample();
    void fallBack(const QString &reason);

    BlowDetector detector_;
    FillGauge push_{kStep};
    QTimer sampler_;
    bool fallback_ = false;
    QString fallbackReason_;
};
