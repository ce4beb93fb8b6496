#include "ui/SideMenu.h"

#include "ui/Pictures.h"
#include "ui/QmlScreens.h"
#include "ui/WindowPresence.h"

SideMenu::SideMenu(QObject *parent) : ScreenController(parent) { }

QUrl SideMenu::viewUrl() const { return QmlScreens::viewUrl(QStringLiteral("SideMenu")); }

void SideMenu::adopt(ScreenController *child)
{
    if (!child)
        return;
    if (!child->parent())
        child->setParent(this);
    child->setParentScreen(this);
}

void SideMenu::setContentScreen(ScreenController *content)
{
    if (content_ == content)
        return;
    if (content_ && isOnScreen())
        content_->endDisappearance(false);
    content_ = content;
    adopt(content);
    Q_EMIT contentScreenChanged();
    if (content_ && isOnScreen())
        content_->beginAppearance(false);
}

void SideMenu::setMenuScreen(ScreenController *menu)
{
    menu_ = menu;
    adopt(menu);
    Q_EMIT menuScreenChanged();
}

QString SideMenu::backgroundImageUrl() const { return Pictures::url(backgroundImage_); }

void SideMenu::setBackgroundImage(const QString &pictureName)
{
    backgroundImage_ = pictureName;
    Q_EMIT backgroundImageChanged();
}

void SideMenu::showMenu()
{
    if (menuVisible_)
        return;
    if (menu_)
        menu_->beginAppearance(true);
    menuVisible_ = true;
    transitionPending_ = true;
    Q_EMIT menuVisibleChanged();
    if (!WindowPresence::animatesTransitions())
        menuTransitionFinished();
}

void SideMenu::hideMenu()
{
    if (!menuVisible_)
        return;
    menuVisible_ = false;
    transitionPending_ = true;
    Q_EMIT menuVisibleChanged();
    if (!WindowPresence::animatesTransitions())
        menuTransitionFinished();
}

void SideMenu::menuTransitionFinished()
{
    if (!transitionPending_)
        return;
    transitionPending_ = false;
    if (!menuVisible_ && menu_)
        menu_->endDisappearance(true);
}

void SideMenu::willAppear(bool animated)
{
    if (content_)
        content_->beginAppearance(animated);
}

void SideMenu::didDisappear(bool animated)
{
    if (content_)
        content_->endDisappearance(animated);
}
