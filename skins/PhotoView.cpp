#include "skins/PhotoView.h"

#include <QPainter>

PhotoView::PhotoView(QQuickItem *parent) : QQuickPaintedItem(parent) { }

void PhotoView::setScreen(CropScreen *screen)
{
    if (screen == screen_)
        return;
    if (screen_)
        disconnect(screen_, nullptr, this, nullptr);
    screen_ = screen;
    if (screen_)
        connect(screen_, &CropScreen::geometryChanged, this, [this] { update(); });
    update();
    Q_EMIT screenChanged();
}

void PhotoView::setFrame(const QRectF &frame)
{
    if (frame == frame_)
        return;
    frame_ = frame;
    update();
    Q_EMIT frameChanged();
}

void PhotoView::paint(QPainter *painter)
{
    if (!screen_ || frame_.isEmpty())
        return;
    const CropGeometry &geometry = screen_->geometry();
    // The frame on screen may be drawn at another size than its design size.
    const qreal k = frame_.width() / geometry.frame().width();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(QRectF(frame_.topLeft() + geometry.offset() * k, geometry.shownSize() * k), screen_->photo());
}
