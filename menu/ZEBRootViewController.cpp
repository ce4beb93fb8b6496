#include "menu/ZEBRootViewController.h"

#include "ui/RESideMenu.h"

ZEBRootViewController::ZEBRootViewController(QObject *parent) : ViewController(parent) { }

void ZEBRootViewController::viewDidLoad()
{
    if (navigationController()) {
        setLeftBarButtonItem(kMenuPicture, [this] { showMenu(); });
    } else {
        menuButtonFrame_ = QRectF(10, 10, 50, 50);
        Q_EMIT menuButtonChanged();
    }
}

void ZEBRootViewController::showMenu()
{
    if (RESideMenu *menu = sideMenuViewController())
        menu->presentMenuViewController();
}
