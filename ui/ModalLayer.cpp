#include "ui/ModalLayer.h"

#include "ui/ScreenController.h"
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
    auto *controller = qobject_cast<ScreenController *>(screen);
    if (!controller) {
        qWarning() << "modal layer: not a screen controller:" << screen;
        delete screen;
        return;
    }
    controller->setParent(this);
    present(controller, nullptr, animated, std::move(completion));
}

void ModalLayer::present(ScreenController *screen, ScreenController *presenter, bool animated,
                         std::function<void()> completion)
{
    if (!screen || indexOf(screen) >= 0)
        return;
    if (!screen->parent())
        screen->setParent(this);
    screen->setParentScreen(presenter);
    entries_.append({screen, presenter, std::move(completion), animated, false});
    Q_EMIT screenPresented(screen, animated && WindowPresence::animatesTransitions());
    screen->beginAppearance(animated);
    if (!animated || !WindowPresence::animatesTransitions())
        finishPresentation(screen);
}

void ModalLayer::dismiss(ScreenController *screen, bool animated)
{
    int index = indexOf(screen);
    if (index < 0) {
        for (int i = 0; i < entries_.size() && index < 0; ++i)
            if (entries_[i].presenter == screen)
                index = i;
    }
    if (index < 0)
        return;
    QList<ScreenController *> leaving;
    for (int i = int(entries_.size()) - 1; i >= index; --i) {
        if (entries_[i].dismissing || !entries_[i].screen)
            continue;
        entries_[i].dismissing = true;
        entries_[i].animated = animated;
        leaving.append(entries_[i].screen);
    }
    for (ScreenController *gone : leaving) {
        Q_EMIT screenDismissing(gone, animated && WindowPresence::animatesTransitions());
        gone->endDisappearance(animated);
        if (!animated || !WindowPresence::animatesTransitions())
            finishDismissal(gone);
    }
}

QList<ScreenController *> ModalLayer::presentedScreens() const
{
    QList<ScreenController *> list;
    for (const Entry &entry : entries_)
        if (entry.screen && !entry.dismissing)
            list.append(entry.screen);
    return list;
}

void ModalLayer::transitionFinished(ScreenController *screen)
{
    const int index = indexOf(screen);
    if (index < 0)
        return;
    if (entries_[index].dismissing)
        finishDismissal(screen);
    else
        finishPresentation(screen);
}

int ModalLayer::indexOf(const ScreenController *screen) const
{
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].screen == screen)
            return i;
    return -1;
}

void ModalLayer::finishPresentation(ScreenController *screen)
{
    const int index = indexOf(screen);
    if (index < 0 || !entries_[index].completion)
        return;
    const auto completion = std::exchange(entries_[index].completion, {});
    completion();
}

void ModalLayer::finishDismissal(ScreenController *screen)
{
    const int index = indexOf(screen);
    if (index < 0)
        return;
    entries_.removeAt(index);
    Q_EMIT screenRemoved(screen);
    screen->setParentScreen(nullptr);
    if (screen->parent() == this)
        screen->deleteLater();
}
