#pragma once

// Makes the side-menu container, the more and about screens known (QML module
// Tolvek.Menu) with their screenshots. Repeat calls do nothing.
void registerMenuScreens();
