#pragma once
#include "ui/ScreenController.h"

#include <QQmlEngine>

// Base of the top-level screens: gives each the menu button that opens the
// side menu, in the navigation bar when the screen is in a navigation
// controller, else in the screen's top left corner.
class TopLevelScreen : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("controllers are made in C++")
    Q_PROPERTY(bool hasMenuCornerButton READ hasMenuCornerButton NOTIFY menuButtonChanged)
    Q_PROPERTY(QString menuButtonPicture READ menuButtonPicture CONSTANT)
    Q_PROPERTY(QString menuButtonTitle READ menuButtonTitle CONSTANT)
    Q_PROPERTY(bool menuOpen READ isMenuOpen NOTIFY menuOpenChanged)
public:
    static inline const QString kMenuPicture = QStringLiteral("home-menu");

    explicit TopLevelScreen(QObject *parent = nullptr);

    // False when the button is in the navigation bar.
    bool hasMenuCornerButton() const { return hasMenuCornerButton_; }
    QString menuButtonPicture() const { return kMenuPicture; }
    QString menuButtonTitle() const { return tr("Menu"); }
    // Opens the side menu of the container holding this screen, if any.
    Q_INVOKABLE void showMenu();
    // Whether that side menu is open: the menu button reads as expanded then.
    bool isMenuOpen() const;

Q_SIGNALS:
    void menuButtonChanged();
    void menuOpenChanged();

protected:
    void didLoad() override;
    void willAppear(bool animated) override;

private:
    void followMenu();
    bool hasMenuCornerButton_ = false;
    QMetaObject::Connection menuFollowed_;
};
