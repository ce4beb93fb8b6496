#pragma once
// Shared by the unlock-screen tests: presenting a screen the way the ring
// dispatch does, winning either game, showing the app's window and reading
// its items as assistive tools do, and recording the win sequence from what
// the rest of the app sees (broadcasts, the alert queue, the modal layer, the
// sound player, the ring-status file).
#include "ItemLookup.h"

#include "app/RingStatusFile.h"
#include "app/ScreenRegistry.h"
#include "app/AppCore.h"
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "platform/Broadcaster.h"
#include "platform/StoredNames.h"
#include "sound/AudioPlayer.h"
#include "sound/RingPlayer.h"
#include "ui/AlertQueue.h"
#include "ui/ModalLayer.h"
#include "ui/AlertView.h"
#include "unlockers/games/sum/SumGame.h"
#include "unlockers/games/tap/TapGame.h"

#include <QAccessible>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

// Every screen library, registered as the app registers them, once the
// application object exists.
static void registerScreensForTest() { AppAssembly::registerScreens(); }
Q_COREAPP_STARTUP_FUNCTION(registerScreensForTest)

namespace UnlockHarness {
inline const QString kTap = StoredNames::kTapScreen;
inline const QString kCalculate = StoredNames::kSumScreen;
inline const QString kShake = StoredNames::kShakeScreen;
inline const QString kBlow = StoredNames::kBlowScreen;
// The class of the game that plays under a stored screen name.
inline QString gameClass(const QString &screenName)
{
    const QHash<QString, QString> games{{kTap, QStringLiteral("TapGame")},
                                        {kCalculate, QStringLiteral("SumGame")},
                                        {kShake, QStringLiteral("ShakeGame")},
                                        {kBlow, QStringLiteral("BlowGame")}};
    return games.value(screenName);
}
// The tap game's farewell takes 3 s; the jingle about 2 s.
constexpr int kWinTimeoutMs = 20000;

inline RingPlayer *sound() { return RingPlayer::shared(); }

inline AlarmPtr alarmRinging(const QString &soundFile = QStringLiteral("Satellite.mp3"))
{
    auto alarm = std::make_shared<Alarm>();
    alarm->soundFile = soundFile;
    return alarm;
}

// `screen` with `alarm`, presented the way the ring dispatch does.
template<class Screen>
Screen *present(Screen *screen, const AlarmPtr &alarm, bool previewMode)
{
    if (!screen)
        return nullptr;
    screen->setAlarm(alarm);
    screen->setPreviewMode(previewMode);
    ModalLayer::shared().presentModal(screen, false, {});
    return screen;
}

// The screen registered under a stored name, made as the app makes it.
template<class Screen = UnlockScreen>
Screen *present(const QString &className, const AlarmPtr &alarm, bool previewMode)
{
    auto *screen = qobject_cast<Screen *>(ScreenRegistry::shared().create(className, alarm, previewMode));
    if (screen)
        ModalLayer::shared().presentModal(screen, false, {});
    return screen;
}

inline void closeAll()
{
    for (ScreenController *screen : ModalLayer::shared().presentedScreens())
        screen->close(false);
}

inline bool isPresented(const ScreenController *screen)
{
    return ModalLayer::shared().presentedScreens().contains(const_cast<ScreenController *>(screen));
}

// Types the answer on a keypad (a game's or a challenge's) once every key has popped up.
template<class Keypad>
bool typeAnswer(Keypad *keys)
{
    if (!keys || !QTest::qWaitFor([&] { return keys->shownKeyCount() == 11; }, 5000))
        return false;
    for (int i = 0; i < AnswerEntry::kMaxDigits; ++i)
        keys->pressKey(AnswerEntry::kDeleteKey);
    for (QChar digit : QString::number(keys->result()))
        keys->pressKey(digit.digitValue());
    return true;
}

inline bool win(UnlockScreen *screen)
{
    if (auto *tap = qobject_cast<TapGame *>(screen)) {
        tap->unlock();
        return true;
    }
    if (auto *calculate = qobject_cast<SumGame *>(screen))
        return typeAnswer(calculate) && calculate->isExiting();
    return false;
}

// The app's window, shown offscreen.
struct ShownWindow
{
    explicit ShownWindow(AppWindow::Height height = AppWindow::Height::Tall) : app(height)
    {
        if (app.load()) {
            app.show();
            shown = QTest::qWaitForWindowExposed(app.window());
        }
    }
    QQuickWindow *window() const { return app.window(); }
    QQuickItem *item(const QString &name) const { return findItem(window()->contentItem(), name); }
    void tap(QQuickItem *item) const
    {
        QTest::mouseClick(window(), Qt::LeftButton, {}, sceneRect(item).center().toPoint());
    }

