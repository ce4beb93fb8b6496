#include "themes/ThemedBackground.h"

#include "platform/Broadcaster.h"
#include "themes/SkinCatalogue.h"
#include "ui/ScreenMetrics.h"

#include <QPainter>

ThemedBackground::ThemedBackground(QQuickItem *parent) : QQuickPaintedItem(parent) { subscribeToSkin(); }

ThemedBackground::~ThemedBackground() { Broadcaster::shared().removeObserver(this); }

void ThemedBackground::subscribeToSkin()
{
    Broadcaster::shared().addObserver(this, SkinCatalogue::kChangeNotification,
                                      [this](const QVariant &) { setSkin(); });
    applyCurrentSkin();
}

void ThemedBackground::setSkinFile(const QString &skinFile)
{
    if (skinFile_ == skinFile)
        return;
    skinFile_ = skinFile;
    Q_EMIT skinChanged();
}

void ThemedBackground::setSkin() { applyCurrentSkin(); }

QImage ThemedBackground::applyCurrentSkin()
{
    const SkinCatalogue::LoadedSkin skin
        = SkinCatalogue::load(SkinCatalogue::currentSkinFile(), ScreenMetrics::shared().isTall());
    pattern_ = skin.picture;
    setSkinFile(skin.skinFile);
    update();
    return skin.picture;
}

void ThemedBackground::paint(QPainter *painter)
{
    if (pattern_.isNull())
        return;
    painter->drawTiledPixmap(QRectF(0, 0, width(), height()), QPixmap::fromImage(pattern_));
}
