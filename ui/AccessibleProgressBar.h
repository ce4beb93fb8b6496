#pragma once

// Qt Quick 6.4 gives an item with Accessible.role ProgressBar no value
// interface, so assistive tools cannot read how full a gauge is. This adds
// one: an item with the properties `value`, `minimumValue` and
// `maximumValue` (and optionally `stepSize`) whose Accessible.role is
// ProgressBar reads as a progress bar with that value, and reports changes.
//
// Install after the QML engine has loaded QtQuick: the factory installed
// last is asked first.
namespace AccessibleProgressBar {
void install();
} // namespace AccessibleProgressBar
