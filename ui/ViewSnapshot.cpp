#include "ui/ViewSnapshot.h"

#include <QQuickItem>
#include <QQuickWindow>

QImage snapshotOfItem(QQuickItem *item)
{
    if (!item || !item->window())
        return {};
    QQuickWindow *window = item->window();
    const QImage frame = window->grabWindow();
    const qreal ratio = frame.devicePixelRatio();
    const QRectF area = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const QRect pixels(qRound(area.x() * ratio), qRound(area.y() * ratio), qRound(area.width() * ratio),
                       qRound(area.height() * ratio));
    QImage picture = frame.copy(pixels);
    picture.setDevicePixelRatio(ratio);
    return picture;
}
