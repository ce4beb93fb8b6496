#pragma once

// Makes the smile game known (QML module Tolvek.Games.Smile) under the screen
// name stored in alarms, with the screenshot of its sum fallback. Repeat
// calls do nothing.
void registerSmileGame();
