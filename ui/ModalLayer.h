#pragma once
#include "app/ScreenPresenter.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <functional>

class ViewController;
Q_MOC_INCLUDE("ui/ViewController.h")

// The one modal layer: screens presented in front of everything, newest on
// top. It is the window's screen presenter for the core (an unlock screen of a
// ringing alarm comes up here).
class ModalLayer : public QObject, public ScreenPresenter
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    static ModalLayer &shared();
    static ModalLayer *create(QQmlEngine *, QJSEngine *);

    // Core screens: `screen` must be a ViewController; the layer owns it.
    void presentModal(QObject *screen, bool animated, std::function<void()> completion) override;
    // Shows `screen` above `presenter` (may be null). Unparented screens become the layer's.
    void present(ViewController *screen, ViewController *presenter, bool animated, std::function<void()> completion);
    // Dismisses `screen` with everything presented above it. When `screen` is
    // not presented itself, the screen it presented is dismissed instead.
    void dismiss(ViewController *screen, bool animated);

    QList<ViewController *> presentedScreens() const;
    // Called by the view when a screen's in or out transition has ended.
    Q_INVOKABLE void transitionFinished(ViewController *screen);

Q_SIGNALS:
    // For the view: a screen to show (sliding in when animated), one starting
    // to leave, and one gone for good.
    void screenPresented(ViewController *screen, bool animated);
    void screenDismissing(ViewController *screen, bool animated);
    void screenRemoved(ViewController *screen);

private:
    ModalLayer() = default;
    struct Entry
    {
        QPointer<ViewController> screen;
        QPointer<ViewController> presenter;
        std::function<void()> completion;
        bool animated = false;
        bool dismissing = false;
    };
    int indexOf(const ViewController *screen) const;
    void finishPresentation(ViewController *screen);
    void finishDismissal(ViewController *screen);
    QList<Entry> entries_;
};
