#pragma once
#include <QPainterPath>
#include <QQuickPaintedItem>

// The coloured column of the shake game's gauge: brand colour, masked to a
// thermometer outline, a rectangle whose top is a half circle.
class ThermometerShape : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal topCornerRadius READ topCornerRadius NOTIFY maskChanged)
public:
    explicit ThermometerShape(QQuickItem *parent = nullptr);

    // Until a radius is set, it is half the view's width.
    qreal topCornerRadius() const { return radius_ >= 0 ? radius_ : width() / 2; }
    Q_INVOKABLE void setTopCornerRadius(qreal radius);

    // The outline for a view of `size`.
    static QPainterPath thermometerPath(const QSizeF &size, qreal radius);

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void maskChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    qreal radius_ = -1;
};
