#pragma once
#include "themes/ZEBThemeBackgroundView.h"

#include <QPointer>
#include <functional>

template<typename T>
class QFutureWatcher;

// A themed view that also keeps a blurred copy of its skin, which a screen
// fades in (for instance while a list scrolls over it). The plain picture
// lies lowest, the blurred one above it, every child item above both.
// The blur runs off the main thread; only the blur of the newest picture is
// ever shown, however the blurs of quick skin changes finish.
class ZEBBlurView : public ZEBThemeBackgroundView
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal bluredImageAlpha READ bluredImageAlpha WRITE SetBluredImageViewAlpha NOTIFY bluredImageAlphaChanged)
    Q_PROPERTY(bool blurring READ isBlurring NOTIFY blurringChanged)
public:
    using BlurOperation = std::function<QImage(const QImage &)>;

    explicit ZEBBlurView(QQuickItem *parent = nullptr);

    QImage backgroundImage() const { return backgroundImage_; }
    QImage bluredBackgroundImage() const { return bluredBackgroundImage_; }
    qreal bluredImageAlpha() const { return bluredAlpha_; }
    bool isBlurring() const { return pendingBlurs_ > 0; }
    // Where the two pictures lie: the bounds, 568 points high on a tall screen.
    QRectF backgroundImageFrame() const;

    void setSkin() override;
    // Shows `image` and starts its blur.
    void setBackgroundImage(const QImage &image);
    // The blurred picture's opacity; negative values are ignored.
    Q_INVOKABLE void SetBluredImageViewAlpha(qreal alpha);
    // Tests slow the blur down to make blurs finish out of order.
    void setBlurOperation(BlurOperation operation) { blurOperation_ = std::move(operation); }

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void bluredImageAlphaChanged();
    void bluredImageChanged();
    void blurringChanged();

private:
    void blurFinished(quint64 generation, const QImage &blurred);

    QImage backgroundImage_, bluredBackgroundImage_;
    qreal bluredAlpha_ = 0;
    BlurOperation blurOperation_;
    quint64 generation_ = 0; // of the newest picture handed to setBackgroundImage
    int pendingBlurs_ = 0;
};
