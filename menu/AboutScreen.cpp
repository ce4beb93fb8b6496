#include "menu/AboutScreen.h"

#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

AboutScreen::AboutScreen(QObject *parent) : TopLevelScreen(parent) { }

QString AboutScreen::versionText(const QString &shortVersion)
{
    return QStringLiteral("%1 %2").arg(tr("Version"), shortVersion);
}

QString AboutScreen::backgroundPictureUrl() const { return Pictures::url(backgroundPicture_); }

void AboutScreen::didLoad()
{
    TopLevelScreen::didLoad();
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
