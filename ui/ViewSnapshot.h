#pragma once
#include <QImage>

class QQuickItem;

// A picture of an item as it is on screen now, at the window's pixel density;
// null when the item is not in a shown window.
QImage snapshotOfItem(QQuickItem *item);
