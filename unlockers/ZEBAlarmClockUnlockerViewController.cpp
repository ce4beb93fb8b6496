#include "unlockers/ZEBAlarmClockUnlockerViewController.h"

#include "alarms/SoundCatalogue.h"
#include "app/RingStatusFile.h"
#include "app/ZEBAppDelegate.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/NotificationCenter.h"
#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"
#include "sound/SoundResources.h"
#include "sound/ZEBSoundManager.h"
#include "ui/ModalLayer.h"
#include "ui/SIAlertView.h"
#include "ui/ScreenMetrics.h"
#include "unlockers/ScreenSaverInhibitor.h"

#include <QDebug>

ZEBAlarmClockUnlockerViewController::ZEBAlarmClockUnlockerViewController(QObject *parent)
    : ViewController(parent), screenSaver_(new ScreenSaverInhibitor(this))
{
}

ZEBAlarmClockUnlockerViewController::~ZEBAlarmClockUnlockerViewController() { unRegisterNotification(); }

void ZEBAlarmClockUnlockerViewController::setAlarmClock(const ZEBAlarmClockPtr &alarm)
{
    alarmClock_ = alarm ? alarm->copy() : nullptr;
}

void ZEBAlarmClockUnlockerViewController::setPreviewMode(bool previewMode)
{
    if (previewMode == previewMode_)
        return;
    previewMode_ = previewMode;
    // The back button is made when preview mode is switched on and never taken away.
    hasDismissButton_ = hasDismissButton_ || previewMode;
    Q_EMIT previewModeChanged();
}

QString ZEBAlarmClockUnlockerViewController::dismissButtonTitle() const
{
    return QStringLiteral(" %1").arg(tr("back"));
}

bool ZEBAlarmClockUnlockerViewController::isTall() const { return ScreenMetrics::shared().isTall(); }

bool ZEBAlarmClockUnlockerViewController::isKeepingScreenOn() const { return screenSaver_->isInhibiting(); }

void ZEBAlarmClockUnlockerViewController::setNoticeText(const QString &text)
{
    noticeText_ = text;
    Q_EMIT noticeTextChanged();
}

void ZEBAlarmClockUnlockerViewController::setDismissButtonEnabled(bool enabled)
{
    if (enabled == dismissButtonEnabled_)
        return;
    dismissButtonEnabled_ = enabled;
    Q_EMIT dismissButtonEnabledChanged();
}

void ZEBAlarmClockUnlockerViewController::setUserInteractionEnabled(bool enabled)
{
    if (enabled == userInteractionEnabled_)
        return;
    userInteractionEnabled_ = enabled;
    Q_EMIT userInteractionEnabledChanged();
}

void ZEBAlarmClockUnlockerViewController::viewDidLoad()
{
    AudioSession::shared().setCategory(AudioSessionCategory::PlayAndRecord);
}

void ZEBAlarmClockUnlockerViewController::viewWillAppear(bool)
{
    screenSaver_->inhibit(tr("An alarm is ringing"));
}

void ZEBAlarmClockUnlockerViewController::viewDidAppear(bool) { registerNotification(); }

void ZEBAlarmClockUnlockerViewController::viewDidDisappear(bool)
{
    screenSaver_->release();
    ringVolume_.release();
    if (speakerOverridden_) {
        AudioSession::shared().overrideOutputAudioPortToSpeaker(false);
        speakerOverridden_ = false;
    }
}

void ZEBAlarmClockUnlockerViewController::routeToSpeakerIfHeadset()
{
    if (!isHeadsetPluggedIn())
        return;
    AudioSession::shared().setCategory(AudioSessionCategory::PlayAndRecord);
    speakerOverridden_ = AudioSession::shared().overrideOutputAudioPortToSpeaker(true);
}

bool ZEBAlarmClockUnlockerViewController::isHeadsetPluggedIn()
{
    return AudioSession::shared().currentRouteName().contains(QLatin1String("Head"));
}

QString ZEBAlarmClockUnlockerViewController::ringSoundFile() const
{
    QString file = soundFileName_;
    if (file.isEmpty() && alarmClock_)
        file = SoundCatalogue::resolve(alarmClock_->ringFileString);
    if (SoundResources::pathForSoundFile(file).isEmpty()) {
        qWarning().noquote() << "unlock screen: no sound" << file << "- ringing the first catalogue sound";
        file = SoundCatalogue::fileNames().first();
    }
    return file;
}

void ZEBAlarmClockUnlockerViewController::playRingSound()
{
    ZEBSoundManager *sound = ZEBSoundManager::sharedZEBSoundManager();
    sound->stopSoundPlay();
    if (!previewMode_)
        ringVolume_.engage();
    sound->playSoundWithSoundFile(ringSoundFile(), true,
                                  previewMode_ ? AudioSessionCategory::Ambient : AudioSessionCategory::Playback);
}

