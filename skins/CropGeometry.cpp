#include "skins/CropGeometry.h"

#include <algorithm>

CropGeometry::CropGeometry(const QSizeF &frame, const QSize &photo) : frame_(frame), photo_(photo)
{
    const QSizeF shown = shownSize();
    offset_ = QPointF((frame_.width() - shown.width()) / 2, (frame_.height() - shown.height()) / 2);
}

qreal CropGeometry::coverScale() const
{
    if (photo_.isEmpty())
        return 1;
    return std::max(frame_.width() / photo_.width(), frame_.height() / photo_.height());
}

void CropGeometry::setZoom(qreal zoom, QPointF anchor)
{
    const qreal before = scale();
    zoom_ = std::clamp(zoom, 1.0, kMaxZoom);
    // The photo point under the anchor stays under it.
    const QPointF photoPoint = (anchor - offset_) / before;
    offset_ = anchor - photoPoint * scale();
    keepCovered();
}

void CropGeometry::pan(QPointF delta)
{
    offset_ += delta;
    keepCovered();
}

void CropGeometry::keepCovered()
{
    const QSizeF shown = shownSize();
    offset_.setX(std::clamp(offset_.x(), frame_.width() - shown.width(), 0.0));
    offset_.setY(std::clamp(offset_.y(), frame_.height() - shown.height(), 0.0));
}

QRectF CropGeometry::sourceRect() const
{
    const qreal s = scale();
    return QRectF(-offset_.x() / s, -offset_.y() / s, frame_.width() / s, frame_.height() / s)
        .intersected(QRectF(QPointF(0, 0), QSizeF(photo_)));
}
