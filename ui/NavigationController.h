#pragma once
#include "ui/ViewController.h"

#include <QList>

// A stack of screens with a navigation bar; the top one is on display.
// Screens it is handed without a QObject parent become its own and are deleted
// when they leave the stack; others (kept by their maker) are only released.
class NavigationController : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(ViewController *topViewController READ topViewController NOTIFY stackChanged)
    Q_PROPERTY(QList<ViewController *> viewControllers READ viewControllers NOTIFY stackChanged)
    Q_PROPERTY(bool navigationBarHidden READ isNavigationBarHidden NOTIFY navigationBarHiddenChanged)
    Q_PROPERTY(bool lastChangeAnimated READ lastChangeAnimated NOTIFY stackChanged)
public:
    explicit NavigationController(QObject *parent = nullptr);

    QList<ViewController *> viewControllers() const;
    ViewController *topViewController() const;
    void setViewControllers(const QList<ViewController *> &stack, bool animated);
    void pushViewController(ViewController *screen, bool animated);
    Q_INVOKABLE void popViewControllerAnimated(bool animated);

    bool isNavigationBarHidden() const { return navigationBarHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated);
    bool lastChangeAnimated() const { return lastChangeAnimated_; }

Q_SIGNALS:
    void stackChanged();
    void navigationBarHiddenChanged();

protected:
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void replaceStack(const QList<ViewController *> &stack, bool animated);
    QList<QPointer<ViewController>> stack_;
    bool navigationBarHidden_ = false;
    bool lastChangeAnimated_ = false;
};