    AppWindow app;
    bool shown = false;
};

// What an assistive tool reads of an item: role, name, description and value.
struct Reading
{
    explicit Reading(QQuickItem *item)
    {
        QAccessibleInterface *accessible = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
        if (!accessible)
            return;
        role = accessible->role();
        name = accessible->text(QAccessible::Name);
        description = accessible->text(QAccessible::Description);
        if (QAccessibleValueInterface *gauge = accessible->valueInterface())
            value = gauge->currentValue(), minimum = gauge->minimumValue(), maximum = gauge->maximumValue();
    }
    QAccessible::Role role = QAccessible::NoRole;
    QString name, description;
    QVariant value, minimum, maximum;
};

// The win sequence as the app sees it, plus anything found out of place.
class WinRecorder : public QObject
{
public:
    explicit WinRecorder(UnlockScreen *screen) : screen_(screen)
    {
        ringPlayer_ = sound()->audioPlayer();
        connect(&Broadcaster::shared(), &Broadcaster::posted, this, [this](const QString &name, const QVariant &) {
            if (name == AppCore::RingingAlarmStatusChanged) {
                events << QStringLiteral("settle");
                if (jinglePlayer_ && jinglePlayer_->isPlaying())
                    problems << QStringLiteral("settled while the jingle still played");
                if (!AlertQueue::shared().current())
                    problems << QStringLiteral("settled after the alert closed");
            }
        });
        connect(&AlertQueue::shared(), &AlertQueue::currentChanged, this, [this] {
            AlertView *alert = AlertQueue::shared().current();
            if (!alert) {
                events << QStringLiteral("alert closed");
                if (!isPresented(screen_))
                    problems << QStringLiteral("screen closed before the alert");
                return;
            }
            events << QStringLiteral("alert");
            if (alert->title() != QLatin1String("Mission Complete"))
                problems << QStringLiteral("alert titled ") + alert->title();
        });
        connect(&ModalLayer::shared(), &ModalLayer::screenRemoved, this, [this](ScreenController *screen) {
            if (screen != screen_)
                return;
            events << QStringLiteral("screen closed");
            ringStatusAtClose = RingStatusFile::exists();
        });
        connect(screen, &UnlockScreen::unlockProgress, this, [this](UnlockScreen::UnlockStep step) {
            using Step = UnlockScreen::UnlockStep;
            if (step == Step::RingSilenced) {
                events << QStringLiteral("silence");
                if (ringPlayer_ && ringPlayer_->isPlaying())
                    problems << QStringLiteral("the ring still plays after the fade");
            } else if (step == Step::JingleStarted) {
                events << QStringLiteral("jingle");
                jinglePlayer_ = sound()->audioPlayer();
                if (!jinglePlayer_ || jinglePlayer_ == ringPlayer_ || !sound()->playing())
                    problems << QStringLiteral("no closing jingle plays");
            } else if (step == Step::RingStatusDeleted) {
                events << QStringLiteral("acstatus deleted");
                if (RingStatusFile::exists())
                    problems << QStringLiteral("acstatus still there");
            }
        });
    }

    QStringList events;
    QStringList problems;
    bool ringStatusAtClose = false;

private:
    QPointer<UnlockScreen> screen_;
    QPointer<AudioPlayer> ringPlayer_, jinglePlayer_;
};

inline QStringList expectedWin(bool previewMode)
{
    if (previewMode)
        return {"silence", "alert", "jingle", "alert closed", "screen closed"};
    return {"silence", "alert", "jingle", "settle", "alert closed", "screen closed", "acstatus deleted"};
}
} // namespace UnlockHarness
