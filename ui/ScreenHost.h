#pragma once
#include <QSize>

class NavigationStack;
class QQmlEngine;
class QQuickWindow;
class SideMenu;

// The window that shows the screens, as the screens' own helpers (screenshot
// recipes, previews) need to see it: its root container, the stack of the
// current top-level screen, the QML engine and the design size in points.
class ScreenHost
{
public:
    virtual ~ScreenHost() = default;
    virtual QQuickWindow *window() const = 0;
    virtual QQmlEngine &qmlEngine() = 0;
    virtual SideMenu *rootScreen() const = 0;
    virtual NavigationStack *contentStack() const = 0;
    virtual QSize points() const = 0;
};
