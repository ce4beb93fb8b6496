#pragma once
#include <QQuickItem>

// Finds a visual item by objectName below `root`, following the item tree
// (items made by Loaders and Repeaters are not QObject children of their parents).
inline QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    for (QQuickItem *child : root->childItems())
        if (QQuickItem *found = findItem(child, name))
            return found;
    return nullptr;
}
