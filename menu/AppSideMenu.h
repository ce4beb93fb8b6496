#pragma once
#include "ui/SideMenu.h"

#include <QList>

// The app's root: the side-menu container set up with the navigation
// controller of the top-level screens, the menu, the three top-level screens
// (made once and kept for the whole run) and the menu background.
class AppSideMenu : public SideMenu
{
    Q_OBJECT
public:
    enum TopLevel { Home, Skin, About };

    explicit AppSideMenu(QObject *parent = nullptr);

    // The one-screen stacks of the menu entries home, skin and about; empty
    // where that screen is not built in.
    QList<ScreenController *> homeStack() const { return homeStack_; }
    QList<ScreenController *> skinStack() const { return skinStack_; }
    QList<ScreenController *> aboutStack() const { return aboutStack_; }

    // Builds the container from the screens registered under their class names.
    void build();
    // Makes `screen` the content and closes the menu (nothing happens for a screen not built in).
    void showTopLevel(TopLevel screen);

private:
    QList<ScreenController *> homeStack_, skinStack_, aboutStack_;
};
