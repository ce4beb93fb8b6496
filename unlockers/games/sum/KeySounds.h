#pragma once
#include <QString>

// The calculator's key click and buzzer. A key pressed again restarts its
// click from the start; the buzzer sounds over the click. Each sound keeps one player for
// the whole run: a player per press means a new decoding pipeline per press,
// and Qt's GStreamer player can crash when destroyed shortly after playing.
namespace KeySounds {
// Plays an app sound file ("button click.mp3") once; false when there is no such sound.
bool play(const QString &fileName);
} // namespace KeySounds
