#pragma once
#include <QImage>
#include <QList>
#include <QPair>

// The home screen's small pictures, drawn at double resolution.
namespace HomeIcons {
QImage addButton();         // "home-add": a plus
QImage sliderKnob(bool on); // "clock-slider-on" / "clock-slider-off": the volume knob
// "weather-sunny", "weather-night", ...: each condition icon with its name.
QList<QPair<QString, QImage>> weatherIcons();
} // namespace HomeIcons
