#pragma once
#include "ui/ClockStyle.h"

#include <QObject>
#include <QQmlEngine>
#include <QTime>

// The panel that slides up over the setting screen with the hour and minute
// wheels (and AM/PM where the locale writes times that way). A tap anywhere
// on the panel, or its "Done", confirms: the panel reports the time on its
// wheels once and slides away. Closed by its host instead, it slides away
// without a word. The wheels keep their time between openings.
class TimePicker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the alarm setting screen")
    Q_PROPERTY(int hour READ hour NOTIFY timeChanged)
    Q_PROPERTY(int minute READ minute WRITE setMinute NOTIFY timeChanged)
    Q_PROPERTY(bool twelveHour READ twelveHour CONSTANT)
    Q_PROPERTY(int wheelHour READ wheelHour WRITE setWheelHour NOTIFY timeChanged)
    Q_PROPERTY(int firstWheelHour READ firstWheelHour CONSTANT)
    Q_PROPERTY(int lastWheelHour READ lastWheelHour CONSTANT)
    Q_PROPERTY(bool pm READ isPm WRITE setPm NOTIFY timeChanged)
    Q_PROPERTY(QString amText READ amText CONSTANT)
    Q_PROPERTY(QString pmText READ pmText CONSTANT)
    Q_PROPERTY(QString doneTitle READ doneTitle CONSTANT)
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool raised READ isRaised NOTIFY phaseChanged)
    Q_PROPERTY(int slideInMs READ slideInMs CONSTANT)
    Q_PROPERTY(int slideOutMs READ slideOutMs CONSTANT)
    Q_PROPERTY(int maskFadeMs READ maskFadeMs CONSTANT)
    Q_PROPERTY(qreal maskOpacity READ maskOpacity CONSTANT)
public:
    enum class Phase { Hidden, SlidingIn, Shown, SlidingOut };
    Q_ENUM(Phase)

    static constexpr int kSlideInMs = 400, kSlideOutMs = 200, kMaskFadeMs = 400;
    static constexpr qreal kMaskOpacity = 0.45;

    explicit TimePicker(const ClockStyle &style, QObject *parent = nullptr);

    QTime time() const { return QTime(hour_, minute_); }
    // Puts the wheels on `time` (hours and minutes).
    void setTime(const QTime &time);
    int hour() const { return hour_; }
    int minute() const { return minute_; }
    void setMinute(int minute);
    bool twelveHour() const { return style_.twelveHour(); }
    // The hour as its wheel shows it: 1-12 (with pm) or 0-23.
    int wheelHour() const;
    void setWheelHour(int wheelHour);
    int firstWheelHour() const { return twelveHour() ? 1 : 0; }
    int lastWheelHour() const { return twelveHour() ? 12 : 23; }
    bool isPm() const { return hour_ >= 12; }
    void setPm(bool pm);
    QString amText() const { return style_.amText(); }
    QString pmText() const { return style_.pmText(); }
    QString doneTitle() const { return tr("Done"); }

    Phase phase() const { return phase_; }
    // Up or on its way up or down: the screen under it is dimmed and its time button off.
    bool isRaised() const { return phase_ != Phase::Hidden; }
    int slideInMs() const { return kSlideInMs; }
    int slideOutMs() const { return kSlideOutMs; }
    int maskFadeMs() const { return kMaskFadeMs; }
    qreal maskOpacity() const { return kMaskOpacity; }

    // Slides the panel up.
    void present();
    // Slides it away without reporting a time.
    void close();
    // A tap on the panel or on "Done": reports the time once and slides away.
    Q_INVOKABLE void confirm();
    // Called by the view when the slide in or out has ended.
    Q_INVOKABLE void transitionFinished();

Q_SIGNALS:
    void timeChanged();
    void phaseChanged();
    // The user confirmed `time` (hours and minutes).
    void timePicked(const QTime &time);

private:
    void setPhase(Phase phase);
    void slideOut();

    ClockStyle style_;
    int hour_ = 7, minute_ = 0;
    Phase phase_ = Phase::Hidden;
};
