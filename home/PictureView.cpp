#include "home/PictureView.h"

#include "ui/ImageEffects.h"
#include "ui/Pictures.h"

#include <QHash>
#include <QPainter>

PictureView::PictureView(QQuickItem *parent) : QQuickPaintedItem(parent) { }

QImage PictureView::picture(const QString &name, bool greyed)
{
    static QHash<QString, QImage> cache; // main thread only
    const QString key = (greyed ? QStringLiteral("grey:") : QStringLiteral("colour:")) + name;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QImage image = Pictures::load(name);
    if (greyed && !image.isNull()) {
        const qreal ratio = image.devicePixelRatio();
        image = ImageEffects::greyscale(image);
        image.setDevicePixelRatio(ratio);
    }
    cache.insert(key, image);
    return image;
}

void PictureView::setName(const QString &name)
{
    if (name == name_)
        return;
    name_ = name;
    reload();
}

void PictureView::setGreyed(bool greyed)
{
    if (greyed == greyed_)
        return;
    greyed_ = greyed;
    reload();
}

void PictureView::reload()
{
    image_ = name_.isEmpty() ? QImage() : picture(name_, greyed_);
    Q_EMIT pictureChanged();
    update();
}

void PictureView::paint(QPainter *painter)
{
    if (image_.isNull())
        return;
    // Fitted into the view, keeping the picture's proportions, centred.
    const QSizeF size = image_.size().scaled(boundingRect().size().toSize(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, image_);
}
