#pragma once
#include "alarms/Alarm.h"
#include "ui/TopLevelScreen.h"
#include "weather/Weather.h"

#include <QTimer>
#include <functional>
#include <optional>

class AlarmFileWatcher;
class AlarmListModel;
class ClockFace;
Q_MOC_INCLUDE("home/AlarmListModel.h")
Q_MOC_INCLUDE("home/ClockFace.h")

// What the app around the home screen tells it.
struct HomeScreenSources
{
    // The last weather record fetched, if any.
    std::function<std::optional<Weather>()> lastWeather;
    // True when alarms ring only while this window is open (no notification service).
    bool ringsOnlyWhileOpen = false;
};

// The main screen: the alarms newest first under the clock face, kept in step
// with the alarm schedule (and with the alarm file, which the command-line
// tool may change). A tap on a row flips it over into the in-cell editor
// (switch, edit, preview, delete); a long press drags it to a new place.
// Every change goes through the alarm schedule; a change it could not store
// is shown, never passed over.
class HomeScreen : public TopLevelScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screen registry")
    Q_PROPERTY(AlarmListModel *alarms READ alarms CONSTANT)
    Q_PROPERTY(ClockFace *clockFace READ clockFace NOTIFY clockFaceChanged)
    Q_PROPERTY(OverlayState overlayState READ overlayState NOTIFY overlayChanged)
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY overlayChanged)
    Q_PROPERTY(bool selectedActive READ selectedActive NOTIFY overlayChanged)
    Q_PROPERTY(bool addEnabled READ addEnabled NOTIFY overlayChanged)
    Q_PROPERTY(bool listInteractive READ listInteractive NOTIFY overlayChanged)
    Q_PROPERTY(QString nextRingText READ nextRingText NOTIFY statusChanged)
    Q_PROPERTY(QString serviceNotice READ serviceNotice NOTIFY statusChanged)
    Q_PROPERTY(QString missedNotice READ missedNotice NOTIFY statusChanged)
    Q_PROPERTY(bool reordering READ reordering NOTIFY reorderingChanged)
    Q_PROPERTY(int flipMs READ flipMs CONSTANT)
    Q_PROPERTY(int crossFadeMs READ crossFadeMs CONSTANT)
    Q_PROPERTY(qreal maskAlpha READ maskAlpha CONSTANT)
    Q_PROPERTY(int longPressMs READ longPressMs CONSTANT)
public:
    enum class OverlayState { Closed, Opening, Open, Closing };
    Q_ENUM(OverlayState)

    static constexpr int kFlipMs = 250;      // each of the two flips
    static constexpr int kCrossFadeMs = 400; // a row's background on switching
    static constexpr qreal kMaskAlpha = 0.45;
    static constexpr int kLongPressMs = 500;
    static constexpr qreal kBlurOffset = 200; // scroll offset at which the background is fully blurred
    static inline const QString kAddPicture = QStringLiteral("home-add");
    static inline const QString kEditorScreen = QStringLiteral("AlarmSettingScreen");

    using Sources = HomeScreenSources;

    explicit HomeScreen(Sources sources = {}, QObject *parent = nullptr);
    ~HomeScreen() override;

    AlarmListModel *alarms() const { return alarms_; }
    ClockFace *clockFace() const { return clockFace_; }
    OverlayState overlayState() const { return overlayState_; }
    int selectedRow() const;
    AlarmPtr selectedAlarm() const;
    bool selectedActive() const;
    bool addEnabled() const { return overlayState_ == OverlayState::Closed; }
    bool listInteractive() const { return overlayState_ == OverlayState::Closed; }
    QString nextRingText() const { return nextRingText_; }
    QString serviceNotice() const;
    QString missedNotice() const { return missedNotice_; }
    bool reordering() const;
    int flipMs() const { return kFlipMs; }
    int crossFadeMs() const { return kCrossFadeMs; }
    qreal maskAlpha() const { return kMaskAlpha; }
    int longPressMs() const { return kLongPressMs; }

    // The background's blur for a scroll offset: offset / 200, within 0..1.
    Q_INVOKABLE static qreal blurAlphaForOffset(qreal offset);

    // Opening the in-cell editor on a row; the view reports the ends of its flips.
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void overlayDidOpen();
    Q_INVOKABLE void closeOverlay();
    Q_INVOKABLE void overlayDidClose();

    // The editor's actions, on the selected alarm.
    Q_INVOKABLE void editSelected();
    Q_INVOKABLE void previewSelected();
    Q_INVOKABLE void deleteSelected(); // asks first
    Q_INVOKABLE void setSelectedActive(bool active);
    // A row's own switch.
    Q_INVOKABLE void setRowActive(int row, bool active);
    Q_INVOKABLE void addAlarm();

    // Reordering by long press and drag.
    Q_INVOKABLE bool beginReorder(int row);
    Q_INVOKABLE void moveReorder(int from, int to);
    // Where the dragged row's slot is now (the view catches up with moves only when it next lays out).
    Q_INVOKABLE int reorderSlot() const;
    Q_INVOKABLE void finishReorder(int row);

    // Reads the stored list again (a save, a change on disk, a rung one-time alarm).
    Q_INVOKABLE void reloadAlarms();

Q_SIGNALS:
    void clockFaceChanged();
    void overlayChanged();
    void statusChanged();
    void reorderingChanged();
    // A change could not be stored; an alert says so.
    void changeFailed(const QString &message);

protected:
    void didLoad() override;
    void didAppear(bool animated) override;

private:
    void subscribe();
    void versionCheck();
    void setOverlayState(OverlayState state);
    void confirmDelete(const QString &identifier);
    void showFailure(const QString &message);
    void rebuildAfterMemoryWarning();
    void updateNextRing();
    void alarmMissed(const AlarmPtr &alarm);
    void pushEditor(const AlarmPtr &alarm);
    bool rowsMustStayPut() const;

    Sources sources_;
    AlarmListModel *alarms_;
    ClockFace *clockFace_ = nullptr; // made on load, a child of the screen
    AlarmFileWatcher *watcher_;
    OverlayState overlayState_ = OverlayState::Closed;
    QString selectedIdentifier_;
    // A reload waits while a row flips or is dragged (the rows must stay put).
    bool reloadDeferred_ = false;
    QString nextRingText_, missedNotice_;
    QTimer nextRingTimer_;
};
