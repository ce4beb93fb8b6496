#pragma once

// Makes the sum game known (QML module Tolvek.Games.Sum) under the screen name
// stored in alarms, with the screenshots of its keypad and its win. Repeat
// calls do nothing.
void registerSumGame();
