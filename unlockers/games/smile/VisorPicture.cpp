#include "unlockers/games/smile/VisorPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QVideoSink>

VisorPicture::VisorPicture(QQuickItem *parent) : QQuickPaintedItem(parent), sink_(new QVideoSink(this))
{
    setAntialiasing(true);
    connect(sink_, &QVideoSink::videoFrameChanged, this, &VisorPicture::frameChanged);
}

void VisorPicture::setTurn(int degrees)
{
    if (degrees == turn_)
        return;
    turn_ = degrees;
    Q_EMIT turnChanged();
    update();
}

void VisorPicture::frameChanged(const QVideoFrame &frame)
{
    const bool wasShowing = isShowing();
    frame_ = frame;
    if (wasShowing != isShowing())
        Q_EMIT showingChanged();
    update();
}

void VisorPicture::paint(QPainter *painter)
{
    if (!frame_.isValid() || width() <= 0 || height() <= 0)
        return;
    QImage picture = frame_.toImage();
    if (picture.isNull())
        return;
    QTransform upright;
    upright.rotate(turn_);
    if (frame_.mirrored())
        upright.scale(-1, 1);
    if (!upright.isIdentity())
        picture = picture.transformed(upright);
    // Fill the item, cutting off what sticks out on the longer side.
    const QSizeF target = size();
    const QSizeF cut = target * std::min(picture.width() / target.width(), picture.height() / target.height());
    const QRectF from((picture.width() - cut.width()) / 2, (picture.height() - cut.height()) / 2, cut.width(),
                      cut.height());
    QPainterPath shape;
    const qreal radius = std::min(target.width(), target.height()) / 2;
    shape.addRoundedRect(QRectF(QPointF(0, 0), target), radius, radius);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipPath(shape);
    painter->drawImage(QRectF(QPointF(0, 0), target), picture, from);
}
