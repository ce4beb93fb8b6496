#include "ui/Pictures.h"

#include <QFile>
#include <QFileInfo>

namespace {
QStringList candidates(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix();
    const bool hasExtension = suffix == QLatin1String("png") || suffix == QLatin1String("jpg");
    const QString stem = hasExtension ? name.chopped(suffix.size() + 1) : name;
    const QStringList extensions = hasExtension ? QStringList{suffix} : QStringList{"png", "jpg"};
    QStringList names;
    if (hasExtension)
        names << name;
    for (const QString &extension : extensions) {
        if (!hasExtension)
            names << stem + QLatin1Char('.') + extension;
        if (!stem.endsWith(QLatin1String("@2x")))
            names << stem + QLatin1String("@2x.") + extension;
    }
    return names;
}
} // namespace

QString Pictures::path(const QString &name)
{
    if (name.isEmpty())
        return {};
    for (const QString &candidate : candidates(name)) {
        const QString resource = QLatin1String(kResourceFolder) + candidate;
        if (QFile::exists(resource))
            return resource;
    }
    return {};
}

QImage Pictures::load(const QString &name)
{
    const QString resource = path(name);
    if (resource.isEmpty())
        return {};
    QImage image(resource);
    image.setDevicePixelRatio(resource.contains(QLatin1String("@2x.")) ? 2.0 : 1.0);
    return image;
}

QString Pictures::url(const QString &name)
{
    const QString resource = path(name);
    return resource.isEmpty() ? QString() : QLatin1String("qrc") + resource;
}

QString Pictures::backgroundName(const QString &name, bool tall)
{
    if (!tall)
        return name;
    if (name.endsWith(QLatin1String(".jpg")))
        return name.chopped(4) + QLatin1String("-568h.jpg");
    return name + QLatin1String("-568h");
}
