#pragma once
#include "ui/ViewController.h"

// The side-menu container: a content screen that fills the display and a menu
// that slides in beside it over a background picture. Its will/did show/hide
// signals stand for the container's delegate callbacks.
class RESideMenu : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(ViewController *contentViewController READ contentViewController NOTIFY contentViewControllerChanged)
    Q_PROPERTY(ViewController *menuViewController READ menuViewController NOTIFY menuViewControllerChanged)
    Q_PROPERTY(QString backgroundImage READ backgroundImage NOTIFY backgroundImageChanged)
    Q_PROPERTY(QString backgroundImageUrl READ backgroundImageUrl NOTIFY backgroundImageChanged)
    Q_PROPERTY(bool menuVisible READ isMenuVisible NOTIFY menuVisibleChanged)
public:
    explicit RESideMenu(QObject *parent = nullptr);
    // Every container subclass is drawn by the container's own view.
    QUrl viewUrl() const override;

    ViewController *contentViewController() const { return content_; }
    void setContentViewController(ViewController *content);
    ViewController *menuViewController() const { return menu_; }
    void setMenuViewController(ViewController *menu);
    // A bundle picture name, e.g. "menu-bg-568h.jpg".
    QString backgroundImage() const { return backgroundImage_; }
    QString backgroundImageUrl() const;
    void setBackgroundImage(const QString &pictureName);

    bool isMenuVisible() const { return menuVisible_; }
    Q_INVOKABLE void presentMenuViewController();
    Q_INVOKABLE void hideMenuViewController();
    // Called by the view when the slide has ended.
    Q_INVOKABLE void menuTransitionFinished();

Q_SIGNALS:
    void contentViewControllerChanged();
    void menuViewControllerChanged();
    void backgroundImageChanged();
    void menuVisibleChanged();
    void willShowMenuViewController(ViewController *menu);
    void didShowMenuViewController(ViewController *menu);
    void willHideMenuViewController(ViewController *menu);
    void didHideMenuViewController(ViewController *menu);

protected:
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void adopt(ViewController *child);
    QPointer<ViewController> content_, menu_;
    QString backgroundImage_;
    bool menuVisible_ = false;
    bool transitionPending_ = false;
};
