#include "themes/SkinCatalogue.h"

#include "platform/Broadcaster.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"
#include "ui/Pictures.h"

#include <QFile>

namespace {
constexpr qreal kPictureScale = 2.0;

QImage readCustomSkin(bool tall)
{
    // The file is stored with "@2x" in its name; the plain name is tried first, as the picture loader does.
    for (const QString &name : {SkinCatalogue::customSkinReadName(tall), SkinCatalogue::customSkinStoredName(tall)}) {
        const QString path = Paths::documentPath(name);
        if (QFile::exists(path))
            return QImage(path);
    }
    return {};
}

QImage readBundleSkin(const QString &skinFile, bool tall)
{
    const QString resource
        = QLatin1String(Pictures::kResourceFolder) + SkinCatalogue::bundleResourceName(skinFile, tall);
    return QFile::exists(resource) ? QImage(resource) : QImage();
}
} // namespace

QString SkinCatalogue::skinFileName(int number) { return QStringLiteral("skin-%1-big").arg(number); }

QString SkinCatalogue::thumbnailName(int number) { return QStringLiteral("skin-%1").arg(number); }

QString SkinCatalogue::bundleResourceName(const QString &skinFile, bool tall)
{
    return tall ? skinFile + QLatin1String("-568h@2x.jpg") : skinFile + QLatin1String(".jpg");
}

QString SkinCatalogue::customSkinReadName(bool tall)
{
    return tall ? kCustomSkin + QLatin1String("-568h.jpg") : kCustomSkin + QLatin1String(".jpg");
}

QString SkinCatalogue::customSkinStoredName(bool tall)
{
    return tall ? kCustomSkin + QLatin1String("-568h@2x.jpg") : kCustomSkin + QLatin1String("@2x.jpg");
}

QString SkinCatalogue::currentSkinFile()
{
    const QString stored = Preferences::shared().stringForKey(kPreferenceKey);
    return stored.isEmpty() ? kDefaultSkin : stored;
}

void SkinCatalogue::setCurrentSkin(const QString &skinFile)
{
    Preferences &preferences = Preferences::shared();
    preferences.setString(kPreferenceKey, skinFile);
    preferences.synchronize();
    Broadcaster::shared().post(kChangeNotification);
}

SkinCatalogue::LoadedSkin SkinCatalogue::load(const QString &skinFile, bool tall)
{
    LoadedSkin skin{skinFile, skinFile == kCustomSkin ? readCustomSkin(tall) : readBundleSkin(skinFile, tall)};
    if (skin.picture.isNull()) {
        skin.skinFile = kDefaultSkin;
        skin.picture = Pictures::load(tall ? Pictures::backgroundName(kDefaultSkin + QLatin1String(".jpg"), true)
                                           : kDefaultSkin);
    }
    skin.picture.setDevicePixelRatio(kPictureScale);
    return skin;
}
