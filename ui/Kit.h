#pragma once
#include <QColor>
#include <QObject>
#include <QQmlEngine>

// The kit's helpers for QML: pictures by name, the background-picture rule,
// colours from hex and the house font and colour.
class Kit : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool tall READ isTall CONSTANT)
    Q_PROPERTY(QString lightFontFamily READ lightFontFamily CONSTANT)
    Q_PROPERTY(QColor brandColor READ brandColor CONSTANT)
public:
    static constexpr quint32 kBrandColor = 0x2BB4CB;

    bool isTall() const;
    QString lightFontFamily() const;
    QColor brandColor() const;

    Q_INVOKABLE QString pictureUrl(const QString &name) const;
    // The picture a view gets as its background: "-568h" variant on a tall screen.
    Q_INVOKABLE QString backgroundPictureUrl(const QString &name) const;
    Q_INVOKABLE QColor colorWithHex(int hex, qreal alpha = 1.0) const;
};
