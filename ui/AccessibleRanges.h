#pragma once

// Qt Quick 6.4 gives an item with Accessible.role ProgressBar no value
// interface, and an item that is no Qt Quick Controls type none for Slider
// or SpinBox either, so assistive tools can neither read how full a gauge is
// nor read and set a wheel or a ring. This adds one: an item with the
// properties `value`, `minimumValue` and `maximumValue` (and optionally
// `stepSize`) whose Accessible.role is ProgressBar, Slider or SpinBox reads
// as that control with that value; a slider or spin box can also be set
// (within its range), and changes are reported.
//
// Install after the QML engine has loaded QtQuick: the factory installed
// last is asked first.
namespace AccessibleRanges {
void install();
} // namespace AccessibleRanges
