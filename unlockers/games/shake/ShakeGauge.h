#pragma once
#include "unlockers/FillGauge.h"
#include "unlockers/games/shake/Acceleration.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

class AccelerationSource;

// The fuel gauge of the shake game, 0 to 100 in steps of 2. Shaking is told
// apart from noise with two thresholds: two axes jumping by more than 0.7 g
// between consecutive samples start the shaking; it lasts until no two axes
// change by more than 0.2 g. While shaken the gauge fills every 0.1 s (5 s of
// shaking fill it), while calm it drains at the same pace. When full it reads
// no more samples.
//
// Each source is judged on its own samples. Readings that are no numbers or
// beyond any real sensor are ignored, and a source whose samples stop while
// it shakes counts as calm after kStaleMs, so a sensor that dies mid-shake
// does not fill the gauge by itself.
class ShakeGauge : public QObject
{
    Q_OBJECT
public:
    static constexpr double kStartThreshold = 0.7; // g
    static constexpr double kStopThreshold = 0.2;  // g
    static constexpr int kStep = 2;
    static constexpr int kStaleMs = 500;

    explicit ShakeGauge(QObject *parent = nullptr);

    void listenTo(AccelerationSource *source);
    void addSample(const QObject *source, const Acceleration &sample);

    FillGauge &fill() { return fill_; }
    const FillGauge &fill() const { return fill_; }
    int level() const { return fill_.level(); }
    bool isShaken() const { return fill_.isActive(); }
    bool isFull() const { return fill_.isFull(); }

    // Going to the background stops the filling and draining; coming back
    // starts again from an empty gauge and a fresh look at the samples.
    void pause();
    void restart();

private:
    struct Track
    {
        Acceleration last;
        bool hasLast = false;
        bool shaken = false;
        qint64 lastAtMs = 0;
    };

    void calmStaleTracks();
    void updateShaken();

    FillGauge fill_{kStep};
    QHash<const QObject *, Track> tracks_;
    QElapsedTimer clock_;
    QTimer staleTimer_;
};
