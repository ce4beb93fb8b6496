#pragma once
#include <QQuickPaintedItem>

// The clock face's volume ring: the grey ring segment and the brand-coloured
// level arc for `volume`, around the item's centre. It tells where the knob
// goes (knobX, knobY in its own coordinates) and which volume a drag to a
// point sets; the knob picture itself is laid out by QML.
class VolumeRing : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(qreal knobX READ knobX NOTIFY knobMoved)
    Q_PROPERTY(qreal knobY READ knobY NOTIFY knobMoved)
public:
    static inline const QColor kRingColor{130, 135, 131};

    explicit VolumeRing(QQuickItem *parent = nullptr);

    qreal volume() const { return volume_; }
    void setVolume(qreal volume);
    qreal knobX() const;
    qreal knobY() const;
    // The volume a drag of the knob to `x` (item coordinates) sets.
    Q_INVOKABLE qreal volumeForX(qreal x) const;

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void volumeChanged();
    void knobMoved();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    QPointF centre() const { return {width() / 2, height() / 2}; }
    qreal volume_ = 0;
};
