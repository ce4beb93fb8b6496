#pragma once
#include <QImage>
#include <QQuickPaintedItem>

// A bundled picture by name, drawn in colour or, when `greyed`, in greyscale
// (the list shows a switched-off alarm's unlocker picture grey). The grey
// copies are made once per picture and shared by every row.
class PictureView : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY pictureChanged)
    Q_PROPERTY(bool greyed READ greyed WRITE setGreyed NOTIFY pictureChanged)
public:
    explicit PictureView(QQuickItem *parent = nullptr);

    QString name() const { return name_; }
    void setName(const QString &name);
    bool greyed() const { return greyed_; }
    void setGreyed(bool greyed);

    void paint(QPainter *painter) override;

    // The picture of `name`, greyscale when asked; cached.
    static QImage picture(const QString &name, bool greyed);

Q_SIGNALS:
    void pictureChanged();

private:
    void reload();
    QString name_;
    bool greyed_ = false;
    QImage image_;
};
