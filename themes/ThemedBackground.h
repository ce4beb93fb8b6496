#pragma once
#include <QImage>
#include <QQuickPaintedItem>

// A view whose background is the current skin, laid as a pattern from its top
// left corner. It reloads the skin at creation and on every change broadcast.
class ThemedBackground : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString skinFile READ skinFile NOTIFY skinChanged)
public:
    explicit ThemedBackground(QQuickItem *parent = nullptr);
    ~ThemedBackground() override;

    // The skin shown now; skin 1 after a fallback, whatever the preference says.
    QString skinFile() const { return skinFile_; }
    void setSkinFile(const QString &skinFile);
    QImage patternImage() const { return pattern_; }

    // Reloads the current skin; also the change broadcast's handler.
    Q_INVOKABLE virtual void setSkin();

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void skinChanged();

protected:
    // Loads the preference's skin into the pattern and returns its picture.
    QImage applyCurrentSkin();

private:
    void subscribeToSkin();
    QString skinFile_;
    QImage pattern_;
};
