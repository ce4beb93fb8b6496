#pragma once
#include "home/HomeScreen.h"

// Makes the home screen known (QML module Tolvek.Home, the screen
// "HomeScreen") with its screenshots. Repeat calls do nothing.
void registerHomeScreen();
// What every home screen made from now on learns from the app around it.
void setHomeScreenSources(const HomeScreen::Sources &sources);
