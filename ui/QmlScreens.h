#pragma once
#include "app/ScreenRegistry.h"

#include <QUrl>

// Where screens' QML files live and how screen classes are made known.
// CMake: tolvek_add_screens(<target> FILES Foo.qml ...) puts each file at
// qrc:/screens/<file name>; the file is named after its controller class.
namespace QmlScreens {
inline constexpr const char *kScreenFolder = "qrc:/screens/";

QUrl viewUrl(const QString &className);
// Whether the QML file of `className` is in the resources.
bool hasView(const QString &className);

// Registers `className` with the screen registry, made by `T()` (for screens
// that need the alarm or the preview flag, register a factory directly).
template<typename T>
void registerScreen(const QString &className)
{
    ScreenRegistry::shared().registerScreen(className, [](const AlarmPtr &, bool) { return new T; });
}
} // namespace QmlScreens
