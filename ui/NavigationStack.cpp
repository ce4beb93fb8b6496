#include "ui/NavigationStack.h"

NavigationStack::NavigationStack(QObject *parent) : ScreenController(parent) { }

QList<ScreenController *> NavigationStack::screens() const
{
    QList<ScreenController *> list;
    for (const auto &screen : stack_)
        if (screen)
            list.append(screen);
    return list;
}

ScreenController *NavigationStack::topScreen() const
{
    const QList<ScreenController *> list = screens();
    return list.isEmpty() ? nullptr : list.last();
}

void NavigationStack::setScreens(const QList<ScreenController *> &stack, bool animated)
{
    replaceStack(stack, animated);
}

void NavigationStack::push(ScreenController *screen, bool animated)
{
    if (!screen)
        return;
    replaceStack(screens() << screen, animated);
}

void NavigationStack::pop(bool animated)
{
    QList<ScreenController *> list = screens();
    if (list.size() < 2)
        return;
    list.removeLast();
    replaceStack(list, animated);
}

void NavigationStack::setNavigationBarHidden(bool hidden, bool)
{
    if (navigationBarHidden_ == hidden)
        return;
    navigationBarHidden_ = hidden;
    Q_EMIT navigationBarHiddenChanged();
}

void NavigationStack::replaceStack(const QList<ScreenController *> &stack, bool animated)
{
    const QList<ScreenController *> old = screens();
    ScreenController *oldTop = topScreen();
    ScreenController *newTop = stack.isEmpty() ? nullptr : stack.last();
    stack_.clear();
    for (ScreenController *screen : stack) {
        if (!screen->parent())
            screen->setParent(this);
        screen->setParentScreen(this);
        stack_.append(screen);
    }
    lastChangeAnimated_ = animated;
    if (oldTop != newTop && oldTop && isOnScreen())
        oldTop->endDisappearance(animated);
    Q_EMIT stackChanged();
    if (newTop && isOnScreen())
        newTop->beginAppearance(animated);
    for (ScreenController *gone : old) {
        if (stack.contains(gone))
            continue;
        gone->setParentScreen(nullptr);
        if (gone->parent() == this)
            gone->deleteLater();
    }
}

void NavigationStack::willAppear(bool animated)
{
    // The top screen appears with its container.
    if (ScreenController *top = topScreen())
        top->beginAppearance(animated);
}

void NavigationStack::didDisappear(bool animated)
{
    if (ScreenController *top = topScreen())
        top->endDisappearance(animated);
}
