#pragma once

// Makes the themed backgrounds known to QML (module Tolvek.Themes) and adds
// the screenshot recipes of the skins. Repeat calls do nothing.
void registerThemes();
