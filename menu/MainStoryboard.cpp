#include "menu/MainStoryboard.h"

#include "app/ScreenRegistry.h"
#include "ui/NavigationController.h"

#include <QHash>

QString MainStoryboard::classNameForIdentifier(const QString &identifier)
{
    static const QHash<QString, QString> classes{
        {QStringLiteral("contentController"), QStringLiteral("NavigationController")},
        {QStringLiteral("menuController"), QStringLiteral("ZEBSideMenuMenuViewController")},
        {QStringLiteral("firstController"), QStringLiteral("ZEBHomeViewController")},
        {QStringLiteral("secondController"), QStringLiteral("ZEBSkinManagerViewController")},
        {QStringLiteral("thirdController"), QStringLiteral("ZEBAboutViewController")},
    };
    return classes.value(identifier);
}

ViewController *MainStoryboard::instantiateViewControllerWithIdentifier(const QString &identifier)
{
    const QString className = classNameForIdentifier(identifier);
    if (className == QLatin1String("NavigationController"))
        return new NavigationController;
    return qobject_cast<ViewController *>(ScreenRegistry::shared().create(className, nullptr, false));
}
