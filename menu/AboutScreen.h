#pragma once
#include "ui/TopLevelScreen.h"

#include <QQmlEngine>

// The about screen: name, version, slogan and credits over the menu
// background, in an area that scrolls when the screen is shorter than it.
class AboutScreen : public TopLevelScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("controllers are made in C++")
    Q_PROPERTY(QString appName READ appName NOTIFY textsChanged)
    Q_PROPERTY(QString versionText READ versionText NOTIFY textsChanged)
    Q_PROPERTY(QString slogan READ slogan NOTIFY textsChanged)
    Q_PROPERTY(QStringList credits READ credits NOTIFY textsChanged)
    Q_PROPERTY(QString backgroundPicture READ backgroundPicture NOTIFY textsChanged)
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl NOTIFY textsChanged)
public:
    explicit AboutScreen(QObject *parent = nullptr);

    QString appName() const { return appName_; }
    QString versionText() const { return versionText_; }
    QString slogan() const { return slogan_; }
    // Developer, UI/UE/Graphics, Translate By, Wallpaper Designer, Special Thanks To.
    QStringList credits() const { return credits_; }
    QString backgroundPicture() const { return backgroundPicture_; }
    QString backgroundPictureUrl() const;

    // "<localized Version> <short version>".
    static QString versionText(const QString &shortVersion);

Q_SIGNALS:
    void textsChanged();

protected:
    void didLoad() override;

private:
    QString appName_, versionText_, slogan_, backgroundPicture_;
    QStringList credits_;
};
