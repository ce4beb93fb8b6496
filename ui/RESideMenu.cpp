#include "ui/RESideMenu.h"

#include "ui/Pictures.h"
#include "ui/QmlScreens.h"
#include "ui/WindowPresence.h"

RESideMenu::RESideMenu(QObject *parent) : ViewController(parent) { }

QUrl RESideMenu::viewUrl() const { return QmlScreens::viewUrl(QStringLiteral("RESideMenu")); }

void RESideMenu::adopt(ViewController *child)
{
    if (!child)
        return;
    if (!child->parent())
        child->setParent(this);
    child->setParentViewController(this);
}

void RESideMenu::setContentViewController(ViewController *content)
{
    if (content_ == content)
        return;
    if (content_ && isOnScreen())
        content_->endDisappearance(false);
    content_ = content;
    adopt(content);
    Q_EMIT contentViewControllerChanged();
    if (content_ && isOnScreen())
        content_->beginAppearance(false);
}

void RESideMenu::setMenuViewController(ViewController *menu)
{
    menu_ = menu;
    adopt(menu);
    Q_EMIT menuViewControllerChanged();
}

QString RESideMenu::backgroundImageUrl() const { return Pictures::url(backgroundImage_); }

void RESideMenu::setBackgroundImage(const QString &pictureName)
{
    backgroundImage_ = pictureName;
    Q_EMIT backgroundImageChanged();
}

void RESideMenu::presentMenuViewController()
{
    if (menuVisible_)
        return;
    Q_EMIT willShowMenuViewController(menu_);
    if (menu_)
        menu_->beginAppearance(true);
    menuVisible_ = true;
    transitionPending_ = true;
    Q_EMIT menuVisibleChanged();
    if (!WindowPresence::animatesTransitions())
        menuTransitionFinished();
}

void RESideMenu::hideMenuViewController()
{
    if (!menuVisible_)
        return;
    Q_EMIT willHideMenuViewController(menu_);
    menuVisible_ = false;
    transitionPending_ = true;
    Q_EMIT menuVisibleChanged();
    if (!WindowPresence::animatesTransitions())
        menuTransitionFinished();
}

void RESideMenu::menuTransitionFinished()
{
    if (!transitionPending_)
        return;
    transitionPending_ = false;
    if (menuVisible_) {
        Q_EMIT didShowMenuViewController(menu_);
    } else {
        if (menu_)
            menu_->endDisappearance(true);
        Q_EMIT didHideMenuViewController(menu_);
    }
}

void RESideMenu::viewWillAppear(bool animated)
{
    if (content_)
        content_->beginAppearance(animated);
}

void RESideMenu::viewDidDisappear(bool animated)
{
    if (content_)
        content_->endDisappearance(animated);
}
