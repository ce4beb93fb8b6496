#include "unlockers/games/smile/CameraFrameSource.h"

#include <QCamera>
#include <QDebug>
#include <QMediaDevices>
#include <QVideoSink>

#include <tuple>

CameraFrameSource::CameraFrameSource(QObject *parent)
    : FrameSource(parent),
      sink_(new QVideoSink(this)),
      devices_(new QMediaDevices(this))
{
    session_.setVideoSink(sink_);
    // Direct: frames may come on the camera's own thread, and none should queue here.
    connect(
        sink_, &QVideoSink::videoFrameChanged, this, [this] { delivered_ = true; }, Qt::DirectConnection);
    connect(devices_, &QMediaDevices::videoInputsChanged, this, &CameraFrameSource::devicesChanged);
}

CameraFrameSource::~CameraFrameSource() { stop(); }

QCameraDevice CameraFrameSource::chooseDevice(const QList<QCameraDevice> &devices, const QCameraDevice &fallback)
{
    for (const QCameraDevice &device : devices)
        if (device.position() == QCameraDevice::FrontFace)
            return device;
    if (!fallback.isNull())
        return fallback;
    return devices.isEmpty() ? QCameraDevice() : devices.first();
}

QCameraFormat CameraFrameSource::chooseFormat(const QList<QCameraFormat> &formats)
{
    // Formats that cover the wanted size come first, smallest first, and
    // among equals those without a decode per frame; then the rest, largest first.
    auto rank = [](const QCameraFormat &format) {
        const QSize size = format.resolution();
        const qint64 area = qint64(size.width()) * size.height();
        const bool covers = size.width() >= kWantedSize.width() && size.height() >= kWantedSize.height();
        const bool compressed = format.pixelFormat() == QVideoFrameFormat::Format_Jpeg;
        return std::make_tuple(!covers, covers ? area : -area, compressed);
    };
    QCameraFormat best;
    for (const QCameraFormat &format : formats) {
        if (format.resolution().isEmpty())
            continue;
        if (best.isNull() || rank(format) < rank(best))
            best = format;
    }
    return best;
}

void CameraFrameSource::start()
{
    if (camera_)
        return;
    device_ = chooseDevice(QMediaDevices::videoInputs(), QMediaDevices::defaultVideoInput());
    if (device_.isNull()) {
        fail(Failure::NoCamera);
        return;
    }
    camera_ = std::make_unique<QCamera>(device_);
    const QCameraFormat format = chooseFormat(device_.videoFormats());
    if (!format.isNull())
        camera_->setCameraFormat(format);
    connect(camera_.get(), &QCamera::errorOccurred, this, &CameraFrameSource::cameraError);
    delivered_ = false;
    session_.setCamera(camera_.get());
    camera_->start();
}

void CameraFrameSource::stop()
{
    if (!camera_)
        return;
    camera_->disconnect(this);
    camera_->stop();
    session_.setCamera(nullptr);
    camera_.reset();
}

bool CameraFrameSource::isActive() const { return camera_ && camera_->isActive(); }

void CameraFrameSource::cameraError()
{
    if (camera_)
        qWarning().noquote() << "camera:" << camera_->errorString();
    fail(delivered_ ? Failure::Lost : Failure::Refused);
}

void CameraFrameSource::devicesChanged()
{
    if (camera_ && !QMediaDevices::videoInputs().contains(device_))
        fail(Failure::Lost);
}

void CameraFrameSource::fail(Failure failure)
{
    stop();
    // Reported from the event loop, so a caller of start() never sees it inside the call.
    QMetaObject::invokeMethod(
        this, [this, failure] { Q_EMIT failed(failure); }, Qt::QueuedConnection);
}
