#include "ui/WindowPresence.h"

namespace {
bool animates = false;
}

bool WindowPresence::animatesTransitions() { return animates; }
void WindowPresence::setAnimatesTransitions(bool value) { animates = value; }
