#pragma once
#include "ui/ScreenController.h"

// The side-menu container: a content screen that fills the display and a menu
// that slides in beside it over a background picture. Its will/did show/hide
// signals stand for the container's delegate callbacks.
class SideMenu : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(ScreenController *contentScreen READ contentScreen NOTIFY contentScreenChanged)
    Q_PROPERTY(ScreenController *menuScreen READ menuScreen NOTIFY menuScreenChanged)
    Q_PROPERTY(QString backgroundImage READ backgroundImage NOTIFY backgroundImageChanged)
    Q_PROPERTY(QString backgroundImageUrl READ backgroundImageUrl NOTIFY backgroundImageChanged)
    Q_PROPERTY(bool menuVisible READ isMenuVisible NOTIFY menuVisibleChanged)
    Q_PROPERTY(int slideMs READ slideMs CONSTANT)
    // A swipe that starts this close to the left edge and goes this far right opens the menu.
    Q_PROPERTY(int edgeSwipeWidth READ edgeSwipeWidth CONSTANT)
    Q_PROPERTY(int edgeSwipeTop READ edgeSwipeTop CONSTANT)
    Q_PROPERTY(int edgeSwipeDistance READ edgeSwipeDistance CONSTANT)
public:
    // How long the menu takes to slide in or out.
    static constexpr int kSlideMs = 300;
    static constexpr int kEdgeSwipeWidth = 12;
    static constexpr int kEdgeSwipeTop = 64; // below the status and navigation bars
    static constexpr int kEdgeSwipeDistance = 40;

    explicit SideMenu(QObject *parent = nullptr);
    // Every container subclass is drawn by the container's own view.
    QUrl viewUrl() const override;

    ScreenController *contentScreen() const { return content_; }
    void setContentScreen(ScreenController *content);
    ScreenController *menuScreen() const { return menu_; }
    void setMenuScreen(ScreenController *menu);
    // A bundle picture name, e.g. "menu-bg-568h.jpg".
    QString backgroundImage() const { return backgroundImage_; }
    QString backgroundImageUrl() const;
    void setBackgroundImage(const QString &pictureName);

    bool isMenuVisible() const { return menuVisible_; }
    int slideMs() const { return kSlideMs; }
    int edgeSwipeWidth() const { return kEdgeSwipeWidth; }
    int edgeSwipeTop() const { return kEdgeSwipeTop; }
    int edgeSwipeDistance() const { return kEdgeSwipeDistance; }
    Q_INVOKABLE void showMenu();
    Q_INVOKABLE void hideMenu();
    // Called by the view when the slide has ended.
    Q_INVOKABLE void menuTransitionFinished();

Q_SIGNALS:
    void contentScreenChanged();
    void menuScreenChanged();
    void backgroundImageChanged();
    void menuVisibleChanged();

protected:
    void willAppear(bool animated) override;
    void didDisappear(bool animated) override;

private:
    void adopt(ScreenController *child);
    QPointer<ScreenController> content_, menu_;
    QString backgroundImage_;
    bool menuVisible_ = false;
    bool transitionPending_ = false;
};
