#pragma once
#include <QString>

// The games' short sounds: the calculator's key click and buzzer, the smile
// game's shutter. A sound played again restarts from the start; different
// sounds play over each other. Each sound keeps one player for the whole
// run, so its samples are decoded once and a press only opens an output.
namespace KeySounds {
// Plays an app sound file ("button click.mp3") once; false when there is no such sound.
bool play(const QString &fileName);
// Makes the sound's player ahead of its first play, so that play costs the
// caller nothing; false when there is no such sound.
bool prepare(const QString &fileName);
} // namespace KeySounds
