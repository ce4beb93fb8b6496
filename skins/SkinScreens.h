#pragma once

// Makes the skin manager and its preview and crop screens known (QML module
// Tolvek.Skins) with their screenshots. Repeat calls do nothing.
void registerSkinScreens();
