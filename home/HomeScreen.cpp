#include "home/HomeScreen.h"

#include "alarms/AlarmSchedule.h"
#include "app/AppCore.h"
#include "app/ScreenRegistry.h"
#include "home/AlarmFileWatcher.h"
#include "home/AlarmListModel.h"
#include "home/ClockFace.h"
#include "home/NextRing.h"
#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "platform/Clock.h"
#include "platform/StoredNames.h"
#include "ui/ClockTicker.h"
#include "ui/NavigationStack.h"

#include <algorithm>

HomeScreen::HomeScreen(Sources sources, QObject *parent)
    : TopLevelScreen(parent),
      sources_(std::move(sources)),
      alarms_(new AlarmListModel(this)),
      watcher_(new AlarmFileWatcher(AlarmSchedule::alarmFilePath(), this))
{
    connect(watcher_, &AlarmFileWatcher::changed, this, &HomeScreen::reloadAlarms);
    nextRingTimer_.setSingleShot(true);
    nextRingTimer_.setTimerType(Qt::PreciseTimer);
    connect(&nextRingTimer_, &QTimer::timeout, this, &HomeScreen::updateNextRing);
    subscribe();
}

HomeScreen::~HomeScreen() { Broadcaster::shared().removeObserver(this); }

qreal HomeScreen::blurAlphaForOffset(qreal offset) { return std::clamp(offset / kBlurOffset, 0.0, 1.0); }

void HomeScreen::didLoad()
{
    TopLevelScreen::didLoad();
    setTitleViewText(tr("Tolvek"));
    setRightBarButtonItem(kAddPicture, tr("Add alarm"), [this] { addAlarm(); });
    versionCheck();
    clockFace_ = new ClockFace(sources_.lastWeather, this);
    Q_EMIT clockFaceChanged();
    reloadAlarms();
    updateNextRing();
}

void HomeScreen::didAppear(bool) { reloadAlarms(); }

void HomeScreen::subscribe()
{
    Broadcaster &center = Broadcaster::shared();
    center.addObserver(this, StoredNames::Broadcast::kAlarmSaved, [this](const QVariant &) { reloadAlarms(); });
    // A one-time alarm has rung and was switched off by the schedule: the list
    // shows what is stored, so that alarm reads off and every other row stays.
    center.addObserver(this, StoredNames::Broadcast::kAlarmStatusChanged, [this](const QVariant &) { reloadAlarms(); });
    center.addObserver(this, StoredNames::Broadcast::kDidReceiveMemoryWarning,
                       [this](const QVariant &) { rebuildAfterMemoryWarning(); });
    center.addObserver(this, StoredNames::Broadcast::kWillEnterForeground, [this](const QVariant &) {
        QMetaObject::invokeMethod(this, &HomeScreen::reloadAlarms, Qt::QueuedConnection);
    });
    // Each activation is when the app core looks for a ringing alarm.
    center.addObserver(this, StoredNames::Broadcast::kDidBecomeActive, [](const QVariant &) {
        Broadcaster::shared().post(StoredNames::Broadcast::kHomeScreenDidLoad);
    });
    if (AppCore *core = AppCore::instance())
        connect(core, &AppCore::alarmMissed, this, [this](const AlarmPtr &alarm) { alarmMissed(alarm); });
}

