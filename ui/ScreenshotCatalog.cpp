#include "ui/ScreenshotCatalog.h"

#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "themes/SkinCatalogue.h"
#include "themes/ZEBBlurView.h"
#include "ui/AppWindow.h"
#include "ui/MBProgressHUD.h"
#include "ui/NavigationController.h"
#include "ui/RESideMenu.h"

#include <QCoreApplication>
#include <QQuickItem>

namespace {
const QUrl kSkinSample(QStringLiteral("qrc:/Tolvek/SkinSample.qml"));

ScreenshotCatalog::Recipe topLevelScreen(const QString &className)
{
    return {[className](AppWindow &window) {
                auto *screen = qobject_cast<ViewController *>(ScreenRegistry::shared().create(className, nullptr, false));
                if (screen && window.contentNavigationController())
                    window.contentNavigationController()->setViewControllers({screen}, false);
            },
            {}, {}, {}};
}

// A skin behind the clock, plain or blurred; the skin goes into the (private) preferences.
ScreenshotCatalog::Recipe skinSample(const QString &skinFile, bool blurred, bool clock)
{
    return {[skinFile](AppWindow &) {
                UserDefaults::standard().setString(SkinCatalogue::kPreferenceKey, skinFile);
                UserDefaults::standard().synchronize();
                NotificationCenter::defaultCenter().post(SkinCatalogue::kChangeNotification);
            },
            kSkinSample,
            {{QStringLiteral("blurred"), blurred}, {QStringLiteral("showClock"), clock}},
            [](AppWindow &window) {
                const auto *view = window.window()->contentItem()->findChild<ZEBBlurView *>();
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
    add(QStringLiteral("about"), topLevelScreen(QStringLiteral("ZEBAboutViewController")));
    add(QStringLiteral("more"), topLevelScreen(QStringLiteral("ZEBMoreViewController")));
    add(QStringLiteral("menu"), {[](AppWindow &window) { window.rootViewController()->presentMenuViewController(); },
                                 {}, {}, {}});
    add(QStringLiteral("alert"), {[](AppWindow &) {
                                      AlertButton dismiss{QCoreApplication::translate("ZEBAlarmClockManager", "Dismiss"),
                                                          AlertButton::Type::Cancel, {}};
                                      AlertPresenter::shared().presentAlert(
                                          {QCoreApplication::translate("ZEBAlarmClockManager", "Add Alarm Failed"),
                                           QCoreApplication::translate(
                                               "ZEBAlarmClockManager",
                                               "Fail to add alarm. The alarm clock resource is not enough, delete "
                                               "some alarms and try again."),
                                           {dismiss}});
                                  },
                                  {}, {}, {}});
    add(QStringLiteral("hud"), {[](AppWindow &window) {
                                    MBProgressHUD::showHUDAddedTo(window.rootViewController(), false);
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
