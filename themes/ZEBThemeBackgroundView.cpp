#include "themes/ZEBThemeBackgroundView.h"

#include "platform/NotificationCenter.h"
#include "themes/SkinCatalogue.h"
#include "ui/ScreenMetrics.h"

#include <QPainter>

ZEBThemeBackgroundView::ZEBThemeBackgroundView(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    initateOperation();
}

ZEBThemeBackgroundView::~ZEBThemeBackgroundView() { NotificationCenter::defaultCenter().removeObserver(this); }

void ZEBThemeBackgroundView::initateOperation()
{
    NotificationCenter::defaultCenter().addObserver(this, SkinCatalogue::kChangeNotification,
                                                    [this](const QVariant &) { setSkin(); });
    applyCurrentSkin();
}

void ZEBThemeBackgroundView::setNowSkinFile(const QString &skinFile)
{
    if (nowSkinFile_ == skinFile)
        return;
    nowSkinFile_ = skinFile;
    Q_EMIT skinChanged();
}

void ZEBThemeBackgroundView::setSkin() { applyCurrentSkin(); }

QImage ZEBThemeBackgroundView::applyCurrentSkin()
{
    const SkinCatalogue::LoadedSkin skin
        = SkinCatalogue::load(SkinCatalogue::currentSkinFile(), ScreenMetrics::shared().isTall());
    pattern_ = skin.picture;
    setNowSkinFile(skin.skinFile);
    update();
    return skin.picture;
}

void ZEBThemeBackgroundView::paint(QPainter *painter)
{
    if (pattern_.isNull())
        return;
    painter->drawTiledPixmap(QRectF(0, 0, width(), height()), QPixmap::fromImage(pattern_));
}
