#pragma once
#include "skins/CropGeometry.h"
#include "ui/ScreenController.h"

#include <QImage>

// Cuts the custom skin out of a photo: the photo is moved and zoomed behind a
// frame of the screen's shape (it always covers the frame); "Done" stores the
// framed part as the custom skin and makes it current, "Cancel" goes back to
// choosing a photo. A write that fails keeps the previous custom skin and says so.
class CropScreen : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(QSizeF frameSize READ frameSize CONSTANT)
    Q_PROPERTY(qreal zoom READ zoom WRITE setZoom NOTIFY geometryChanged)
    Q_PROPERTY(qreal minimumZoom READ minimumZoom CONSTANT)
    Q_PROPERTY(qreal maximumZoom READ maximumZoom CONSTANT)
    Q_PROPERTY(QString doneTitle READ doneTitle CONSTANT)
    Q_PROPERTY(QString cancelTitle READ cancelTitle CONSTANT)
public:
    // The frame, in points: the screen's shape, 260 points wide.
    static constexpr qreal kFrameWidth = 260;

    explicit CropScreen(const QImage &photo, QObject *parent = nullptr);

    QSizeF frameSize() const { return geometry_.frame(); }
    qreal zoom() const { return geometry_.zoom(); }
    void setZoom(qreal zoom);
    qreal minimumZoom() const { return 1; }
    qreal maximumZoom() const { return CropGeometry::kMaxZoom; }
    QString doneTitle() const { return tr("Done"); }
    QString cancelTitle() const { return tr("Cancel"); }

    const QImage &photo() const { return photo_; }
    const CropGeometry &geometry() const { return geometry_; }
    // The framed part at the custom skin's size.
    QImage croppedPicture() const;

    Q_INVOKABLE void pan(qreal dx, qreal dy);
    // Zooms by `factor` around the frame point (x, y), for pinches and the wheel.
    Q_INVOKABLE void zoomBy(qreal factor, qreal x, qreal y);
    Q_INVOKABLE void done();
    Q_INVOKABLE void cancel();

Q_SIGNALS:
    void geometryChanged();
    void cancelled();
    void failed(const QString &problem);

private:
    QImage photo_;
    CropGeometry geometry_;
};
