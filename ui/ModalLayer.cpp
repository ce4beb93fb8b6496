#include "ui/ModalLayer.h"

#include "ui/ViewController.h"
#include "ui/WindowPresence.h"

#include <QDebug>

ModalLayer &ModalLayer::shared()
{
    static ModalLayer *layer = new ModalLayer;
    return *layer;
}

ModalLayer *ModalLayer::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&shared(), QQmlEngine::CppOwnership);
    return &shared();
}

void ModalLayer::presentModal(QObject *screen, bool animated, std::function<void()> completion)
{
    auto *controller = qobject_cast<ViewController *>(screen);
    if (!controller) {
        qWarning() << "modal layer: not a screen controller:" << screen;
        delete screen;
        return;
    }
    controller->setParent(this);
    present(controller, nullptr, animated, std::move(completion));
}

void ModalLayer::present(ViewController *screen, ViewController *presenter, bool animated,
                         std::function<void()> completion)
{
    if (!screen || indexOf(screen) >= 0)
        return;
    if (!screen->parent())
        screen->setParent(this);
    screen->setParentViewController(presenter);
    entries_.append({screen, presenter, std::move(completion), animated, false});
    Q_EMIT screenPresented(screen, animated && WindowPresence::animatesTransitions());
    screen->beginAppearance(animated);
    if (!animated || !WindowPresence::animatesTransitions())
        finishPresentation(screen);
}

void ModalLayer::dismiss(ViewController *screen, bool animated)
{
    int index = indexOf(screen);
    if (index < 0) {
        for (int i = 0; i < entries_.size() && index < 0; ++i)
            if (entries_[i].presenter == screen)
                index = i;
    }
    if (index < 0)
        return;
    QList<ViewController *> leaving;
    for (int i = int(entries_.size()) - 1; i >= index; --i) {
        if (entries_[i].dismissing || !entries_[i].screen)
            continue;
        entries_[i].dismissing = true;
        entries_[i].animated = animated;
        leaving.append(entries_[i].screen);
    }
    for (ViewController *gone : leaving) {
        Q_EMIT screenDismissing(gone, animated && WindowPresence::animatesTransitions());
        gone->endDisappearance(animated);
        if (!animated || !WindowPresence::animatesTransitions())
            finishDismissal(gone);
    }
}

QList<ViewController *> ModalLayer::presentedScreens() const
{
    QList<ViewController *> list;
    for (const Entry &entry : entries_)
        if (entry.screen && !entry.dismissing)
            list.append(entry.screen);
    return list;
}

void ModalLayer::transitionFinished(ViewController *screen)
{
    const int index = indexOf(screen);
    if (index < 0)
        return;
    if (entries_[index].dismissing)
        finishDismissal(screen);
    else
        finishPresentation(screen);
}

int ModalLayer::indexOf(const ViewController *screen) const
{
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].screen == screen)
            return i;
    return -1;
}

void ModalLayer::finishPresentation(ViewController *screen)
{
    const int index = indexOf(screen);
    if (index < 0 || !entries_[index].completion)
        return;
    const auto completion = std::exchange(entries_[index].completion, {});
    completion();
}

void ModalLayer::finishDismissal(ViewController *screen)
{
    const int index = indexOf(screen);
    if (index < 0)
        return;
    entries_.removeAt(index);
    Q_EMIT screenRemoved(screen);
    screen->setParentViewController(nullptr);
    if (screen->parent() == this)
        screen->deleteLater();
}
