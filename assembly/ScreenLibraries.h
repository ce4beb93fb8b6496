#pragma once

// Registers every screen library of the app (QML types, screens by name,
// screenshot recipes). A new screen library adds its call here.
void registerScreenLibraries();
