#pragma once
#include <QObject>

// The media volume of the device, as the clock face's volume ring and the blow
// game see it: 0 (silent) to 1 (full).
//
// With an audio server it is the volume of PulseAudio's default sink (1 is
// the sink's 100 %); changes made anywhere (another app, the desktop's volume
// control, a hardware key) are reported. Without a server it is a volume kept
// inside the app and applied to the app's own players through playerGain().
//
// Every change, whoever made it, emits volumeChanged and posts the broadcast
// kMediaVolumeDidChangeNotification on Broadcaster with the new volume
// (a float) as its object. Main thread only.
//
//   MediaVolume &v = MediaVolume::shared();
//   v.setVolume(v.volume() + 0.0625f);       // one step of the clock face
//   Broadcaster::shared().addObserver(this, kMediaVolumeDidChangeNotification,
//       [this](const QVariant &volume) { showVolume(volume.toFloat()); });
inline const QString kMediaVolumeDidChangeNotification
    = QStringLiteral("MPMusicPlayerControllerVolumeDidChangeNotification");

struct SinkState;

class MediaVolume : public QObject
{
    Q_OBJECT
public:
    static MediaVolume &shared();

    // True when the volume and mute state are the audio server's.
    bool hasAudioServer() const;

    float volume() const;
    // Clamped to 0..1.
    void setVolume(float volume);

    // The output is muted (the desktop's mute, or our "silent switch").
    bool isMuted() const;
    void setMuted(bool muted);
    // Reads the server's state now instead of waiting for its change event;
    // the mute probe uses it so it never acts on a stale state.
    void refresh();

    // The factor the app's players multiply their own volume by: 1 when the
    // server applies the volume itself, else the in-app volume (0 when muted).
    float playerGain() const;

Q_SIGNALS:
    void volumeChanged(float volume);
    void mutedChanged(bool muted);
    void playerGainChanged(float gain);

private:
    MediaVolume();
    void serverChanged(const SinkState &sink);
    void announce(float oldVolume, bool oldMuted);

    float volume_ = 1.0f;
    bool muted_ = false;
};
