#pragma once
#include "ui/RESideMenu.h"

#include <QList>

// The app's root: the side-menu container set up with the navigation
// controller of the top-level screens, the menu, the three top-level screens
// (made once and kept for the whole run) and the menu background.
class ZEBSideMenuRootViewController : public RESideMenu
{
    Q_OBJECT
public:
    explicit ZEBSideMenuRootViewController(QObject *parent = nullptr);

    // The one-screen stacks of the menu entries home, skin and about; empty
    // where that screen is not built in.
    QList<ViewController *> firstControllers() const { return firstControllers_; }
    QList<ViewController *> secondControllers() const { return secondControllers_; }
    QList<ViewController *> thirdControllers() const { return thirdControllers_; }

    // Builds the container from the layout identifiers.
    void awakeFromNib();

private:
    QList<ViewController *> firstControllers_, secondControllers_, thirdControllers_;
};
