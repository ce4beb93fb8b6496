#include "ui/ScreenshotCatalog.h"

#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "ui/ScreenHost.h"
#include "ui/ProgressOverlay.h"
#include "ui/NavigationStack.h"
#include "ui/SideMenu.h"

#include <QCoreApplication>
#include <QQuickItem>

ScreenshotCatalog &ScreenshotCatalog::shared()
{
    static ScreenshotCatalog catalog;
    return catalog;
}

ScreenshotCatalog::Recipe ScreenshotCatalog::topLevelScreen(const QString &className)
{
    return {[className](ScreenHost &window) {
                auto *screen
                    = qobject_cast<ScreenController *>(ScreenRegistry::shared().create(className, nullptr, false));
                if (screen && window.contentStack())
                    window.contentStack()->setScreens({screen}, false);
            },
            {},
            {},
            {}};
}

ScreenshotCatalog::ScreenshotCatalog()
{
    add(QStringLiteral("menu"), {[](ScreenHost &window) { window.rootScreen()->showMenu(); }, {}, {}, {}});
    add(QStringLiteral("alert"),
        {[](ScreenHost &) {
             AlertButton dismiss{
                 QCoreApplication::translate("AlarmSchedule", "Dismiss"), AlertButton::Type::Cancel, {}};
             AlertPresenter::shared().presentAlert(
                 {QCoreApplication::translate("AlarmSchedule", "Add Alarm Failed"),
                  QCoreApplication::translate("AlarmSchedule",
                                              "Fail to add alarm. The alarm clock resource is not enough, delete "
                                              "some alarms and try again."),
                  {dismiss}});
         },
         {},
         {},
         {}});
    add(QStringLiteral("hud"),
        {[](ScreenHost &window) { ProgressOverlay::showOn(window.rootScreen(), false); }, {}, {}, {}});
}

QStringList ScreenshotCatalog::names() const
{
    QStringList list = recipes_.keys();
    list.sort();
    return list;
}
