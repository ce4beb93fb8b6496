#pragma once
#include "unlockers/games/smile/FrameSource.h"

#include <QCameraDevice>
#include <QCameraFormat>
#include <QMediaCaptureSession>
#include <QSize>

#include <atomic>
#include <memory>

class QCamera;
class QMediaDevices;
class QVideoSink;

// The front camera (or the only one) through Qt Multimedia, asked for the
// smallest picture of at least 352 x 288. The device is opened by start()
// and closed by stop(); nothing else holds it.
class CameraFrameSource : public FrameSource
{
    Q_OBJECT
public:
    static constexpr QSize kWantedSize{352, 288};

    explicit CameraFrameSource(QObject *parent = nullptr);
    ~CameraFrameSource() override;

    QVideoSink *videoSink() const override { return sink_; }
    void start() override;
    void stop() override;
    bool isActive() const override;

    // The front camera when there is one, else the default, else the first.
    static QCameraDevice chooseDevice(const QList<QCameraDevice> &devices, const QCameraDevice &fallback);
    // The smallest format that still covers the wanted size (the largest
    // when none does), preferring formats read without decoding.
    static QCameraFormat chooseFormat(const QList<QCameraFormat> &formats);

private:
    void cameraError();
    void devicesChanged();
    void fail(Failure failure);

    QVideoSink *sink_;
    QMediaDevices *devices_;
    QMediaCaptureSession session_;
    std::unique_ptr<QCamera> camera_;
    QCameraDevice device_;
    std::atomic<bool> delivered_ = false; // a frame came since the last start
};
