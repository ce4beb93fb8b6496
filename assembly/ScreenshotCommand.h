#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class AppWindow;

// `tolvek-alarm --screenshot NAME OUT.png [--short]`: renders one screen
// offscreen into a PNG (640 x 1136, or 640 x 960 with --short) and exits.
namespace ScreenshotCommand {
// The exit code when `arguments` ask for a screenshot, nothing otherwise.
std::optional<int> run(const QStringList &arguments);
// Brings `window` into the state `name` names and grabs it; null when unknown.
QImage render(AppWindow &window, const QString &name);
} // namespace ScreenshotCommand
