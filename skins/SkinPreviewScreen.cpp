#include "skins/SkinPreviewScreen.h"

#include "themes/SkinCatalogue.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

SkinPreviewScreen::SkinPreviewScreen(const QString &skinFile, QObject *parent)
    : ScreenController(parent),
      skinFile_(skinFile)
{ }

QString SkinPreviewScreen::backgroundUrl() const
{
    return QStringLiteral("qrc") + QLatin1String(Pictures::kResourceFolder)
           + SkinCatalogue::bundleResourceName(skinFile_, ScreenMetrics::shared().isTall());
}

void SkinPreviewScreen::cancel() { close(true); }

void SkinPreviewScreen::confirm()
{
    Q_EMIT confirmed(skinFile_);
    close(true);
}
