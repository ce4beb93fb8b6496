#include "editor/AlarmSettingScreen.h"

#include "alarms/AlarmChanges.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/SoundCatalogue.h"
#include "alarms/UnlockerCatalogue.h"
#include "app/ScreenRegistry.h"
#include "editor/SloganText.h"
#include "editor/SoundPickerScreen.h"
#include "editor/TimePicker.h"
#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"
#include "sound/SoundResources.h"
#include "ui/AlertView.h"

#include <QCoreApplication>

namespace {
constexpr qreal kAlertCornerRadius = 5;

// A copy that shares nothing that changes with the record it came from.
AlarmPtr detachedCopy(const Alarm &alarm)
{
    AlarmPtr copy = alarm.copy();
    copy->scheduledNotifications = std::make_shared<NotificationDictionary>(*alarm.scheduledNotifications);
    return copy;
}

void showAlert(const QString &title, const QString &message)
{
    auto *alert = new AlertView(title, message);
    alert->addButton(QCoreApplication::translate("AlarmSettingScreen", "Dismiss"), AlertView::ButtonType::Cancel);
    alert->setCornerRadius(kAlertCornerRadius);
    alert->setTransitionStyle(AlertView::TransitionStyle::DropDown);
    alert->show();
}
} // namespace

AlarmSettingScreen::AlarmSettingScreen(const AlarmPtr &alarm, const ClockStyle &clock, QObject *parent)
    : PushedScreen(parent),
      clock_(clock),
      original_(alarm ? detachedCopy(*alarm) : std::make_shared<Alarm>()),
      alarm_(detachedCopy(*original_)),
      picker_(new UnlockerPicker(this)),
      timePicker_(new TimePicker(clock, this))
{
    const SloganText::Cleaned slogan = SloganText::clean(alarm_->slogan);
    alarm_->slogan = slogan.text;
    if (slogan.shortened)
        sloganNotice_ = tr("Slogans are kept to %1 characters.").arg(SloganText::kMaxLength);

    picker_->setDelegate(this);
    picker_->setUnlockers(UnlockerCatalogue::shared().all());
    // An unknown kind leaves the picker on its first page.
    const int kind = alarm_->unlocker ? alarm_->unlocker->kind : 0;
    picker_->setChosenUnlockerIndex(kind >= 0 && kind < picker_->pageCount() ? kind : 0);

    timePicker_->setTime(alarm_->timeOfDay());
    connect(timePicker_, &TimePicker::timePicked, this, &AlarmSettingScreen::timePicked);
}

void AlarmSettingScreen::didLoad() { setTitleViewText(tr("Alarm Setting")); }

void AlarmSettingScreen::didAppear(bool)
{
    // The strip's view is made anew each time the screen comes back: put it
    // on its page again; the first time, slide to the alarm's game.
    if (pickerScrolled_) {
        picker_->scrollToUnlocker(picker_->currentPage(), false);
        return;
    }
    pickerScrolled_ = true;
    picker_->scrollToUnlocker(picker_->chosenUnlockerIndex(), true);
}

QString AlarmSettingScreen::timeText() const { return clock_.text(alarm_->timeOfDay()); }

QStringList AlarmSettingScreen::dayTitles() const
{
    return {tr("SUN"), tr("MON"), tr("TUE"), tr("WED"), tr("THU"), tr("FRI"), tr("SAT")};
}

