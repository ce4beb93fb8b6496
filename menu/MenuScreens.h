#pragma once

// Registers the container, the top-level screen base's screens and the
// information screens with the screen registry (repeat calls are harmless).
void registerMenuScreens();
