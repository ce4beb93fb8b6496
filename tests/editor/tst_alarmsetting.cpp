// The alarm setting screen against the real alarm file and pending list: the
// copy it edits, the warning's answers, both save
// paths, refusals that change nothing, a change made meanwhile by the
// command-line tool, a double tap on "Save", previews on a copy, the
// slogan's limits and a sound choice outside the list. The time picker panel's
// rules and the clock style: 12 or 24 hours from the locale, the wheels' hours
// in both, one report per confirm (also during the slide-in), none when its
// host closes it, and the wheels keeping their time. The sound picker (its list
// and the alarm's sound marked: tst_editor_views): a tap plays (looping)
// through the ring player on the real audio pipeline, a second tap
// confirms, leaving fades the sound out and reports the marked sound once, the
// random entry plays nothing, and a ring that took the player over is left alone.
#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/SoundCatalogue.h"
#include "ui/ClockStyle.h"
#include "editor/SloganText.h"
#include "editor/SoundPickerScreen.h"
#include "editor/TimePicker.h"
#include "platform/Broadcaster.h"
#include "platform/NotificationStore.h"
#include "platform/Preferences.h"
#include "sound/AudioPlayer.h"
#include "sound/MediaVolume.h"
#include "sound/RingPlayer.h"
#include "ui/AlertQueue.h"
#include "ui/AlertView.h"
#include "ui/ModalLayer.h"
#include "ui/WindowPresence.h"
#include "unlockers/UnlockScreen.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace EditorTestSupport;
using TestSupport::at;

namespace {
int rowOf(const QString &file) { return int(SoundCatalogue::fileNames().indexOf(file)); }
RingPlayer *ring() { return RingPlayer::shared(); }
const QString kDoNotShow = StoredNames::kRingingNoticeDoNotShowKey;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The alarm file and the pending list as they are now.
QByteArrayList storedFiles()
{
    return {fileBytes(AlarmSchedule::alarmFilePath()), fileBytes(NotificationStore::path())};
}

AlarmPtr storedAlarm(int hour, int minute, quint32 mask)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->repeatMask = mask;
    alarm->slogan = QStringLiteral("Stored slogan");
    alarm->soundFile = QStringLiteral("Stars.mp3");
    AlarmSchedule::shared().activate(alarm);
    return AlarmSchedule::shared().reload().last();
}

TestSupport::Command tolvekctl(const QStringList &arguments)
{
    return TestSupport::run(QStringLiteral(TOLVEKCTL_PATH), arguments);
}

int savedBroadcasts(const QSignalSpy &posted)
{
    int count = 0;
    for (const QList<QVariant> &args : posted)
        count += args.at(0).toString() == StoredNames::Broadcast::kAlarmSaved;
    return count;
}

} // namespace

