#pragma once
#include <QSize>

// What the screens need to know about the display: its current mode in device
// pixels and its scale. "Tall" means the mode is exactly 640 x 1136 pixels
// (320 x 568 points at scale 2); with no mode known the screen is not tall.
class ScreenMetrics
{
public:
    static constexpr QSize kTallMode{640, 1136};
    static constexpr QSize kNormalMode{640, 960};

    static ScreenMetrics &shared();

    QSize displayMode() const { return mode_; }
    void setDisplayMode(QSize pixels) { mode_ = pixels; }
    qreal scale() const { return scale_; }
    void setScale(qreal scale) { scale_ = scale; }

    bool isTall() const { return mode_ == kTallMode; }

private:
    QSize mode_;
    qreal scale_ = 2.0; // pictures are made at double resolution
};
