#include "skins/CropScreen.h"

#include "skins/CustomSkin.h"
#include "themes/SkinCatalogue.h"
#include "ui/ScreenMetrics.h"

#include <QDebug>

namespace {
bool tall() { return ScreenMetrics::shared().isTall(); }
} // namespace

CropScreen::CropScreen(const QImage &photo, QObject *parent) : ScreenController(parent), photo_(photo)
{
    const QSize output = CustomSkin::outputSize(tall());
    geometry_ = CropGeometry(QSizeF(kFrameWidth, kFrameWidth * output.height() / output.width()), photo_.size());
}

void CropScreen::setZoom(qreal zoom)
{
    geometry_.setZoom(zoom);
    Q_EMIT geometryChanged();
}

void CropScreen::pan(qreal dx, qreal dy)
{
    geometry_.pan(QPointF(dx, dy));
    Q_EMIT geometryChanged();
}

void CropScreen::zoomBy(qreal factor, qreal x, qreal y)
{
    geometry_.setZoom(geometry_.zoom() * factor, QPointF(x, y));
    Q_EMIT geometryChanged();
}

QImage CropScreen::croppedPicture() const
{
    const QRect source = geometry_.sourceRect().toAlignedRect().intersected(photo_.rect());
    return photo_.copy(source).scaled(CustomSkin::outputSize(tall()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void CropScreen::done()
{
    QString problem;
    if (!CustomSkin::save(croppedPicture(), tall(), &problem)) {
        qWarning().noquote() << "tolvek: the custom skin was not saved:" << problem;
        Q_EMIT failed(tr("The picture could not be saved: %1").arg(problem));
        return;
    }
    SkinCatalogue::setCurrentSkin(SkinCatalogue::kCustomSkin);
    close(true);
}

void CropScreen::cancel()
{
    Q_EMIT cancelled();
    close(true);
}
