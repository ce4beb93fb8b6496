#pragma once
#include <QPointer>
#include <QQuickPaintedItem>

#include "skins/CropScreen.h"

// Paints the crop screen's photo where its geometry puts it around the crop
// frame, which the layout places at `frame` inside this item.
class PhotoView : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(CropScreen *screen READ screen WRITE setScreen NOTIFY screenChanged)
    Q_PROPERTY(QRectF frame READ frame WRITE setFrame NOTIFY frameChanged)
public:
    explicit PhotoView(QQuickItem *parent = nullptr);

    CropScreen *screen() const { return screen_; }
    void setScreen(CropScreen *screen);
    QRectF frame() const { return frame_; }
    void setFrame(const QRectF &frame);
    void paint(QPainter *painter) override;

Q_SIGNALS:
    void screenChanged();
    void frameChanged();

private:
    QPointer<CropScreen> screen_;
    QRectF frame_;
};
