#include "themes/ZEBBlurView.h"

#include "ui/ImageEffects.h"
#include "ui/ScreenMetrics.h"

#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent>

ZEBBlurView::ZEBBlurView(QQuickItem *parent)
    : ZEBThemeBackgroundView(parent), blurOperation_([](const QImage &image) {
          return ImageEffects::applyLightEffect(image, ScreenMetrics::shared().scale());
      })
{
    // The base set-up has loaded the skin already; start its blur.
    setBackgroundImage(patternImage());
}

QRectF ZEBBlurView::backgroundImageFrame() const
{
    return QRectF(0, 0, width(), ScreenMetrics::shared().isTall() ? 568 : height());
}

void ZEBBlurView::setSkin()
{
    setBackgroundImage(applyCurrentSkin());
}

void ZEBBlurView::setBackgroundImage(const QImage &image)
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

void ZEBBlurView::blurFinished(quint64 generation, const QImage &blurred)
{
    --pendingBlurs_;
    // An older picture's blur that ends late must not replace the newest one;
    // a failed blur of the newest picture leaves no blurred picture at all.
    if (generation == generation_) {
        bluredBackgroundImage_ = blurred;
        update();
        Q_EMIT bluredImageChanged();
    }
    if (pendingBlurs_ == 0)
        Q_EMIT blurringChanged();
}

void ZEBBlurView::SetBluredImageViewAlpha(qreal alpha)
{
    if (alpha < 0 || alpha == bluredAlpha_)
        return;
    bluredAlpha_ = alpha;
    update();
    Q_EMIT bluredImageAlphaChanged();
}

void ZEBBlurView::paint(QPainter *painter)
{
    ZEBThemeBackgroundView::paint(painter);
    const QRectF frame = backgroundImageFrame();
    if (!backgroundImage_.isNull())
        painter->drawImage(frame, backgroundImage_);
    if (!bluredBackgroundImage_.isNull() && bluredAlpha_ > 0) {
        painter->setOpacity(std::min<qreal>(bluredAlpha_, 1));
        painter->drawImage(frame, bluredBackgroundImage_);
    }
}
