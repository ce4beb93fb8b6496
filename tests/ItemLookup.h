#pragma once
#include <QQuickItem>

// Finds a visual item by objectName below `root`, following the item tree
// (items made by Loaders and Repeaters are not QObject children of their
// parents). Of several, the last one in paint order: the front screen's
// (with `visibleOnly`, the last one shown).
inline QQuickItem *findItem(QQuickItem *root, const QString &name, bool visibleOnly = false)
{
    if (!root)
        return nullptr;
    QQuickItem *found = root->objectName() == name && (!visibleOnly || root->isVisible()) ? root : nullptr;
    for (QQuickItem *child : root->childItems())
        if (QQuickItem *inChild = findItem(child, name, visibleOnly))
            found = inChild;
    return found;
}

// The item's bounds in window coordinates.
inline QRectF sceneRect(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}
