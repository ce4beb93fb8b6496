#pragma once
#include "alarms/Alarm.h"
#include "ui/ClockStyle.h"
#include "editor/PushedScreen.h"
#include "unlockers/UnlockerPicker.h"

#include <QPointer>
#include <QVariantList>

class SoundPickerScreen;
class TimePicker;
Q_MOC_INCLUDE("editor/TimePicker.h")

// Makes a new alarm or changes one: the game (unlocker picker with "Use" and
// "Preview"), the time (time picker panel), the repeat days, the slogan, the
// snooze switch and the ring sound (sound picker). It works on its own copy:
// "Cancel" leaves every record as it was. "Save" (after a one-time warning)
// hands what the user changed to the schedule, which applies it to the alarm
// as stored now; on success the screen goes back and broadcasts the save, on
// a refusal it stays open and says so, with nothing stored changed.
class AlarmSettingScreen : public PushedScreen, public UnlockerPickerHost
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screen registry")
    Q_PROPERTY(ScreenController *unlockerPicker READ unlockerPicker CONSTANT)
    Q_PROPERTY(TimePicker *timePicker READ timePicker CONSTANT)
    Q_PROPERTY(QString timeText READ timeText NOTIFY alarmChanged)
    Q_PROPERTY(QStringList dayTitles READ dayTitles CONSTANT)
    Q_PROPERTY(QStringList dayNames READ dayNames CONSTANT)
    Q_PROPERTY(QVariantList daysSelected READ daysSelected NOTIFY alarmChanged)
    Q_PROPERTY(QString slogan READ slogan NOTIFY alarmChanged)
    Q_PROPERTY(QString sloganNotice READ sloganNotice NOTIFY alarmChanged)
    Q_PROPERTY(bool snooze READ snooze NOTIFY alarmChanged)
    Q_PROPERTY(QString snoozeText READ snoozeText NOTIFY alarmChanged)
    Q_PROPERTY(QString soundName READ soundName NOTIFY alarmChanged)
    Q_PROPERTY(int soundFadeInMs READ soundFadeInMs CONSTANT)
    Q_PROPERTY(QString timeCaption READ timeCaption CONSTANT)
    Q_PROPERTY(QString repeatCaption READ repeatCaption CONSTANT)
    Q_PROPERTY(QString nameCaption READ nameCaption CONSTANT)
    Q_PROPERTY(QString soundCaption READ soundCaption CONSTANT)
    Q_PROPERTY(QString saveTitle READ saveTitle CONSTANT)
    Q_PROPERTY(QString cancelTitle READ cancelTitle CONSTANT)
    Q_PROPERTY(bool canSave READ canSave NOTIFY saveStepChanged)
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveStepChanged)
    Q_PROPERTY(qreal blurAlpha READ blurAlpha NOTIFY scrolled)
    Q_PROPERTY(qreal scrolledBy READ scrolledBy NOTIFY scrolled)
public:
    enum class SaveStep { Editing, Warning, Saving, Saved };

    // The table's content offset at rest: the rows start below the bar.
    static constexpr qreal kContentInset = 64;
    // The blur is fully in once the rows have moved this far.
    static constexpr qreal kBlurDistance = 44;
    static constexpr int kSoundFadeInMs = 200;

    // `alarm`: the alarm to change, or null for a new one (07:00 today, rings once).
    explicit AlarmSettingScreen(const AlarmPtr &alarm, const ClockStyle &clock = ClockStyle(),
                                QObject *parent = nullptr);

    // The screen's working copy, and the record as it was when the screen opened.
    AlarmPtr alarm() const { return alarm_; }
    AlarmPtr original() const { return original_; }
    UnlockerPicker *picker() const { return picker_; }
    ScreenController *unlockerPicker() const { return picker_; }
    TimePicker *timePicker() const { return timePicker_; }
    SoundPickerScreen *soundPicker() const { return soundPicker_; }
    SaveStep saveStep() const { return saveStep_; }

    QString timeText() const;
    QStringList dayTitles() const;
    QStringList dayNames() const;
    QVariantList daysSelected() const;
    QString slogan() const { return alarm_->slogan; }
    QString sloganNotice() const { return sloganNotice_; }
    bool snooze() const { return alarm_->snooze; }
    QString snoozeText() const { return alarm_->snooze ? tr("Snooze On") : tr("Snooze Off"); }
    QString soundName() const;
    int soundFadeInMs() const { return kSoundFadeInMs; }
    QString timeCaption() const { return tr("Time:"); }
    QString repeatCaption() const { return tr("Repeat:"); }
    QString nameCaption() const { return tr("Name:"); }
    QString soundCaption() const { return tr("Sound:"); }
    QString saveTitle() const { return tr("Save"); }
    QString cancelTitle() const { return tr("Cancel"); }
    bool canSave() const { return saveStep_ == SaveStep::Editing; }
    QString saveProblem() const { return saveProblem_; }
    qreal blurAlpha() const { return blurAlpha_; }
    qreal scrolledBy() const { return scrolledBy_; }

    // The blurred background's opacity at a table content offset (-64 at rest).
    static qreal blurAlphaAt(qreal contentOffset);

    Q_INVOKABLE void openTimePicker();
    // A tap on the dimmed screen around the panel: closes it, the time unchanged.
    Q_INVOKABLE void closeTimePicker();
    // Sunday is 0 ... Saturday 6.
    Q_INVOKABLE void toggleDay(int day);
    Q_INVOKABLE void setSlogan(const QString &text);
    Q_INVOKABLE void toggleSnooze();
    Q_INVOKABLE void openSoundPicker();
    Q_INVOKABLE void save();
    Q_INVOKABLE void cancel();
    // The rows moved to `scrolledBy` points from their place at rest.
    Q_INVOKABLE void scrolledTo(qreal scrolledBy);

    // A sound was chosen in the sound picker (its catalogue index).
    void soundChosen(int row);
    void previewRequested(UnlockerPicker *picker, int index) override;

Q_SIGNALS:
    void alarmChanged();
    void saveStepChanged();
    void scrolled();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;

private:
    void timePicked(const QTime &time);
    // Stores the alarm; true when the schedule took it.
    bool confirmSave();
    void setSaveStep(SaveStep step, const QString &problem = QString());
    int soundRow() const;

    ClockStyle clock_;
    AlarmPtr original_;
    AlarmPtr alarm_;
    QString sloganNotice_;
    UnlockerPicker *picker_;
    TimePicker *timePicker_;
    QPointer<SoundPickerScreen> soundPicker_;
    SaveStep saveStep_ = SaveStep::Editing;
    QString saveProblem_;
    qreal blurAlpha_ = 0;
    qreal scrolledBy_ = 0;
    bool pickerScrolled_ = false;
};
