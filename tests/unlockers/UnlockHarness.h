#pragma once
// Shared by the unlock-screen tests: presenting a screen the way the ring
// dispatch does, winning either game, and recording the win sequence from
// what the rest of the app sees (broadcasts, the alert queue, the modal layer,
// the sound player, the ring-status file).
#include "app/RingStatusFile.h"
#include "app/ScreenRegistry.h"
#include "app/ZEBAppDelegate.h"
#include "platform/NotificationCenter.h"
#include "sound/AudioPlayer.h"
#include "sound/ZEBSoundManager.h"
#include "ui/AlertQueue.h"
#include "ui/ModalLayer.h"
#include "ui/SIAlertView.h"
#include "unlockers/games/calculate/ZEBAlarmClockUnlockerCalculateViewController.h"
#include "unlockers/games/tap/ZEBAlarmClockUnlockerTapViewController.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace UnlockHarness {
inline const QString kTap = QStringLiteral("ZEBAlarmClockUnlockerTapViewController");
inline const QString kCalculate = QStringLiteral("ZEBAlarmClockUnlockerCalculateViewController");
// The tap game's farewell takes 3 s; the jingle about 2 s.
constexpr int kWinTimeoutMs = 20000;

inline ZEBSoundManager *sound() { return ZEBSoundManager::sharedZEBSoundManager(); }

inline ZEBAlarmClockUnlockerViewController *present(const QString &className, const ZEBAlarmClockPtr &alarm,
                                                     bool previewMode)
{
    auto *screen = qobject_cast<ZEBAlarmClockUnlockerViewController *>(
        ScreenRegistry::shared().create(className, alarm, previewMode));
    if (screen)
        ModalLayer::shared().presentModal(screen, false, {});
    return screen;
}

inline bool isPresented(const ViewController *screen)
{
    return ModalLayer::shared().presentedScreens().contains(const_cast<ViewController *>(screen));
}

// Types the answer on the keypad once every key has popped up.
inline bool typeAnswer(ZEBAlarmClockUnlockerCalculateViewController *screen)
{
    if (!QTest::qWaitFor([&] { return screen->buttonCountFlag() == 11; }, 5000))
        return false;
    for (int i = 0; i < AnswerEntry::kMaxDigits; ++i)
        screen->numberButtonDown(AnswerEntry::kDeleteKey);
    for (QChar digit : QString::number(screen->result()))
        screen->numberButtonDown(digit.digitValue());
    return screen->isExiting();
}

inline bool win(ZEBAlarmClockUnlockerViewController *screen)
{
    if (auto *tap = qobject_cast<ZEBAlarmClockUnlockerTapViewController *>(screen)) {
        tap->unlock();
        return true;
    }
    if (auto *calculate = qobject_cast<ZEBAlarmClockUnlockerCalculateViewController *>(screen))
        return typeAnswer(calculate);
    return false;
}

// The win sequence as the app sees it, plus anything found out of place.
class WinRecorder : public QObject
{
public:
    explicit WinRecorder(ZEBAlarmClockUnlockerViewController *screen) : screen_(screen)
    {
        ringPlayer_ = sound()->audioPlayer();
        connect(&NotificationCenter::defaultCenter(), &NotificationCenter::posted, this,
                [this](const QString &name, const QVariant &) {
                    if (name == ZEBAppDelegate::RingingAlarmClockStatusChanged) {
                        events << QStringLiteral("settle");
                        ++settleCount;
                        if (jinglePlayer_ && jinglePlayer_->isPlaying())
                            problems << QStringLiteral("settled while the jingle still played");
                        if (!AlertQueue::shared().current())
                            problems << QStringLiteral("settled after the alert closed");
                    }
                });
        connect(&AlertQueue::shared(), &AlertQueue::currentChanged, this, [this] {
            SIAlertView *alert = AlertQueue::shared().current();
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
        connect(&ModalLayer::shared(), &ModalLayer::screenRemoved, this, [this](ViewController *screen) {
            if (screen != screen_)
                return;
            events << QStringLiteral("screen closed");
            ringStatusAtClose = RingStatusFile::exists();
        });
        connect(screen, &ZEBAlarmClockUnlockerViewController::unlockProgress, this,
                [this](ZEBAlarmClockUnlockerViewController::UnlockStep step) {
                    using Step = ZEBAlarmClockUnlockerViewController::UnlockStep;
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
    int settleCount = 0;
    bool ringStatusAtClose = false;

private:
    QPointer<ZEBAlarmClockUnlockerViewController> screen_;
    QPointer<AudioPlayer> ringPlayer_, jinglePlayer_;
};

inline QStringList expectedWin(bool previewMode)
{
    if (previewMode)
        return {"silence", "alert", "jingle", "alert closed", "screen closed"};
    return {"silence", "alert", "jingle", "settle", "alert closed", "screen closed", "acstatus deleted"};
}
} // namespace UnlockHarness
