#pragma once

// While a real alarm rings it must be heard: a muted or nearly silent output
// is turned up for the ring and put back as it was afterwards, unless the
// user changed it in between.
class RingVolumeGuard
{
public:
    static constexpr float kMinimumRingVolume = 0.5f;

    ~RingVolumeGuard() { release(); }
    void engage();
    void release();
    bool engaged() const { return engaged_; }

private:
    bool engaged_ = false;
    bool wasMuted_ = false;
    float previousVolume_ = 1.0f;
    float ringVolume_ = 1.0f;
};
