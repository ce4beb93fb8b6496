#include "unlockers/UnlockScreen.h"

#include "alarms/SoundCatalogue.h"
#include "app/RingStatusFile.h"
#include "app/AppCore.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/Broadcaster.h"
#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"
#include "sound/SoundResources.h"
#include "sound/RingPlayer.h"
#include "ui/ModalLayer.h"
#include "ui/AlertView.h"
#include "ui/ScreenMetrics.h"
#include "unlockers/ScreenSaverInhibitor.h"

#include <QDebug>

UnlockScreen::UnlockScreen(QObject *parent) : ScreenController(parent), screenSaver_(new ScreenSaverInhibitor(this)) { }

UnlockScreen::~UnlockScreen() { unsubscribe(); }

void UnlockScreen::setAlarm(const AlarmPtr &alarm) { alarm_ = alarm ? alarm->copy() : nullptr; }

void UnlockScreen::setPreviewMode(bool previewMode)
{
    if (previewMode == previewMode_)
        return;
    previewMode_ = previewMode;
    // The back button is made when preview mode is switched on and never taken away.
    hasDismissButton_ = hasDismissButton_ || previewMode;
    Q_EMIT previewModeChanged();
}

QString UnlockScreen::dismissButtonTitle() const { return tr("back"); }

bool UnlockScreen::isTall() const { return ScreenMetrics::shared().isTall(); }

bool UnlockScreen::isKeepingScreenOn() const { return screenSaver_->isInhibiting(); }

void UnlockScreen::setNoticeText(const QString &text)
{
    noticeText_ = text;
    Q_EMIT noticeTextChanged();
}

void UnlockScreen::setDismissButtonEnabled(bool enabled)
{
    if (enabled == dismissButtonEnabled_)
        return;
    dismissButtonEnabled_ = enabled;
    Q_EMIT dismissButtonEnabledChanged();
}

void UnlockScreen::setUserInteractionEnabled(bool enabled)
{
    if (enabled == userInteractionEnabled_)
        return;
    userInteractionEnabled_ = enabled;
    Q_EMIT userInteractionEnabledChanged();
}

void UnlockScreen::didLoad() { AudioSession::shared().setCategory(AudioSessionCategory::PlayAndRecord); }

void UnlockScreen::willAppear(bool) { screenSaver_->inhibit(tr("An alarm is ringing")); }

void UnlockScreen::didAppear(bool) { subscribe(); }

void UnlockScreen::didDisappear(bool)
{
    screenSaver_->release();
    ringVolume_.release();
    if (speakerOverridden_) {
        AudioSession::shared().overrideOutputAudioPortToSpeaker(false);
        speakerOverridden_ = false;
    }
}

void UnlockScreen::routeToSpeakerIfHeadset()
{
    if (!isHeadsetPluggedIn())
        return;
    AudioSession::shared().setCategory(AudioSessionCategory::PlayAndRecord);
    speakerOverridden_ = AudioSession::shared().overrideOutputAudioPortToSpeaker(true);
}

bool UnlockScreen::isHeadsetPluggedIn()
{
    return AudioSession::shared().currentRouteName().contains(QLatin1String("Head"));
}

QString UnlockScreen::ringSoundFile() const
{
    QString file = soundFileName_;
    if (file.isEmpty() && alarm_)
        file = SoundCatalogue::resolve(alarm_->soundFile);
    if (SoundResources::pathForSoundFile(file).isEmpty()) {
        qWarning().noquote() << "unlock screen: no sound" << file << "- ringing the first catalogue sound";
        file = SoundCatalogue::fileNames().first();
    }
    return file;
}

void UnlockScreen::playRingSound()
{
    RingPlayer *sound = RingPlayer::shared();
    sound->stop();
    if (!previewMode_)
        ringVolume_.engage();
    sound->play(ringSoundFile(), true, previewMode_ ? AudioSessionCategory::Ambient : AudioSessionCategory::Playback);
}

void UnlockScreen::dismiss()
{
    RingPlayer::shared()->fadeOut();
    close(true);
}

