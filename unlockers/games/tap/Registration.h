#pragma once

// Makes the tap game known (QML module Tolvek.Games.Tap) under the screen name
// stored in alarms, with the screenshot of its win. Repeat calls do nothing.
void registerTapGame();
