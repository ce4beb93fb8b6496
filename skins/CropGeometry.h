#pragma once
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// Where a photo sits behind the crop frame. The photo always covers the whole
// frame (no empty edge is ever shown): at zoom 1 it just covers it, centred;
// zooming keeps the point under the fingers in place; panning stops at the
// photo's edges. Sizes of the frame are in points, of the photo in pixels.
class CropGeometry
{
public:
    static constexpr qreal kMaxZoom = 10;

    CropGeometry() = default;
    CropGeometry(const QSizeF &frame, const QSize &photo);

    QSizeF frame() const { return frame_; }
    QSize photo() const { return photo_; }
    qreal zoom() const { return zoom_; }
    // Points per photo pixel.
    qreal scale() const { return coverScale() * zoom_; }
    // The photo's top-left corner relative to the frame's, in points (never above 0).
    QPointF offset() const { return offset_; }
    QSizeF shownSize() const { return QSizeF(photo_) * scale(); }

    // Zooms to `zoom` (kept within 1 .. kMaxZoom) around `anchor`, a point of the frame.
    void setZoom(qreal zoom, QPointF anchor);
    void setZoom(qreal zoom) { setZoom(zoom, QPointF(frame_.width() / 2, frame_.height() / 2)); }
    void pan(QPointF delta);

    // The part of the photo inside the frame, in photo pixels.
    QRectF sourceRect() const;

private:
    qreal coverScale() const;
    void keepCovered();

    QSizeF frame_;
    QSize photo_;
    qreal zoom_ = 1;
    QPointF offset_;
};
