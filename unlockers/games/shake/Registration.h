#pragma once

// Makes the shake game known (QML module Tolvek.Games.Shake) under the screen
// name stored in alarms, with the screenshots of its play. Repeat calls do nothing.
void registerShakeGame();
