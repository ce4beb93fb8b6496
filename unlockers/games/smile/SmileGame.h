#pragma once
#include "unlockers/UnlockScreen.h"
#include "unlockers/games/sum/SumChallenge.h"
#include "unlockers/games/smile/SmileWatch.h"

#include <QPointer>
#include <QTimer>
#include <optional>
#include <QtQml/qqmlregistration.h>

class QVideoSink;
Q_MOC_INCLUDE(<QVideoSink>)

// The smile game: an astronaut whose visor shows the front camera, two
// drifting UFOs and a small clock. The second analysed frame with a smiling
// face wins, with a camera shutter sound. When the camera cannot be used
// (none, refused, unplugged, unreadable) or, while an alarm rings, no face
// shows for a minute, the screen says why and offers the calculation
// challenge instead, so the alarm can always be stopped. The camera runs
// only while the game is on screen in the foreground.
class SmileGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("controllers are made in C++")
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl CONSTANT)
    Q_PROPERTY(QString astronautPictureUrl READ astronautPictureUrl CONSTANT)
    Q_PROPERTY(bool cameraRunning READ isCameraRunning NOTIFY cameraChanged)
    Q_PROPERTY(QString cameraStatus READ cameraStatus NOTIFY cameraChanged)
    Q_PROPERTY(QVideoSink *previewSink READ previewSink WRITE setPreviewSink NOTIFY previewSinkChanged)
    Q_PROPERTY(bool fallbackActive READ fallbackActive NOTIFY fallbackChanged)
    Q_PROPERTY(SumChallenge *sumChallenge READ sumChallenge NOTIFY fallbackChanged)
    Q_PROPERTY(int pictureTurn READ pictureTurn NOTIFY cameraChanged)
    Q_PROPERTY(bool ufoFloatingUp READ ufoFloatingUp NOTIFY ufoDriftStarted)
    Q_PROPERTY(int ufoDriftMs MEMBER kUfoDriftMs CONSTANT)
public:
    static constexpr int kUfoDriftMs = 4000;
    static inline const QString kShutterSound = QStringLiteral("Alarm Smile Camera Shutter.mp3");

    // Without a source the game uses the device's camera; without a seed the
    // fallback's sum and keypad differ on every ring.
    explicit SmileGame(FrameSource *source = nullptr, const SmileWatch::Options &options = {},
                       std::optional<quint32> seed = std::nullopt, QObject *parent = nullptr);
    ~SmileGame() override;

    QString backgroundPictureUrl() const;
    QString astronautPictureUrl() const;
    bool isCameraRunning() const { return watch_->isCameraRunning(); }
    QString cameraStatus() const;
    QVideoSink *previewSink() const { return watch_->previewSink(); }
    void setPreviewSink(QVideoSink *sink);
    bool fallbackActive() const { return sumChallenge_ != nullptr; }
    SumChallenge *sumChallenge() const { return sumChallenge_; }
    // Clockwise degrees that showed the last face upright: the visor shows
    // the sleeper the same way up.
    int pictureTurn() const { return watch_->lastFaceTurn(); }
    bool ufoFloatingUp() const { return ufoFloatingUp_; }
    bool isUfoDriftRunning() const { return ufoTimer_.isActive(); }
    // What kept the smile from winning, once the fallback is on.
    std::optional<SmileWatch::Trouble> trouble() const { return trouble_; }
    const SmileWatch &watch() const { return *watch_; }
    bool shutterSounded() const { return shutterSounded_; }

    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void cameraChanged();
    void previewSinkChanged();
    void fallbackChanged();
    void ufoDriftStarted();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void willDisappear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void ufoFloating();
    void smiled();
    void offerSum(SmileWatch::Trouble trouble);
    QString troubleText(SmileWatch::Trouble trouble) const;

    SmileWatch::Options options_;
    SmileWatch *watch_;
    std::optional<quint32> seed_;
    QPointer<SumChallenge> sumChallenge_;
    std::optional<SmileWatch::Trouble> trouble_;
    QTimer ufoTimer_;
    bool ufoFloatingUp_ = false;
    bool appeared_ = false;
    bool shutterSounded_ = false;
};
