#include "menu/RootScreenFactory.h"

#include "app/ScreenRegistry.h"
#include "ui/NavigationStack.h"

#include <QHash>

QString RootScreenFactory::classNameForIdentifier(const QString &identifier)
{
    static const QHash<QString, QString> classes{
        {QStringLiteral("contentController"), QStringLiteral("NavigationStack")},
        {QStringLiteral("menuController"), QStringLiteral("MenuScreen")},
        {QStringLiteral("firstController"), QStringLiteral("HomeScreen")},
        {QStringLiteral("secondController"), QStringLiteral("SkinManagerScreen")},
        {QStringLiteral("thirdController"), QStringLiteral("AboutScreen")},
    };
    return classes.value(identifier);
}

ScreenController *RootScreenFactory::create(const QString &identifier)
{
    const QString className = classNameForIdentifier(identifier);
    if (className == QLatin1String("NavigationStack"))
        return new NavigationStack;
    return qobject_cast<ScreenController *>(ScreenRegistry::shared().create(className, nullptr, false));
}