class TestAlarmSetting : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();
    std::unique_ptr<TestSupport::PinnedClock> pinned;
    std::unique_ptr<TestSupport::StoreOnlyScheduler> store;
    // The picker pushed over a screen, as the setting screen pushes it.
    struct Pushed
    {
        explicit Pushed(int row) : picker(new SoundPickerScreen(row)) { home.stack.push(picker, false); }
        HomeStack home;
        QPointer<SoundPickerScreen> picker;
    };

    static bool needsAudio() { return MediaVolume::shared().hasAudioServer(); }
    const ClockStyle twelve{QLocale(QLocale::English, QLocale::UnitedStates)};
    const ClockStyle twentyFour{QLocale(QLocale::German, QLocale::Germany)};

    void skipWarning()
    {
        Preferences::shared().setBool(kDoNotShow, true);
        Preferences::shared().synchronize();
    }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        // A Wednesday morning in Berlin.
        pinned = std::make_unique<TestSupport::PinnedClock>(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        store = std::make_unique<TestSupport::StoreOnlyScheduler>();
        manager.reload();
    }
    void cleanup()
    {
        while (AlertView *alert = AlertQueue::shared().current())
            alert->dismissAnimated(false);
        RingPlayer::shared()->stop();
        store.reset();
        pinned.reset();
    }

    void cancelLeavesEverythingAsItWas()
    {
        storedAlarm(6, 30, Alarm::kWeekdays);
        const AlarmPtr homeRecord = manager.reload().first(); // the home screen's own record
        const QString before = homeRecord->description();
        const QByteArrayList filesBefore = storedFiles();
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);

        HomeStack home;
        AlarmSettingScreen *screen = home.open(homeRecord);
        screen->openTimePicker();
        screen->timePicker()->setWheelHour(9);
        screen->timePicker()->confirm();
        screen->toggleDay(0);
        screen->toggleSnooze();
        screen->setSlogan(QStringLiteral("changed"));
        screen->soundChosen(3);
        QCOMPARE(screen->alarm()->timeOfDay(), QTime(9, 30));
        screen->cancel();

        QVERIFY(!home.editorOpen());
        QCOMPARE(homeRecord->description(), before);
        QCOMPARE(homeRecord->slogan, QStringLiteral("Stored slogan"));
        QCOMPARE(storedFiles(), filesBefore);
        QCOMPARE(savedBroadcasts(posted), 0);
    }

    void warningAnswers()
    {
        // Not set: the warning comes, once however often "Save" is tapped;
        // closed without an answer it saves nothing.
        QVERIFY(!Preferences::shared().hasKey(kDoNotShow));
        HomeStack home;
        AlarmSettingScreen *first = home.open(nullptr);
        first->save();
        AlertView *alert = AlertQueue::shared().current();
        QVERIFY(alert);
        QCOMPARE(alert->buttonTitle(1), QStringLiteral("Dismiss")); // "Do not show again": journey_editor
        alert->dismissAnimated(false);
        QVERIFY(home.editorOpen());
        QVERIFY(manager.reload().isEmpty());

        // "Dismiss" saves and the warning stays on.
        first->save();
        first->save();
        QCOMPARE(AlertQueue::shared().count(), 1);
        AlertQueue::shared().current()->pressButton(1);
        QTRY_VERIFY(AlertQueue::shared().current() == nullptr);
        QVERIFY(!home.editorOpen());
        QCOMPARE(manager.reload().size(), 1);
        QVERIFY(!Preferences::shared().boolForKey(kDoNotShow));
    }

    void repeatingAndOneTimeAlarmsSaveOnce()
    {
        skipWarning();
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);
        HomeStack home;
        QPointer<AlarmSettingScreen> weekly = home.open(nullptr);
        weekly->toggleDay(1);
        weekly->toggleDay(6);
        weekly->toggleDay(7); // day buttons beyond the week change nothing
        weekly->toggleDay(-1);
        weekly->save();
        if (weekly)
            weekly->save(); // a double tap stores one alarm
        QVERIFY(!home.editorOpen());
        QCOMPARE(savedBroadcasts(posted), 1);
        QCOMPARE(manager.reload().size(), 1);
        QCOMPARE(manager.reload().first()->repeatMask, 66u); // its state and rings: journey_editor

        AlarmSettingScreen *once = home.open(nullptr);
        once->openTimePicker();
        once->timePicker()->setWheelHour(21);
        once->timePicker()->setMinute(15);
        once->timePicker()->confirm();
        once->save(); // a new alarm rings once, today (its other defaults: tst_editor_views)
        QCOMPARE(savedBroadcasts(posted), 2);
        const AlarmList stored = manager.reload();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[1]->repeatMask, 0u);
        QVERIFY(stored[1]->active);
        QCOMPARE(stored[1]->scheduledNotifications->keys(), QStringList{"0"});
        QCOMPARE(stored[1]->alarmTime, at("Europe/Berlin", 2026, 12, 9, 21, 15));
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications().size(), 3);
    }

    void refusedSaveKeepsTheScreenOpenAndChangesNothing()
    {
        skipWarning();
        TestSupport::RecordingAlerts alerts;
        storedAlarm(6, 0, Alarm::kMonday);
        TestSupport::fillPending(60); // 61 of 64 slots taken, one of them the alarm's own
        const QByteArrayList filesBefore = storedFiles();
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);

        HomeStack home;
        AlarmSettingScreen *screen = home.open(manager.reload().first());
        for (int day = 2; day <= 5; ++day) // Monday to Friday: five, where four fit (tst_tolvekctl fills them)
            screen->toggleDay(day);
        screen->save();
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Add Alarm Failed"));
        QVERIFY(home.editorOpen());
        QVERIFY(screen->canSave());
        QVERIFY(!screen->saveProblem().isEmpty());
        QCOMPARE(savedBroadcasts(posted), 0);
        QCOMPARE(storedFiles(), filesBefore);
        QVERIFY(manager.reload().first()->active);
    }

    // An edit keeps what the command-line tool changed meanwhile (how an edit moves the
    // alarm's rings: journey_editor).
    void anEditKeepsChangesMadeMeanwhile()
    {
        skipWarning();
        const AlarmPtr stored = storedAlarm(6, 45, Alarm::kMonday);
        HomeStack home;
        AlarmSettingScreen *screen = home.open(manager.reload().first());
        screen->toggleDay(6); // Saturday too

        // Meanwhile the command-line tool changes the slogan and adds an alarm.
        QCOMPARE(tolvekctl({"edit", stored->identifier, "--slogan", "From the shell"}).exitCode, 0);
        const TestSupport::Command added = tolvekctl({"add", "--time", "05:00", "--days", "sun"});
        QCOMPARE(added.exitCode, 0);
        const QString otherId = QString::fromUtf8(added.out).trimmed();

        screen->save();
        const AlarmList alarms = manager.reload();
        QCOMPARE(alarms.size(), 2);
        const AlarmPtr edited = manager.alarmWithIdentifier(stored->identifier);
        QVERIFY(edited);
        QCOMPARE(edited->repeatMask, quint32(Alarm::kMonday | Alarm::kSaturday));
        QCOMPARE(edited->slogan, QStringLiteral("From the shell"));
        QVERIFY(manager.alarmWithIdentifier(otherId));
        // The edited alarm's two rings and the other's one, nothing left over from before.
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications().size(), 3);
    }

    // The sound and game chosen are saved; a choice outside the sound list rings the first sound.
    // A preview plays the page's game with a real sound on a copy, and changes nothing.
    void choicesAreSavedAndPreviewsPlayACopy()
    {
        skipWarning();
        HomeStack home;
        AlarmSettingScreen *screen = home.open(nullptr);
        const QStringList files = SoundCatalogue::fileNames();
        const int randomRow = int(files.indexOf(SoundCatalogue::kRandomSoundMarker));
        for (const auto &[row, file, name] : {std::tuple{int(files.indexOf("Mineral.mp3")), "Mineral.mp3", "Mineral"},
                                              {99, "Airship.mp3", "Airship"},
                                              {randomRow, "RandomSound", "Random"}}) {
            screen->soundChosen(row);
            QCOMPARE(screen->alarm()->soundFile, QLatin1String(file));
            QCOMPARE(screen->soundName(), QLatin1String(name));
        }

        screen->previewRequested(screen->picker(), Unlocker::Calculate);
        const QList<ScreenController *> presented = ModalLayer::shared().presentedScreens();
        QCOMPARE(presented.size(), 1);
        QCOMPARE(presented.first()->className(), QStringLiteral("SumGame"));
        auto *game = qobject_cast<UnlockScreen *>(presented.first());
        QVERIFY(game->previewMode());
        QCOMPARE(game->alarm()->unlocker->kind, int(Unlocker::Calculate));
        QVERIFY(files.contains(game->alarm()->soundFile) && game->alarm()->soundFile != files.at(randomRow));
        QVERIFY(game->alarm()->scheduledNotifications != screen->alarm()->scheduledNotifications);
        game->dismiss();
        QTRY_VERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        screen->previewRequested(screen->picker(), 5); // no such page
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        QCOMPARE(screen->alarm()->unlocker->kind, int(Unlocker::Tap));
        QCOMPARE(screen->alarm()->soundFile, QStringLiteral("RandomSound"));

        screen->picker()->scrolledTo(1); // one page on
        screen->picker()->useCurrentUnlocker();
        screen->picker()->scrolledTo(3); // scrolling on without "Use" changes nothing
        screen->save();
        const AlarmPtr stored = manager.reload().first();
        QCOMPARE(stored->soundFile, QStringLiteral("RandomSound"));
        QCOMPARE(stored->unlocker->kind, int(Unlocker::Calculate));
        QCOMPARE(stored->unlocker->screenName, StoredNames::kSumScreen);
        QCOMPARE(home.open(stored)->soundName(), QStringLiteral("Random")); // reopened, the same choice
    }

    // Typed, or stored by an older version or another program.
    void sloganLimits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<bool>("stored");
        const QString emoji = QStringLiteral("👨‍👩‍👧");
        QTest::newRow("plain") << QStringLiteral("Up!") << QStringLiteral("Up!") << false << false;
        QTest::newRow("line breaks and tabs")
            << QStringLiteral("one\ntwo\r\tthree\u2028four") << QStringLiteral("one two  three four") << false << false;
        QTest::newRow("control characters")
            << QStringLiteral("a\u0001b\u007Fc") << QStringLiteral("a b c") << false << false;
        QTest::newRow("right to left") << QStringLiteral("صباح الخير") << QStringLiteral("صباح الخير") << false
                                       << false;
        QTest::newRow("ten thousand") << QString(10000, QLatin1Char('x')) << QString(SloganText::kMaxLength, 'x')
                                      << true << false;
        QTest::newRow("five thousand stored")
            << QString(5000, QLatin1Char('y')) << QString(SloganText::kMaxLength, 'y') << true << true;
        // A family emoji straddling the limit goes whole, never in halves.
        QTest::newRow("emoji at the limit") << QString(SloganText::kMaxLength - 3, 'x') + emoji
                                            << QString(SloganText::kMaxLength - 3, 'x') << true << false;
    }
    void sloganLimits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, notice);
        QFETCH(bool, stored);
        skipWarning();
        auto alarm = stored ? std::make_shared<Alarm>() : AlarmPtr();
        if (stored)
            alarm->slogan = typed;
        HomeStack home;
        AlarmSettingScreen *screen = home.open(alarm);
        if (!stored)
            screen->setSlogan(typed);
        QCOMPARE(screen->slogan(), kept);
        QCOMPARE(!screen->sloganNotice().isEmpty(), notice);
        screen->save();
        QCOMPARE(manager.reload().first()->slogan, kept);
        QCOMPARE(LocalNotificationScheduler::shared().scheduledLocalNotifications().first().alertBody, kept);
    }

    // The time picker.
    // The editor's times and the home screen's clock agree on the locale's style
    // (Korean writes AM/PM first).
    void clockStyleFollowsTheLocale()
    {
        using L = QLocale;
        for (const auto &[locale, twelveHour] : {std::pair{L(L::English, L::UnitedStates), true},
                                                 {L(L::English, L::UnitedKingdom), false},
                                                 {L(L::German, L::Germany), false},
                                                 {L::c(), false},
                                                 {L(L::Korean, L::SouthKorea), true},
                                                 {L(L::Arabic, L::Egypt), true},
                                                 {L(L::Chinese, L::China), false}})
            QCOMPARE(ClockStyle(locale).twelveHour(), twelveHour);

        // Morning, midnight, noon and evening.
        const std::tuple<QTime, const char *, const char *> texts[] = {{QTime(6, 45), "06:45 AM", "06:45"},
                                                                       {QTime(0, 5), "12:05 AM", "00:05"},
                                                                       {QTime(12, 0), "12:00 PM", "12:00"},
                                                                       {QTime(23, 59), "11:59 PM", "23:59"}};
        for (const auto &[time, twelveText, twentyFourText] : texts) {
            QCOMPARE(twelve.text(time), QLatin1String(twelveText));
            QCOMPARE(twentyFour.text(time), QLatin1String(twentyFourText));
        }
    }

    // Both clock styles' wheels: noon and midnight on the 12-hour one, values beyond the wheels held
    // at their ends, and no report when nothing changed.
    void wheels()
    {
        TimePicker picker(twelve);
        QCOMPARE(picker.firstWheelHour(), 1);
        QCOMPARE(picker.lastWheelHour(), 12);
        picker.setTime(QTime(0, 30));
        QCOMPARE(picker.wheelHour(), 12);
        QVERIFY(!picker.isPm());
        picker.setPm(true);
        QCOMPARE(picker.time(), QTime(12, 30));
        picker.setWheelHour(7);
        QCOMPARE(picker.time(), QTime(19, 30));
        picker.setWheelHour(12);
        QCOMPARE(picker.time(), QTime(12, 30));
        picker.setPm(false);
        QCOMPARE(picker.time(), QTime(0, 30));
        picker.setWheelHour(0); // below the wheel: its first hour
        QCOMPARE(picker.wheelHour(), 1);
        picker.setMinute(75);
        QCOMPARE(picker.minute(), 59);

        TimePicker day(twentyFour); // its range on screen: tst_editor_views
        day.setWheelHour(18);
        QCOMPARE(day.time(), QTime(18, 0));
        QSignalSpy changed(&day, &TimePicker::timeChanged);
        day.setWheelHour(18);
        QCOMPARE(changed.count(), 0);
    }

    // One report per confirm, also while the panel slides in; none when hidden or closed by
    // its host; shown again, the wheels are where they were left.
    void oneReportPerConfirm()
    {
        WindowPresence::setAnimatesTransitions(true);
        TimePicker picker(twentyFour);
        picker.setTime(QTime(6, 45));
        QSignalSpy picked(&picker, &TimePicker::timePicked);
        picker.confirm(); // not shown: nothing to confirm
        QCOMPARE(picked.count(), 0);

        picker.present();
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingIn);
        picker.present(); // already coming up
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingIn);
        picker.setMinute(50);
        picker.confirm();
        QCOMPARE(picker.phase(), TimePicker::Phase::SlidingOut);
        picker.confirm();
        picker.close();
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.first().first().toTime(), QTime(6, 50));
        picker.transitionFinished(); // the slide out has ended
        picker.transitionFinished();
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);

        picker.present();
        picker.transitionFinished();
        QCOMPARE(picker.phase(), TimePicker::Phase::Shown);
        QCOMPARE(picker.time(), QTime(6, 50));
        picker.setWheelHour(9);
        picker.close();
        picker.transitionFinished();
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picker.phase(), TimePicker::Phase::Hidden);
        picker.present();
        QCOMPARE(picker.time(), QTime(9, 50));
        WindowPresence::setAnimatesTransitions(false);
    }

    // The sound picker.
    void tapPlaysThenSecondTapConfirms()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server: run through scripts/run-tests.sh, which starts one with a null sink");
        Pushed pushed(0);
        QSignalSpy chosen(pushed.picker, &SoundPickerScreen::soundChosen);
        const int mineral = rowOf(QStringLiteral("Mineral.mp3"));
        pushed.picker->tapRow(mineral);
        QCOMPARE(pushed.picker->chosenRow(), mineral);
        AudioPlayer *player = ring()->audioPlayer();
        QVERIFY(player);
        QVERIFY(player->source().toString().contains(QStringLiteral("Mineral")));
        QVERIFY(player->isLooping()); // fading in as a ring does: tst_soundmanager
        QTRY_VERIFY(ring()->playing());

        // "Random" is marked and plays nothing; rows beyond the list change nothing.
        const int random = rowOf(SoundCatalogue::kRandomSoundMarker);
        pushed.picker->tapRow(random);
        QCOMPARE(pushed.picker->chosenRow(), random);
        QVERIFY(ring()->audioPlayer() == nullptr);
        QVERIFY(!ring()->playing());
        pushed.picker->tapRow(-1);
        pushed.picker->tapRow(15);
        QCOMPARE(pushed.picker->chosenRow(), random);

        // Another row: that sound.
        const int stars = rowOf(QStringLiteral("Stars.mp3"));
        pushed.picker->tapRow(stars);
        QVERIFY(ring()->audioPlayer() != player);
        QVERIFY(ring()->audioPlayer()->source().toString().contains(QStringLiteral("Stars")));

        // The marked row again: fade out and back, reporting it once.
        pushed.picker->tapRow(stars);
        QVERIFY(ring()->isFadingOut());
        QCOMPARE(pushed.home.stack.topScreen(), &pushed.home.home);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), stars);
        QTRY_VERIFY_WITH_TIMEOUT(!ring()->playing(), 5000);
    }

    // Leaving by the back button reports the marked row once if it was tapped (and plays it), else nothing.
    void leavingReportsTheMarkedRowOnlyAfterATap()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server");
        const int ufo = rowOf(QStringLiteral("UFO.mp3"));
        for (bool tapped : {false, true}) {
            Pushed pushed(ufo);
            QSignalSpy chosen(pushed.picker, &SoundPickerScreen::soundChosen);
            if (tapped) {
                pushed.picker->tapRow(ufo);
                QVERIFY(ring()->audioPlayer());
                QCOMPARE(pushed.home.stack.topScreen(), pushed.picker.data());
            }
            pushed.picker->goBack();
            QCOMPARE(pushed.home.stack.topScreen(), &pushed.home.home);
            QCOMPARE(ring()->isFadingOut(), tapped);
            QCOMPARE(chosen.count(), tapped ? 1 : 0);
            if (tapped)
                QCOMPARE(chosen.first().first().toInt(), ufo);
        }
    }

    void thePickersSoundStopsWithItButARingDoesNot()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server");
        Pushed pushed(0);
        pushed.picker->tapRow(rowOf(QStringLiteral("Wormhole.mp3")));
        // An alarm rings meanwhile, through the same player.
        ring()->play(QStringLiteral("Satellite.mp3"), true);
        AudioPlayer *alarmRing = ring()->audioPlayer();
        pushed.picker->goBack();
        QVERIFY(!ring()->isFadingOut());
        QCOMPARE(ring()->audioPlayer(), alarmRing);
        QTRY_VERIFY(ring()->playing());

        // Destroyed with its stack, the picker's own sound stops.
        ring()->stop();
        auto *picker = new SoundPickerScreen(0);
        picker->tapRow(rowOf(QStringLiteral("Astronaut.mp3")));
        QTRY_VERIFY(ring()->playing());
        delete picker;
        QVERIFY(!ring()->playing());
    }
};

QTEST_MAIN(TestAlarmSetting)
#include "tst_alarmsetting.moc"
