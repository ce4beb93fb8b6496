#pragma once
// Shared by the editor's tests: the screens registered as the app registers
// them, and a navigation stack standing in for the home screen's.
#include "assembly/AppAssembly.h"
#include "editor/AlarmSettingScreen.h"
#include "ui/NavigationStack.h"

#include <QCoreApplication>

static void registerScreensForTest() { AppAssembly::registerScreens(); }
Q_COREAPP_STARTUP_FUNCTION(registerScreensForTest)

namespace EditorTestSupport {

// The home screen's stack: a screen at the bottom, the editor pushed on it.
class HomeStack
{
public:
    HomeStack()
    {
        stack.setScreens({&home}, false);
        stack.beginAppearance(false);
    }
    ~HomeStack() { stack.setScreens({&home}, false); }
    AlarmSettingScreen *open(const AlarmPtr &alarm)
    {
        auto *screen = new AlarmSettingScreen(alarm);
        stack.push(screen, false);
        return screen;
    }
    bool editorOpen() const { return qobject_cast<AlarmSettingScreen *>(stack.topScreen()) != nullptr; }

    QObject keeper; // owns the bottom screen, so the stack never deletes it
    ScreenController home{&keeper};
    NavigationStack stack;
};

} // namespace EditorTestSupport
