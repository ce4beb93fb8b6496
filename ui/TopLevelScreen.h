#pragma once
#include "ui/ScreenController.h"

// Base of the top-level screens: gives each the menu button that opens the
// side menu, in the navigation bar when the screen is in a navigation
// controller, else as a 50 x 50 button at (10, 10).
class TopLevelScreen : public ScreenController
{
    Q_OBJECT
    Q_PROPERTY(QRectF menuButtonFrame READ menuButtonFrame NOTIFY menuButtonChanged)
    Q_PROPERTY(QString menuButtonPicture READ menuButtonPicture CONSTANT)
public:
    static inline const QString kMenuPicture = QStringLiteral("home-menu");

    explicit TopLevelScreen(QObject *parent = nullptr);

    // Empty when the button is in the navigation bar.
    QRectF menuButtonFrame() const { return menuButtonFrame_; }
    QString menuButtonPicture() const { return kMenuPicture; }
    // Opens the side menu of the container holding this screen, if any.
    Q_INVOKABLE void showMenu();

Q_SIGNALS:
    void menuButtonChanged();

protected:
    void didLoad() override;

private:
    QRectF menuButtonFrame_;
};
