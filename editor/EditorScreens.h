#pragma once

// Makes the alarm editor's screens known: "AlarmSettingScreen" (made with the
// alarm to change, or null for a new one) and "SoundPickerScreen", and their
// screenshot recipes.
void registerEditorScreens();
