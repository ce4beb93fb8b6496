#pragma once
#include <QQuickPaintedItem>
#include <QVideoFrame>
#include <QtQml/qqmlregistration.h>

class QVideoSink;
Q_MOC_INCLUDE(<QVideoSink>)

// The live camera picture in the astronaut's visor: a video sink, as QML's
// VideoOutput has one, whose newest frame is painted turned upright, filling
// the item and cut to its rounded shape (half circles at the short ends).
// Painted, so it shows on every scene-graph backend, the software one too.
// An empty frame clears it.
class VisorPicture : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVideoSink *videoSink READ videoSink CONSTANT)
    Q_PROPERTY(int turn READ turn WRITE setTurn NOTIFY turnChanged)
    Q_PROPERTY(bool showing READ isShowing NOTIFY showingChanged)
public:
    explicit VisorPicture(QQuickItem *parent = nullptr);

    QVideoSink *videoSink() const { return sink_; }
    // Clockwise degrees that bring the picture upright.
    int turn() const { return turn_; }
    void setTurn(int degrees);
    bool isShowing() const { return frame_.isValid(); }

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void turnChanged();
    void showingChanged();

private:
    void frameChanged(const QVideoFrame &frame);

    QVideoSink *sink_;
    QVideoFrame frame_;
    int turn_ = 0;
};