void ZEBAlarmClockUnlockerViewController::dismiss()
{
    ZEBSoundManager::sharedZEBSoundManager()->doVolumeFadeOut();
    dismissViewControllerAnimated(true);
}

void ZEBAlarmClockUnlockerViewController::unlockAlarmClock()
{
    if (exiting_)
        return;
    exiting_ = true;
    auto *alert = new SIAlertView(tr("Mission Complete"), tr("Well done, it's time to get up."));
    alert->setCornerRadius(kAlertCornerRadius);
    alert->setTransitionStyle(SIAlertView::TransitionStyle::DropDown);
    missionCompleteAlertView_ = alert;

    QPointer<ZEBAlarmClockUnlockerViewController> self(this);
    ZEBSoundManager *sound = ZEBSoundManager::sharedZEBSoundManager();
    sound->setFadeCompleteBlock([self] {
        if (self)
            self->missionCompleted();
    });
    sound->doVolumeFadeWithDuration(kWinFadeDuration);
}

void ZEBAlarmClockUnlockerViewController::missionCompleted()
{
    Q_EMIT unlockProgress(UnlockStep::RingSilenced);
    SIAlertView *alert = missionCompleteAlertView_;
    if (!alert)
        return;
    QPointer<ZEBAlarmClockUnlockerViewController> self(this);
    alert->setDidDismissHandler([self](SIAlertView *) {
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
    QPointer<SIAlertView> weakAlert(alert);
    auto jingleEnded = [self, weakAlert, ringing, ended] {
        if (std::exchange(*ended, true))
            return;
        if (ringing) {
            NotificationCenter::defaultCenter().post(ZEBAppDelegate::RingingAlarmClockStatusChanged);
            if (self)
                Q_EMIT self->unlockProgress(UnlockStep::SettleBroadcast);
        }
        if (weakAlert)
            weakAlert->dismissAnimated(true);
    };
    ZEBSoundManager *sound = ZEBSoundManager::sharedZEBSoundManager();
    sound->playSoundWithSoundFile(kClosingJingle, false, jingleEnded,
                                  ringing ? AudioSessionCategory::Playback : AudioSessionCategory::Ambient);
    Q_EMIT unlockProgress(UnlockStep::JingleStarted);
    // A jingle that cannot play never reports its end; the alarm must still be settled.
    AudioPlayer *jingle = sound->audioPlayer();
    if (!jingle || jingle->hasFailed())
        jingleEnded();
    else
        connect(jingle, &AudioPlayer::failed, jingle, [jingleEnded](const QString &) { jingleEnded(); });
}

void ZEBAlarmClockUnlockerViewController::dismissAlert()
{
    if (missionCompleteAlertView_)
        missionCompleteAlertView_->dismissAnimated(true);
}

void ZEBAlarmClockUnlockerViewController::closeAfterWin()
{
    const bool ringing = !previewMode_;
    connect(&ModalLayer::shared(), &ModalLayer::screenRemoved, this, [this, ringing](ViewController *screen) {
        if (screen != this)
            return;
        Q_EMIT unlockProgress(UnlockStep::ScreenClosed);
        if (!ringing)
            return;
        RingStatusFile::remove();
        Q_EMIT unlockProgress(UnlockStep::RingStatusDeleted);
    });
    dismissViewControllerAnimated(true);
}

void ZEBAlarmClockUnlockerViewController::registerNotification()
{
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.addObserver(this, ApplicationLifecycle::WillResignActive,
                       [this](const QVariant &) { applicationResignActive(); });
    center.addObserver(this, ApplicationLifecycle::WillEnterForeground,
                       [this](const QVariant &) { applicationEnterForeground(); });
}

void ZEBAlarmClockUnlockerViewController::unRegisterNotification()
{
    NotificationCenter &center = NotificationCenter::defaultCenter();
    center.removeObserver(this, ApplicationLifecycle::WillResignActive);
    center.removeObserver(this, ApplicationLifecycle::WillEnterForeground);
    center.removeObserver(this, ApplicationLifecycle::DidBecomeActive);
}

void ZEBAlarmClockUnlockerViewController::applicationResignActive()
{
    stopGameTimers();
    NotificationCenter &center = NotificationCenter::defaultCenter();
    // Once only, however often the app goes and comes back.
    center.removeObserver(this, ApplicationLifecycle::DidBecomeActive);
    center.addObserver(this, ApplicationLifecycle::DidBecomeActive,
                       [this](const QVariant &) { applicationEnterForeground(); });
}

void ZEBAlarmClockUnlockerViewController::applicationEnterForeground()
{
    if (exiting_)
        return;
    startGameTimers();
    ZEBSoundManager *sound = ZEBSoundManager::sharedZEBSoundManager();
    if (!sound->playing())
        sound->playSoundWithSoundFile(ringSoundFile(), true);
}
