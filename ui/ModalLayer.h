#pragma once
#include "app/ScreenPresenter.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <functional>

class ScreenController;
Q_MOC_INCLUDE("ui/ScreenController.h")

// The one modal layer: screens presented in front of everything, newest on
// top. It is the window's screen presenter for the core (an unlock screen of a
// ringing alarm comes up here).
class ModalLayer : public QObject, public ScreenPresenter
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int slideMs READ slideMs CONSTANT)
public:
    // How long a presented screen takes to slide in or out.
    static constexpr int kSlideMs = 300;

    static ModalLayer &shared();
    static ModalLayer *create(QQmlEngine *, QJSEngine *);

    // Core screens: `screen` must be a ScreenController; the layer owns it.
    void presentModal(QObject *screen, bool animated, std::function<void()> completion) override;
    // Shows `screen` above `presenter` (may be null). Unparented screens become the layer's.
    void present(ScreenController *screen, ScreenController *presenter, bool animated,
                 std::function<void()> completion);
    // Dismisses `screen` with everything presented above it. When `screen` is
    // not presented itself, the screen it presented is dismissed instead.
    void dismiss(ScreenController *screen, bool animated);

    QList<ScreenController *> presentedScreens() const;
    int slideMs() const { return kSlideMs; }
    // Called by the view when a screen's in or out transition has ended.
    Q_INVOKABLE void transitionFinished(ScreenController *screen);

Q_SIGNALS:
    // For the view: a screen to show (sliding in when animated), one starting
    // to leave, and one gone for good.
    void screenPresented(ScreenController *screen, bool animated);
    void screenDismissing(ScreenController *screen, bool animated);
    void screenRemoved(ScreenController *screen);

private:
    ModalLayer() = default;
    struct Entry
    {
        QPointer<ScreenController> screen;
        QPointer<ScreenController> presenter;
        std::function<void()> completion;
        bool animated = false;
        bool dismissing = false;
    };
    int indexOf(const ScreenController *screen) const;
    void finishPresentation(ScreenController *screen);
    void finishDismissal(ScreenController *screen);
    QList<Entry> entries_;
};
