#pragma once
#include "alarms/Alarm.h"
#include "sound/RingVolumeGuard.h"
#include "ui/AlertView.h"
#include "ui/ScreenController.h"

#include <QPointer>
#include <QQmlEngine>

class ScreenSaverInhibitor;

// The base of the unlock screens. In ringing mode an alarm really rings: the
// ring loops until the game is won and there is no way back. In preview mode
// the user tries a game: a back button is shown and a win only plays the
// closing jingle.
//
// A game calls routeToSpeakerIfHeadset() and setNoticeText() when its view
// loads, playRingSound() when it appears, and completeUnlock() when won. It
// stops its timers in stopGameTimers() and starts them in startGameTimers(),
// which the base also calls around a stay in the background.
class UnlockScreen : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(bool previewMode READ previewMode NOTIFY previewModeChanged)
    Q_PROPERTY(bool hasDismissButton READ hasDismissButton NOTIFY previewModeChanged)
    Q_PROPERTY(bool dismissButtonEnabled READ dismissButtonEnabled NOTIFY dismissButtonEnabledChanged)
    Q_PROPERTY(QString dismissButtonTitle READ dismissButtonTitle CONSTANT)
    Q_PROPERTY(QString noticeText READ noticeText NOTIFY noticeTextChanged)
    Q_PROPERTY(bool userInteractionEnabled READ userInteractionEnabled NOTIFY userInteractionEnabledChanged)
    Q_PROPERTY(bool tall READ isTall CONSTANT)
public:
    // The steps of the win, in the order they happen.
    enum class UnlockStep {
        RingSilenced,
        AlertShown,
        JingleStarted,
        SettleBroadcast,
        AlertClosed,
        ScreenClosed,
        RingStatusDeleted
    };
    Q_ENUM(UnlockStep)

    static inline const QString kClosingJingle = QStringLiteral("Alarm Close.mp3");
    static constexpr float kWinFadeDuration = 0.5f;
    static constexpr qreal kAlertCornerRadius = 5;

    explicit UnlockScreen(QObject *parent = nullptr);
    ~UnlockScreen() override;

    AlarmPtr alarm() const { return alarm_; }
    // The screen works on its own copy.
    void setAlarm(const AlarmPtr &alarm);
    bool previewMode() const { return previewMode_; }
    void setPreviewMode(bool previewMode);
    // Overrides the sound to loop; empty: the alarm's ring sound.
    QString soundFileName() const { return soundFileName_; }
    void setSoundFileName(const QString &fileName) { soundFileName_ = fileName; }

    bool hasDismissButton() const { return hasDismissButton_; }
    bool dismissButtonEnabled() const { return dismissButtonEnabled_; }
    QString dismissButtonTitle() const;
    QString noticeText() const { return noticeText_; }
    bool userInteractionEnabled() const { return userInteractionEnabled_; }
    bool isTall() const;
    AlertView *missionCompleteAlert() const { return missionCompleteAlert_.data(); }
    bool isExiting() const { return exiting_; }
    bool isKeepingScreenOn() const;

    // The sound that rings: the override, else the alarm's ring file with the
    // random marker resolved; a file the app does not have rings the first
    // catalogue sound, so an alarm is never silent.
    QString ringSoundFile() const;
    // Stops whatever plays and loops the ring (ambient in preview mode).
    void playRingSound();
    // Whether the sound goes to a headset (the output route's name contains "Head").
    static bool isHeadsetPluggedIn();

    // The back button's action: fade the sound out and close.
    Q_INVOKABLE virtual void dismiss();
    // The game is won: silence, "Mission Complete", jingle, settle, close. Runs once.
    virtual void completeUnlock();
    void dismissAlert();

Q_SIGNALS:
    void previewModeChanged();
    void dismissButtonEnabledChanged();
    void noticeTextChanged();
    void userInteractionEnabledChanged();
    void unlockProgress(UnlockScreen::UnlockStep step);

protected:
    void didLoad() override;
    void willAppear(bool animated) override;
    void didAppear(bool animated) override;
    void didDisappear(bool animated) override;

    void setNoticeText(const QString &text);
    void setDismissButtonEnabled(bool enabled);
    void setUserInteractionEnabled(bool enabled);
    // With a headset plugged in, the ring goes to the loudspeaker anyway.
    void routeToSpeakerIfHeadset();

    virtual void startGameTimers() { }
    virtual void stopGameTimers() { }
    // Leaving the foreground stops the game's timers; coming back restarts
    // them and the ring, if it had stopped. Nothing restarts after the win.
    void subscribe();
    void unsubscribe();
    void applicationResignActive();
    void applicationEnterForeground();

private:
    void missionCompleted();
    void closingJingleEnded();
    void closeAfterWin();

    AlarmPtr alarm_;
    bool previewMode_ = false;
    QString soundFileName_;
    QString noticeText_;
    bool hasDismissButton_ = false;
    bool dismissButtonEnabled_ = true;
    bool userInteractionEnabled_ = true;
    bool exiting_ = false;
    bool jingleEnded_ = false;
    bool speakerOverridden_ = false;
    RingVolumeGuard ringVolume_; // a muted output is turned up while a real alarm rings
    QPointer<AlertView> missionCompleteAlert_;
    ScreenSaverInhibitor *screenSaver_;
};
