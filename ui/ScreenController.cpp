#include "ui/ScreenController.h"

#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/QmlScreens.h"
#include "ui/SideMenu.h"

ScreenController::ScreenController(QObject *parent) : QObject(parent) { }

QUrl ScreenController::viewUrl() const { return QmlScreens::viewUrl(className()); }

void ScreenController::setTitle(const QString &title)
{
    title_ = title;
    Q_EMIT titleChanged();
}

void ScreenController::setTitleViewText(const QString &text)
{
    titleViewText_ = text;
    Q_EMIT titleChanged();
}

void ScreenController::setLeftBarButtonItem(const QString &picture, std::function<void()> action, const QString &name)
{
    leftBarButton_ = {picture, std::move(action), name, true, std::nullopt};
    Q_EMIT navigationItemChanged();
}

void ScreenController::setLeftBarButtonPanelOpen(bool open)
{
    if (leftBarButton_.panelOpen == open)
        return;
    leftBarButton_.panelOpen = open;
    Q_EMIT navigationItemChanged();
}

void ScreenController::triggerLeftBarButton()
{
    if (leftBarButton_.action)
        leftBarButton_.action();
}

void ScreenController::setRightBarButtonItem(const QString &picture, const QString &name, std::function<void()> action)
{
    rightBarButton_ = {picture, std::move(action), name, true, std::nullopt};
    Q_EMIT navigationItemChanged();
}

void ScreenController::setRightBarButtonEnabled(bool enabled)
{
    if (rightBarButton_.enabled == enabled)
        return;
    rightBarButton_.enabled = enabled;
    Q_EMIT navigationItemChanged();
}

void ScreenController::triggerRightBarButton()
{
    if (rightBarButton_.enabled && rightBarButton_.action)
        rightBarButton_.action();
}

void ScreenController::setParentScreen(ScreenController *parent)
{
    if (parent_ == parent)
        return;
    parent_ = parent;
    Q_EMIT parentChanged();
}

NavigationStack *ScreenController::navigationStack() const
{
    for (ScreenController *up = parent_; up; up = up->parentScreen())
        if (auto *navigation = qobject_cast<NavigationStack *>(up))
            return navigation;
    return nullptr;
}

SideMenu *ScreenController::sideMenu() const
{
    for (ScreenController *up = parent_; up; up = up->parentScreen())
        if (auto *menu = qobject_cast<SideMenu *>(up))
            return menu;
    return nullptr;
}

void ScreenController::loadIfNeeded()
{
    if (loaded_)
        return;
    loaded_ = true;
    didLoad();
}

void ScreenController::beginAppearance(bool animated)
{
    loadIfNeeded();
    if (onScreen_)
        return;
    willAppear(animated);
    onScreen_ = true;
    didAppear(animated);
}

void ScreenController::endDisappearance(bool animated)
{
    if (!onScreen_)
        return;
    willDisappear(animated);
    onScreen_ = false;
    didDisappear(animated);
}

void ScreenController::present(ScreenController *screen, bool animated, std::function<void()> completion)
{
    ModalLayer::shared().present(screen, this, animated, std::move(completion));
}

void ScreenController::close(bool animated) { ModalLayer::shared().dismiss(this, animated); }
