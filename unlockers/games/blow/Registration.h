#pragma once

// Makes the blow game known (QML module Tolvek.Games.Blow) under the screen
// name stored in alarms, with the screenshots of its play. Repeat calls do nothing.
void registerBlowGame();
