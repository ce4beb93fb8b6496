#pragma once
#include "ui/ScreenController.h"

#include <QList>

// A stack of screens with a navigation bar; the top one is on display.
// Screens it is handed without a QObject parent become its own and are deleted
// when they leave the stack; others (kept by their maker) are only released.
class NavigationStack : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(ScreenController *topScreen READ topScreen NOTIFY stackChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY stackChanged)
    Q_PROPERTY(bool navigationBarHidden READ isNavigationBarHidden NOTIFY navigationBarHiddenChanged)
    Q_PROPERTY(bool lastChangeAnimated READ lastChangeAnimated NOTIFY stackChanged)
    Q_PROPERTY(QString backButtonTitle READ backButtonTitle CONSTANT)
public:
    explicit NavigationStack(QObject *parent = nullptr);

    QList<ScreenController *> screens() const;
    ScreenController *topScreen() const;
    // There is a screen under the top one to go back to.
    bool canGoBack() const { return screens().size() > 1; }
    void setScreens(const QList<ScreenController *> &stack, bool animated);
    void push(ScreenController *screen, bool animated);
    Q_INVOKABLE void pop(bool animated);

    bool isNavigationBarHidden() const { return navigationBarHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated);
    bool lastChangeAnimated() const { return lastChangeAnimated_; }
    QString backButtonTitle() const { return tr("Back"); }

Q_SIGNALS:
    void stackChanged();
    void navigationBarHiddenChanged();

protected:
    void willAppear(bool animated) override;
    void didDisappear(bool animated) override;

private:
    void replaceStack(const QList<ScreenController *> &stack, bool animated);
    QList<QPointer<ScreenController>> stack_;
    bool navigationBarHidden_ = false;
    bool lastChangeAnimated_ = false;
};
