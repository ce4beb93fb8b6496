#include "menu/ZEBAboutViewController.h"

#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

ZEBAboutViewController::ZEBAboutViewController(QObject *parent) : ZEBRootViewController(parent) { }

QString ZEBAboutViewController::versionText(const QString &shortVersion)
{
    return QStringLiteral("%1 %2").arg(tr("Version"), shortVersion);
}

QString ZEBAboutViewController::backgroundPictureUrl() const { return Pictures::url(backgroundPicture_); }

void ZEBAboutViewController::viewDidLoad()
{
    ZEBRootViewController::viewDidLoad();
    setTitleViewText(tr("About"));
    backgroundPicture_ = Pictures::backgroundName(QStringLiteral("menu-bg.jpg"), ScreenMetrics::shared().isTall());
    appName_ = tr("Tolvek");
    versionText_ = versionText(QStringLiteral(TOLVEK_VERSION_SHORT));
    slogan_ = tr("Exploring the Universe. It's a brand new day.");
    // The names behind these keys live in the translations.
    credits_ = {tr("Developer"), tr("UI/UE/Graphics"), tr("Translate By"), tr("Wallpaper Designer"),
                tr("Special Thanks To")};
    Q_EMIT textsChanged();
}
