#pragma once
#include "themes/ThemedBackground.h"

#include <QPointer>
#include <functional>

template<typename T>
class QFutureWatcher;

// A themed view that also keeps a blurred copy of its skin, which a screen
// fades in (for instance while a list scrolls over it). The plain picture
// lies lowest, the blurred one above it, every child item above both.
// The blur runs off the main thread; only the blur of the newest picture is
// ever shown, however the blurs of quick skin changes finish.
class BlurredBackground : public ThemedBackground
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal blurAlpha READ blurAlpha WRITE setBlurAlpha NOTIFY blurAlphaChanged)
    Q_PROPERTY(bool blurring READ isBlurring NOTIFY blurringChanged)
public:
    using BlurOperation = std::function<QImage(const QImage &)>;

    explicit BlurredBackground(QQuickItem *parent = nullptr);

    QImage backgroundImage() const { return backgroundImage_; }
    QImage blurredBackgroundImage() const { return blurredBackgroundImage_; }
    qreal blurAlpha() const { return blurAlpha_; }
    bool isBlurring() const { return pendingBlurs_ > 0; }
    // Where the two pictures lie: the bounds, 568 points high on a tall screen.
    QRectF backgroundImageFrame() const;

    void setSkin() override;
    // Shows `image` and starts its blur.
    void setBackgroundImage(const QImage &image);
    // The blurred picture's opacity; negative values are ignored.
    Q_INVOKABLE void setBlurAlpha(qreal alpha);
    // Tests slow the blur down to make blurs finish out of order.
    void setBlurOperation(BlurOperation operation) { blurOperation_ = std::move(operation); }

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void blurAlphaChanged();
    void blurredImageChanged();
    void blurringChanged();

private:
    void blurFinished(quint64 generation, const QImage &blurred);

    QImage backgroundImage_, blurredBackgroundImage_;
    qreal blurAlpha_ = 0;
    BlurOperation blurOperation_;
    quint64 generation_ = 0; // of the newest picture handed to setBackgroundImage
    int pendingBlurs_ = 0;
};
