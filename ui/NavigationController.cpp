#include "ui/NavigationController.h"

NavigationController::NavigationController(QObject *parent) : ViewController(parent) { }

QList<ViewController *> NavigationController::viewControllers() const
{
    QList<ViewController *> list;
    for (const auto &screen : stack_)
        if (screen)
            list.append(screen);
    return list;
}

ViewController *NavigationController::topViewController() const
{
    const QList<ViewController *> list = viewControllers();
    return list.isEmpty() ? nullptr : list.last();
}

void NavigationController::setViewControllers(const QList<ViewController *> &stack, bool animated)
{
    replaceStack(stack, animated);
}

void NavigationController::pushViewController(ViewController *screen, bool animated)
{
    if (!screen)
        return;
    replaceStack(viewControllers() << screen, animated);
}

void NavigationController::popViewControllerAnimated(bool animated)
{
    QList<ViewController *> list = viewControllers();
    if (list.size() < 2)
        return;
    list.removeLast();
    replaceStack(list, animated);
}

void NavigationController::setNavigationBarHidden(bool hidden, bool)
{
    if (navigationBarHidden_ == hidden)
        return;
    navigationBarHidden_ = hidden;
    Q_EMIT navigationBarHiddenChanged();
}

void NavigationController::replaceStack(const QList<ViewController *> &stack, bool animated)
{
    const QList<ViewController *> old = viewControllers();
    ViewController *oldTop = topViewController();
    ViewController *newTop = stack.isEmpty() ? nullptr : stack.last();
    stack_.clear();
    for (ViewController *screen : stack) {
        if (!screen->parent())
            screen->setParent(this);
        screen->setParentViewController(this);
        stack_.append(screen);
    }
    lastChangeAnimated_ = animated;
    if (oldTop != newTop && oldTop && isOnScreen())
        oldTop->endDisappearance(animated);
    Q_EMIT stackChanged();
    if (newTop && isOnScreen())
        newTop->beginAppearance(animated);
    for (ViewController *gone : old) {
        if (stack.contains(gone))
            continue;
        gone->setParentViewController(nullptr);
        if (gone->parent() == this)
            gone->deleteLater();
    }
}

void NavigationController::viewWillAppear(bool animated)
{
    // The top screen appears with its container.
    if (ViewController *top = topViewController())
        top->beginAppearance(animated);
}

void NavigationController::viewDidDisappear(bool animated)
{
    if (ViewController *top = topViewController())
        top->endDisappearance(animated);
}
