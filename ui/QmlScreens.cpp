#include "ui/QmlScreens.h"

#include <QFile>

QUrl QmlScreens::viewUrl(const QString &className)
{
    return QUrl(QLatin1String(kScreenFolder) + className + QLatin1String(".qml"));
}

bool QmlScreens::hasView(const QString &className)
{
    return QFile::exists(QLatin1Char(':') + viewUrl(className).path());
}
