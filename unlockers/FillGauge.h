#pragma once
#include <QObject>
#include <QTimer>
#include <algorithm>

// The level that the shake and blow games fill: while the player is active
// it rises by `step` every 0.1 s, otherwise it falls by the same step down
// to 0. Every change of activity starts its ticker afresh, so the first step
// comes 0.1 s after the change. The level passes 100 only by the last step;
// reaching 100 stops the gauge and reports full, once.
class FillGauge : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTickMs = 100;
    static constexpr int kFull = 100;

    explicit FillGauge(int step, QObject *parent = nullptr);

    int step() const { return step_; }
    int level() const { return level_; }
    // The level as a share of full, 0 to 100.
    int percent() const { return std::min(level_, kFull); }
    bool isActive() const { return active_; }
    bool isFull() const { return level_ >= kFull; }
    bool isTicking() const { return ticker_.isActive(); }

    void setActive(bool active);
    // Stops rising and falling; resume() goes on where it stopped.
    void pause();
    void resume();
    // Back to 0, inactive; a full gauge stays full.
    void empty();

Q_SIGNALS:
    void levelChanged(int level);
    void activeChanged(bool active);
    void full();

private:
    void tick();
    void setLevel(int level);

    const int step_;
    QTimer ticker_;
    int level_ = 0;
    bool active_ = false;
};
