#include "app/ScreenRegistry.h"

ScreenRegistry &ScreenRegistry::shared()
{
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::registerScreen(const QString &className, Factory factory)
{
    factories_.insert(className, std::move(factory));
}

QObject *ScreenRegistry::create(const QString &className, const AlarmPtr &alarm, bool previewMode) const
{
    const auto it = factories_.constFind(className);
    return it == factories_.constEnd() ? nullptr : (*it)(alarm, previewMode);
}
