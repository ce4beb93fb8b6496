#include "ui/ScreenshotCatalog.h"

#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "themes/SkinCatalogue.h"
#include "themes/BlurredBackground.h"
#include "ui/AppWindow.h"
#include "ui/ProgressOverlay.h"
#include "ui/NavigationStack.h"
#include "ui/SideMenu.h"

#include <QCoreApplication>
#include <QQuickItem>

namespace {
const QUrl kSkinSample(QStringLiteral("qrc:/Tolvek/SkinSample.qml"));

ScreenshotCatalog::Recipe topLevelScreen(const QString &className)
{
    return {[className](AppWindow &window) {
                auto *screen = qobject_cast<ScreenController *>(ScreenRegistry::shared().create(className, nullptr, false));
                if (screen && window.contentNavigationController())
                    window.contentNavigationController()->setScreens({screen}, false);
            },
            {}, {}, {}};
}

// A skin behind the clock, plain or blurred; the skin goes into the (private) preferences.
ScreenshotCatalog::Recipe skinSample(const QString &skinFile, bool blurred, bool clock)
{
    return {[skinFile](AppWindow &) {
                Preferences::shared().setString(SkinCatalogue::kPreferenceKey, skinFile);
                Preferences::shared().synchronize();
                Broadcaster::shared().post(SkinCatalogue::kChangeNotification);
            },
            kSkinSample,
            {{QStringLiteral("blurred"), blurred}, {QStringLiteral("showClock"), clock}},
            [](AppWindow &window) {
                const auto *view = window.window()->contentItem()->findChild<BlurredBackground *>();
                return view && !view->isBlurring();
            }};
}
} // namespace

ScreenshotCatalog &ScreenshotCatalog::shared()
{
    static ScreenshotCatalog catalog;
    return catalog;
}

ScreenshotCatalog::ScreenshotCatalog()
{
    add(QStringLiteral("about"), topLevelScreen(QStringLiteral("AboutScreen")));
    add(QStringLiteral("more"), topLevelScreen(QStringLiteral("MoreScreen")));
    add(QStringLiteral("menu"), {[](AppWindow &window) { window.rootScreen()->showMenu(); },
                                 {}, {}, {}});
    add(QStringLiteral("alert"), {[](AppWindow &) {
                                      AlertButton dismiss{QCoreApplication::translate("AlarmSchedule", "Dismiss"),
                                                          AlertButton::Type::Cancel, {}};
                                      AlertPresenter::shared().presentAlert(
                                          {QCoreApplication::translate("AlarmSchedule", "Add Alarm Failed"),
                                           QCoreApplication::translate(
                                               "AlarmSchedule",
                                               "Fail to add alarm. The alarm clock resource is not enough, delete "
                                               "some alarms and try again."),
                                           {dismiss}});
                                  },
                                  {}, {}, {}});
    add(QStringLiteral("hud"), {[](AppWindow &window) {
                                    ProgressOverlay::showOn(window.rootScreen(), false);
                                },
                                {}, {}, {}});
    add(QStringLiteral("timeview"), skinSample(SkinCatalogue::kDefaultSkin, false, true));
    for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n) {
        const QString skin = SkinCatalogue::skinFileName(n);
        add(QStringLiteral("skin-%1").arg(n), skinSample(skin, false, true));
        add(QStringLiteral("skin-%1-blur").arg(n), skinSample(skin, true, true));
    }
}

QStringList ScreenshotCatalog::names() const
{
    QStringList list = recipes_.keys();
    list.sort();
    return list;
}
