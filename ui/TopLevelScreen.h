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
public:
    static inline const QString kMenuPicture = QStringLiteral("home-menu");

    explicit TopLevelScreen(QObject *parent = nullptr);

    // False when the button is in the navigation bar.
    bool hasMenuCornerButton() const { return hasMenuCornerButton_; }
    QString menuButtonPicture() const { return kMenuPicture; }
    QString menuButtonTitle() const { return tr("Menu"); }
    // Opens the side menu of the container holding this screen, if any.
    Q_INVOKABLE void showMenu();

Q_SIGNALS:
    void menuButtonChanged();

protected:
    void didLoad() override;

private:
    bool hasMenuCornerButton_ = false;
};