void HomeScreen::versionCheck()
{
    if (AppCore::isAppOnFirstLaunch() || !AppCore::isAppVersionUpdated())
        return;
    AlertRequest alert;
    alert.title = tr("What's new in version") + QStringLiteral(TOLVEK_VERSION_SHORT);
    alert.message = tr("Version Update Log");
    alert.buttons.append({tr("Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
}

bool HomeScreen::rowsMustStayPut() const
{
    return overlayState_ == OverlayState::Opening || overlayState_ == OverlayState::Closing || alarms_->isDragging();
}

void HomeScreen::reloadAlarms()
{
    if (rowsMustStayPut()) {
        reloadDeferred_ = true;
        return;
    }
    reloadDeferred_ = false;
    alarms_->setStoredAlarms(AlarmSchedule::shared().reload());
    // The alarm whose editor is open went away (deleted elsewhere): nothing left to edit.
    if (overlayState_ == OverlayState::Open && alarms_->rowOf(selectedIdentifier_) < 0)
        closeOverlay();
    Q_EMIT overlayChanged(); // the selected row's place or state may have changed
    updateNextRing();
}

void HomeScreen::rebuildAfterMemoryWarning()
{
    // Everything shown is rebuilt from the store at once, not left empty until the next change.
    if (clockFace_)
        clockFace_->refresh();
    reloadAlarms();
}

void HomeScreen::updateNextRing()
{
    const QDateTime now = Clock::current().now();
    // The line counts whole minutes: it changes with the clock's minute, in
    // the same redraw.
    nextRingTimer_.start(ClockTicker::msToNextTick(now.time()));
    const QString text = NextRing::lineText(AlarmSchedule::shared().alarms(), now);
    if (text == nextRingText_)
        return;
    nextRingText_ = text;
    Q_EMIT statusChanged();
}

QString HomeScreen::serviceNotice() const
{
    return sources_.ringsOnlyWhileOpen ? tr("Alarms ring only while this window is open") : QString();
}

void HomeScreen::alarmMissed(const AlarmPtr &alarm)
{
    missedNotice_ = tr("Missed alarm at %1").arg(alarm->timeOfDay().toString(QStringLiteral("HH:mm")));
    Q_EMIT statusChanged();
    reloadAlarms();
}

int HomeScreen::selectedRow() const { return alarms_->rowOf(selectedIdentifier_); }

AlarmPtr HomeScreen::selectedAlarm() const { return alarms_->alarmAt(selectedRow()); }

bool HomeScreen::selectedActive() const
{
    const AlarmPtr alarm = selectedAlarm();
    return alarm && alarm->active;
}

bool HomeScreen::reordering() const { return alarms_->isDragging(); }

void HomeScreen::setOverlayState(OverlayState state)
{
    overlayState_ = state;
    setRightBarButtonEnabled(addEnabled());
    Q_EMIT overlayChanged();
    if (!rowsMustStayPut() && reloadDeferred_)
        reloadAlarms();
}

void HomeScreen::selectRow(int row)
{
    if (overlayState_ != OverlayState::Closed || alarms_->isDragging() || !alarms_->alarmAt(row))
        return;
    selectedIdentifier_ = alarms_->alarmAt(row)->identifier;
    setOverlayState(OverlayState::Opening);
}

void HomeScreen::overlayDidOpen()
{
    if (overlayState_ == OverlayState::Opening)
        setOverlayState(OverlayState::Open);
}

void HomeScreen::closeOverlay()
{
    if (overlayState_ == OverlayState::Open || overlayState_ == OverlayState::Opening)
        setOverlayState(OverlayState::Closing);
}

void HomeScreen::overlayDidClose()
{
    if (overlayState_ == OverlayState::Closing)
        setOverlayState(OverlayState::Closed);
}

void HomeScreen::pushEditor(const AlarmPtr &alarm)
{
    auto *editor = qobject_cast<ScreenController *>(ScreenRegistry::shared().create(kEditorScreen, alarm, false));
    if (!editor)
        return;
    if (NavigationStack *navigation = navigationStack())
        navigation->push(editor, true);
    else
        present(editor, true);
}

void HomeScreen::addAlarm()
{
    if (addEnabled() && ScreenRegistry::shared().contains(kEditorScreen))
        pushEditor(nullptr);
}

void HomeScreen::editSelected()
{
    const AlarmPtr alarm = selectedAlarm();
    if (!alarm || !ScreenRegistry::shared().contains(kEditorScreen))
        return;
    closeOverlay();
    pushEditor(alarm);
}

void HomeScreen::previewSelected()
{
    const AlarmPtr alarm = selectedAlarm();
    if (!alarm || !alarm->unlocker)
        return;
    // The game plays on a copy: nothing it does may reach the stored alarm.
    auto *game = qobject_cast<ScreenController *>(
        ScreenRegistry::shared().create(alarm->unlocker->screenName, alarm->copy(), true));
    if (game)
        present(game, true);
}

void HomeScreen::deleteSelected()
{
    const AlarmPtr alarm = selectedAlarm();
    if (!alarm)
        return;
    const QString identifier = alarm->identifier;
    AlertRequest alert;
    alert.title = tr("NOTICE");
    alert.message = tr("Do you wish to delete this alarm?");
    alert.buttons.append({tr("No"), AlertButton::Type::Cancel, {}});
    alert.buttons.append({tr("Yes"), AlertButton::Type::Default, [this, identifier] { confirmDelete(identifier); }});
    AlertPresenter::shared().presentAlert(alert);
}

void HomeScreen::confirmDelete(const QString &identifier)
{
    const int row = alarms_->rowOf(identifier);
    const AlarmPtr alarm = alarms_->alarmAt(row);
    if (!alarm)
        return;
    if (!AlarmSchedule::shared().remove(alarm)) {
        // The row stays, and so does the overlay: the user sees what is still stored.
        showFailure(tr("The alarm could not be deleted: its file could not be written. It is kept and still rings."));
        return;
    }
    // The row leaves once the editor has flipped back (the reload waits for it).
    closeOverlay();
    reloadAlarms();
}

void HomeScreen::setSelectedActive(bool active) { setRowActive(selectedRow(), active); }

void HomeScreen::setRowActive(int row, bool active)
{
    const AlarmPtr alarm = alarms_->alarmAt(row);
    if (!alarm || alarm->active == active)
        return;
    const bool done = AlarmSchedule::shared().switchAlarm(alarm->identifier, active);
    reloadAlarms();
    if (done)
        return;
    showFailure(active ? tr("The alarm could not be switched on. It stays off.")
                       : tr("The alarm could not be switched off: its file could not be written."));
}

void HomeScreen::showFailure(const QString &message)
{
    Q_EMIT changeFailed(message);
    // The schedule has already told the user why, in its own alert.
    if (AlarmSchedule::shared().lastFailure() != AlarmSchedule::Failure::None)
        return;
    AlertRequest alert;
    alert.title = tr("NOTICE");
    alert.message = message;
    alert.buttons.append({tr("Dismiss"), AlertButton::Type::Cancel, {}});
    AlertPresenter::shared().presentAlert(alert);
}

bool HomeScreen::beginReorder(int row)
{
    if (overlayState_ != OverlayState::Closed || !alarms_->beginDrag(row))
        return false;
    Q_EMIT reorderingChanged();
    return true;
}

void HomeScreen::moveReorder(int from, int to) { alarms_->moveDrag(from, to); }

int HomeScreen::reorderSlot() const { return alarms_->placeholderRow(); }

void HomeScreen::finishReorder(int row)
{
    if (!alarms_->isDragging())
        return;
    alarms_->finishDrag(row);
    Q_EMIT reorderingChanged();
    if (!AlarmSchedule::shared().reorder(alarms_->storedOrder()))
        showFailure(tr("The new order could not be stored."));
    reloadAlarms();
}
