#include "themes/BlurredBackground.h"

#include "ui/ImageEffects.h"
#include "ui/ScreenMetrics.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent>

BlurredBackground::BlurredBackground(QQuickItem *parent)
    : ThemedBackground(parent),
      blurOperation_(
          [](const QImage &image) { return ImageEffects::applyLightEffect(image, ScreenMetrics::shared().scale()); })
{
    // The base set-up has loaded the skin already; start its blur.
    setBackgroundImage(patternImage());
}

QRectF BlurredBackground::backgroundImageFrame() const
{
    return QRectF(0, 0, width(), ScreenMetrics::shared().isTall() ? 568 : height());
}

void BlurredBackground::setSkin() { setBackgroundImage(applyCurrentSkin()); }

void BlurredBackground::setBackgroundImage(const QImage &image)
{
    backgroundImage_ = image;
    update();
    const quint64 generation = ++generation_;
    ++pendingBlurs_;
    if (pendingBlurs_ == 1)
        Q_EMIT blurringChanged();
    // The watcher lives with the view: a view torn down never hears of its blur.
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, generation] {
        blurFinished(generation, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([operation = blurOperation_, image] { return operation(image); }));
}

void BlurredBackground::blurFinished(quint64 generation, const QImage &blurred)
{
    --pendingBlurs_;
    // An older picture's blur that ends late must not replace the newest one;
    // a failed blur of the newest picture leaves no blurred picture at all.
    if (generation == generation_) {
        blurredBackgroundImage_ = blurred;
        update();
        Q_EMIT blurredImageChanged();
    }
    if (pendingBlurs_ == 0)
        Q_EMIT blurringChanged();
}

void BlurredBackground::setBlurAlpha(qreal alpha)
{
    if (alpha < 0 || alpha == blurAlpha_)
        return;
    blurAlpha_ = alpha;
    update();
    Q_EMIT blurAlphaChanged();
}

void BlurredBackground::paint(QPainter *painter)
{
    ThemedBackground::paint(painter);
    const QRectF frame = backgroundImageFrame();
    if (!backgroundImage_.isNull())
        painter->drawImage(frame, backgroundImage_);
    if (!blurredBackgroundImage_.isNull() && blurAlpha_ > 0) {
        painter->setOpacity(std::min<qreal>(blurAlpha_, 1));
        painter->drawImage(frame, blurredBackgroundImage_);
    }
}
