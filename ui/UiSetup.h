#pragma once

// Start-up of the screen side of the app.
namespace UiSetup {
// Before the QGuiApplication exists: phone scale (QT_SCALE_FACTOR=2 unless the
// user set one), Qt Quick's software renderer on a machine without a GPU
// (unless the user chose a backend), and for a screenshot run or a self-test
// the offscreen platform with private, empty data and settings folders so the
// user's alarms and skin stay untouched.
void prepareEnvironment(int argc, char **argv);
// Whether the kernel offers a GPU render node (/dev/dri/renderD*).
bool hasGpu();
// Once the application exists (repeat calls do nothing): the QML types, the
// bundled light font as "HelveticaNeue-Light", the translation of the locale
// and the rating prompt's settings.
void initialize();

inline constexpr const char *kLightFontFamily = "HelveticaNeue-Light";
} // namespace UiSetup
