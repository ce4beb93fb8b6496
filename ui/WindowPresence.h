#pragma once

// Whether a window shows the screens. With one, animated transitions end when
// the view reports them finished; without one (tests, command line) they end
// at once, so controllers never wait for an animation nobody runs.
namespace WindowPresence {
bool animatesTransitions();
void setAnimatesTransitions(bool animates);
} // namespace WindowPresence