void UnlockScreen::completeUnlock()
{
    if (exiting_)
        return;
    exiting_ = true;
    auto *alert = new AlertView(tr("Mission Complete"), tr("Well done, it's time to get up."));
    alert->setCornerRadius(kAlertCornerRadius);
    alert->setTransitionStyle(AlertView::TransitionStyle::DropDown);
    missionCompleteAlert_ = alert;

    QPointer<UnlockScreen> self(this);
    RingPlayer *sound = RingPlayer::shared();
    sound->setFadeCompletion([self] {
        if (self)
            self->missionCompleted();
    });
    sound->fadeOutOver(kWinFadeDuration);
}

void UnlockScreen::missionCompleted()
{
    Q_EMIT unlockProgress(UnlockStep::RingSilenced);
    AlertView *alert = missionCompleteAlert_;
    if (!alert)
        return;
    QPointer<UnlockScreen> self(this);
    alert->setDidDismissHandler([self](AlertView *) {
        if (!self)
            return;
        Q_EMIT self->unlockProgress(UnlockStep::AlertClosed);
        self->closeAfterWin();
    });
    alert->show();
    Q_EMIT unlockProgress(UnlockStep::AlertShown);

    // The settle broadcast must go out when the jingle ends even if this
    // screen is gone by then, so the handler holds only weak references.
    const bool ringing = !previewMode_;
    auto ended = std::make_shared<bool>(false);
    QPointer<AlertView> weakAlert(alert);
    auto jingleEnded = [self, weakAlert, ringing, ended] {
        if (std::exchange(*ended, true))
            return;
        if (ringing) {
            Broadcaster::shared().post(AppCore::RingingAlarmStatusChanged);
            if (self)
                Q_EMIT self->unlockProgress(UnlockStep::SettleBroadcast);
        }
        if (weakAlert)
            weakAlert->dismissAnimated(true);
    };
    RingPlayer *sound = RingPlayer::shared();
    sound->play(kClosingJingle, false, jingleEnded,
                ringing ? AudioSessionCategory::Playback : AudioSessionCategory::Ambient);
    Q_EMIT unlockProgress(UnlockStep::JingleStarted);
    // A jingle that cannot play never reports its end; the alarm must still be settled.
    AudioPlayer *jingle = sound->audioPlayer();
    if (!jingle || jingle->hasFailed())
        jingleEnded();
    else
        connect(jingle, &AudioPlayer::failed, jingle, [jingleEnded](const QString &) { jingleEnded(); });
}

void UnlockScreen::dismissAlert()
{
    if (missionCompleteAlert_)
        missionCompleteAlert_->dismissAnimated(true);
}

void UnlockScreen::closeAfterWin()
{
    const bool ringing = !previewMode_;
    connect(&ModalLayer::shared(), &ModalLayer::screenRemoved, this, [this, ringing](ScreenController *screen) {
        if (screen != this)
            return;
        Q_EMIT unlockProgress(UnlockStep::ScreenClosed);
        if (!ringing)
            return;
        RingStatusFile::remove();
        Q_EMIT unlockProgress(UnlockStep::RingStatusDeleted);
    });
    close(true);
}

void UnlockScreen::subscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.addObserver(this, ApplicationLifecycle::WillResignActive,
                       [this](const QVariant &) { applicationResignActive(); });
    center.addObserver(this, ApplicationLifecycle::WillEnterForeground,
                       [this](const QVariant &) { applicationEnterForeground(); });
}

void UnlockScreen::unsubscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.removeObserver(this, ApplicationLifecycle::WillResignActive);
    center.removeObserver(this, ApplicationLifecycle::WillEnterForeground);
    center.removeObserver(this, ApplicationLifecycle::DidBecomeActive);
}

void UnlockScreen::applicationResignActive()
{
    stopGameTimers();
    Broadcaster &center = Broadcaster::shared();
    // Once only, however often the app goes and comes back.
    center.removeObserver(this, ApplicationLifecycle::DidBecomeActive);
    center.addObserver(this, ApplicationLifecycle::DidBecomeActive,
                       [this](const QVariant &) { applicationEnterForeground(); });
}

void UnlockScreen::applicationEnterForeground()
{
    if (exiting_)
        return;
    startGameTimers();
    RingPlayer *sound = RingPlayer::shared();
    if (!sound->playing())
        sound->play(ringSoundFile(), true);
}
