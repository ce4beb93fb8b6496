#include "ui/ViewController.h"

#include "ui/ModalLayer.h"
#include "ui/NavigationController.h"
#include "ui/QmlScreens.h"
#include "ui/RESideMenu.h"

ViewController::ViewController(QObject *parent) : QObject(parent) { }

QUrl ViewController::viewUrl() const { return QmlScreens::viewUrl(className()); }

void ViewController::setTitle(const QString &title)
{
    title_ = title;
    Q_EMIT titleChanged();
}

void ViewController::setTitleViewText(const QString &text)
{
    titleViewText_ = text;
    Q_EMIT titleChanged();
}

void ViewController::setLeftBarButtonItem(const QString &picture, std::function<void()> action)
{
    leftBarButton_ = {picture, std::move(action)};
    Q_EMIT navigationItemChanged();
}

void ViewController::triggerLeftBarButton()
{
    if (leftBarButton_.action)
        leftBarButton_.action();
}

void ViewController::setParentViewController(ViewController *parent)
{
    if (parent_ == parent)
        return;
    parent_ = parent;
    Q_EMIT parentChanged();
}

NavigationController *ViewController::navigationController() const
{
    for (ViewController *up = parent_; up; up = up->parentViewController())
        if (auto *navigation = qobject_cast<NavigationController *>(up))
            return navigation;
    return nullptr;
}

RESideMenu *ViewController::sideMenuViewController() const
{
    for (ViewController *up = parent_; up; up = up->parentViewController())
        if (auto *menu = qobject_cast<RESideMenu *>(up))
            return menu;
    return nullptr;
}

void ViewController::loadViewIfNeeded()
{
    if (viewLoaded_)
        return;
    viewLoaded_ = true;
    viewDidLoad();
}

void ViewController::beginAppearance(bool animated)
{
    loadViewIfNeeded();
    if (onScreen_)
        return;
    viewWillAppear(animated);
    onScreen_ = true;
    viewDidAppear(animated);
}

void ViewController::endDisappearance(bool animated)
{
    if (!onScreen_)
        return;
    viewWillDisappear(animated);
    onScreen_ = false;
    viewDidDisappear(animated);
}

void ViewController::presentViewController(ViewController *screen, bool animated, std::function<void()> completion)
{
    ModalLayer::shared().present(screen, this, animated, std::move(completion));
}

void ViewController::dismissViewControllerAnimated(bool animated)
{
    ModalLayer::shared().dismiss(this, animated);
}