QStringList AlarmSettingScreen::dayNames() const
{
    return {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"), tr("Friday"), tr("Saturday")};
}

QVariantList AlarmSettingScreen::daysSelected() const
{
    QVariantList days;
    for (int day = 0; day < 7; ++day)
        days.append(bool(alarm_->repeatMask & (1u << day)));
    return days;
}

int AlarmSettingScreen::soundRow() const
{
    const qsizetype row = SoundCatalogue::fileNames().indexOf(alarm_->soundFile);
    return row < 0 ? 0 : int(row);
}

QString AlarmSettingScreen::soundName() const { return SoundCatalogue::displayNames().value(soundRow()); }

qreal AlarmSettingScreen::blurAlphaAt(qreal contentOffset)
{
    return qBound(0.0, (contentOffset + kContentInset) / kBlurDistance, 1.0);
}

void AlarmSettingScreen::scrolledTo(qreal scrolledBy)
{
    scrolledBy_ = scrolledBy;
    blurAlpha_ = blurAlphaAt(scrolledBy - kContentInset);
    Q_EMIT scrolled();
}

void AlarmSettingScreen::openTimePicker() { timePicker_->present(); }

void AlarmSettingScreen::closeTimePicker()
{
    // The dimmed screen takes taps only once the panel is up.
    if (timePicker_->phase() == TimePicker::Phase::Shown)
        timePicker_->close();
}

void AlarmSettingScreen::timePicked(const QTime &time)
{
    alarm_->setTimeOfDay(time);
    Q_EMIT alarmChanged();
}

void AlarmSettingScreen::toggleDay(int day)
{
    if (day < 0 || day > 6)
        return;
    alarm_->repeatMask ^= 1u << day;
    Q_EMIT alarmChanged();
}

void AlarmSettingScreen::setSlogan(const QString &text)
{
    const SloganText::Cleaned slogan = SloganText::clean(text);
    alarm_->slogan = slogan.text;
    if (slogan.shortened)
        sloganNotice_ = tr("Slogans are kept to %1 characters.").arg(SloganText::kMaxLength);
    Q_EMIT alarmChanged();
}

void AlarmSettingScreen::toggleSnooze()
{
    alarm_->snooze = !alarm_->snooze;
    Q_EMIT alarmChanged();
}

void AlarmSettingScreen::openSoundPicker()
{
    if (soundPicker_)
        return;
    soundPicker_ = new SoundPickerScreen(soundRow());
    connect(soundPicker_, &SoundPickerScreen::soundChosen, this, &AlarmSettingScreen::soundChosen);
    open(soundPicker_);
}

void AlarmSettingScreen::soundChosen(int row)
{
    const QStringList files = SoundCatalogue::fileNames();
    QString file = files.value(row, files.first());
    if (file != SoundCatalogue::kRandomSoundMarker && SoundResources::pathForSoundFile(file).isEmpty()) {
        qWarning().noquote() << "tolvek: the sound" << file << "is missing from this installation;" << files.first()
                             << "rings instead";
        file = files.first();
    }
    alarm_->soundFile = file;
    Q_EMIT alarmChanged();
}

void AlarmSettingScreen::previewRequested(UnlockerPicker *, int index)
{
    const QList<UnlockerPtr> unlockers = UnlockerCatalogue::shared().all();
    if (index < 0 || index >= unlockers.size())
        return;
    // The game gets a copy: the random sound it draws is not the alarm's, and
    // nothing it does reaches the alarm being edited.
    const AlarmPtr trial = detachedCopy(*alarm_);
    trial->scheduledNotifications->clear();
    trial->unlocker = unlockers.at(index);
    trial->soundFile = SoundCatalogue::resolve(trial->soundFile);
    auto *game = qobject_cast<ScreenController *>(
        ScreenRegistry::shared().create(unlockers.at(index)->screenName, trial, true));
    if (!game) {
        showAlert(unlockers.at(index)->title, tr("This game cannot be tried in this version of the app."));
        return;
    }
    present(game, true);
}

void AlarmSettingScreen::save()
{
    if (saveStep_ != SaveStep::Editing)
        return;
    timePicker_->close();
    if (Preferences::shared().boolForKey(StoredNames::kRingingNoticeDoNotShowKey)) {
        confirmSave();
        return;
    }
    setSaveStep(SaveStep::Warning, saveProblem_);
    auto *alert = new AlertView(
        tr("WARNING"),
        tr("The alarm rings through the notification service, also while this window is closed. Keep the "
           "volume up: to stop the ringing you will have to win the game you chose."));
    QPointer<AlarmSettingScreen> self(this);
    alert->addButton(tr("Do not show again"), AlertView::ButtonType::Default, [self](AlertView *) {
        if (self)
            self->confirmSave();
        Preferences::shared().setBool(StoredNames::kRingingNoticeDoNotShowKey, true);
        Preferences::shared().synchronize();
    });
    alert->addButton(tr("Dismiss"), AlertView::ButtonType::Cancel, [self](AlertView *) {
        if (self)
            self->confirmSave();
    });
    alert->setDidDismissHandler([self](AlertView *) {
        // Closed without an answer: back to editing.
        if (self && self->saveStep_ == SaveStep::Warning)
            self->setSaveStep(SaveStep::Editing, self->saveProblem_);
    });
    alert->setVerticalLayoutButtonCount(1);
    alert->setCornerRadius(kAlertCornerRadius);
    alert->setTransitionStyle(AlertView::TransitionStyle::DropDown);
    alert->show();
}

bool AlarmSettingScreen::confirmSave()
{
    setSaveStep(SaveStep::Saving);
    if (UnlockerPtr unlocker = UnlockerCatalogue::shared().all().value(picker_->chosenUnlockerIndex()))
        alarm_->unlocker = unlocker;
    const AlarmChanges changes = AlarmChanges::between(*original_, *alarm_);
    if (!AlarmSchedule::shared().saveChanges(alarm_, changes)) {
        // The schedule has said why (no room, no storage); nothing stored has changed.
        setSaveStep(SaveStep::Editing, tr("Not saved. Your alarms are as they were."));
        return false;
    }
    setSaveStep(SaveStep::Saved);
    leave();
    Broadcaster::shared().post(StoredNames::Broadcast::kAlarmSaved);
    return true;
}

void AlarmSettingScreen::cancel()
{
    if (saveStep_ != SaveStep::Editing)
        return;
    timePicker_->close();
    leave();
}

void AlarmSettingScreen::setSaveStep(SaveStep step, const QString &problem)
{
    saveStep_ = step;
    saveProblem_ = problem;
    Q_EMIT saveStepChanged();
}
