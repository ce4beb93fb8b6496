#pragma once

// Makes the unlock screens and the unlocker picker known by class name to the
// screen registry (the ring dispatch and the previews create them that way)
// and adds the screenshot recipes of their other states. It runs by itself
// when the application object is made; repeat calls are harmless.
void registerUnlockerScreens();
