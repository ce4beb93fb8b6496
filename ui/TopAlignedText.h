#pragma once
#include <QColor>
#include <QFont>
#include <QQuickItem>

// A label that fits its height to its text, so the text starts at its top
// edge: setting the text measures it in the label's font within the current
// width (wrapping words) and makes the label exactly that high.
class TopAlignedText : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
public:
    explicit TopAlignedText(QQuickItem *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);
    QFont font() const { return font_; }
    void setFont(const QFont &font);
    QColor color() const { return color_; }
    void setColor(const QColor &color);

    // Height of `text` in `font` wrapped at `width`.
    static qreal measuredHeight(const QString &text, const QFont &font, qreal width);

Q_SIGNALS:
    void textChanged();
    void fontChanged();
    void colorChanged();

private:
    QString text_;
    QFont font_;
    QColor color_ = Qt::white;
};
