#pragma once
#include <QString>

class ScreenController;

// The app's screens by their layout identifiers: "contentController" (the
// navigation controller of the top-level screens), "menuController",
// "firstController" (home), "secondController" (skin manager) and
// "thirdController" (about). Null when that screen's class is not built in.
namespace RootScreenFactory {
ScreenController *create(const QString &identifier);
QString classNameForIdentifier(const QString &identifier);
} // namespace RootScreenFactory
