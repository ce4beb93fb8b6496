// Ring dispatch in the app's core: which alarm rings when its notification
// arrives, when its unlock screen is shown, and how it is settled once won.
// (The whole road with the real screens, a kill while ringing included:
// tst_alarm_road; a ring while the app is in front: the self-test.)
#include "alarms/AlarmSchedule.h"
#include "app/RingStatusFile.h"
#include "app/ScreenPresenter.h"
#include "app/ScreenRegistry.h"
#include "app/AppCore.h"
#include "platform/ApplicationLifecycle.h"
#include "platform/Broadcaster.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

using TestSupport::at;

namespace {
// The window layer's modal presenter, as far as ring dispatch can see it:
// holds the screen and completes the presentation when told to.
class HoldingPresenter : public ScreenPresenter
{
public:
    HoldingPresenter() { ScreenPresenter::setShared(this); }
    ~HoldingPresenter() override
    {
        ScreenPresenter::setShared(nullptr);
        for (const QPointer<QObject> &screen : std::as_const(screens))
            delete screen.data();
    }
    void presentModal(QObject *screen, bool, std::function<void()> completion) override
    {
        screens.append(screen);
        pending = std::move(completion);
        if (completeAtOnce)
            finish();
    }
    void finish()
    {
        if (pending)
            std::exchange(pending, {})();
    }
    // A won screen closes and is deleted, as the modal layer does.
    void close(int i) { delete screens[i].data(); }
    QList<QPointer<QObject>> screens;
    std::function<void()> pending;
    bool completeAtOnce = true;
};

const char *kTap = "ZEBAlarmClockUnlockerTapViewController";
const char *kCalc = "ZEBAlarmClockUnlockerCalculateViewController";

void registerScreen(const QString &className)
{
    ScreenRegistry::shared().registerScreen(className, [className](const AlarmPtr &alarm, bool preview) {
        auto *screen = new QObject;
        screen->setObjectName(className);
        screen->setProperty("alarmIdentifier", alarm->identifier);
        screen->setProperty("previewMode", preview);
        return screen;
    });
}
} // namespace

class TestRingDispatch : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();
    std::unique_ptr<TestSupport::PinnedClock> pinned;
    std::unique_ptr<TestSupport::StoreOnlyScheduler> store;
    std::unique_ptr<HoldingPresenter> presenter;
    std::unique_ptr<AppCore> delegate;

    AlarmPtr addAlarm(int hour, int minute, quint32 mask, int kind = 0)
    {
        auto alarm = std::make_shared<Alarm>();
        alarm->setTimeOfDay(QTime(hour, minute));
        alarm->repeatMask = mask;
        alarm->unlocker = std::make_shared<Unlocker>(kind);
        alarm->snooze = false;
        return manager.activate(alarm) ? alarm : nullptr;
    }
    LocalNotification stored(const AlarmPtr &alarm, const QString &key)
    {
        return manager.alarmWithIdentifier(alarm->identifier)->scheduledNotifications->value(key);
    }
    void becomeActive()
    {
        ApplicationLifecycle::shared().enterBackground();
        ApplicationLifecycle::shared().becomeActive();
        Broadcaster::shared().post(AppCore::HomeScreenDidLoad);
    }
    void winGame() { Broadcaster::shared().post(AppCore::RingingAlarmStatusChanged); }
    QString shownAlarm(int i) const { return presenter->screens[i]->property("alarmIdentifier").toString(); }

private Q_SLOTS:
    void initTestCase()
    {
        registerScreen(kTap);
        registerScreen(kCalc);
    }

    void init()
    {
        TestSupport::wipeUserData();
        pinned = std::make_unique<TestSupport::PinnedClock>(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        store = std::make_unique<TestSupport::StoreOnlyScheduler>();
        presenter = std::make_unique<HoldingPresenter>();
        Preferences::shared().setString("DefaultWeatherUnit", "C"); // not a first run
        manager.reload();
        delegate = std::make_unique<AppCore>();
        delegate->launch({});
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        delegate.reset();
        presenter.reset();
        store.reset();
        pinned.reset();
    }

    void sameTimeAlarmsLaterWinsAndBothSettle()
    {
        const AlarmPtr first = addAlarm(7, 30, 0);
        const AlarmPtr second = addAlarm(7, 30, 0, 1);
        delegate->notificationReceived(stored(first, "0"));
        QCOMPARE(delegate->ringingAlarm()->identifier, second->identifier);
        becomeActive();
        QCOMPARE(presenter->screens.last()->objectName(), QString::fromLatin1(kCalc));
        pinned->clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        winGame();
        for (const auto &alarm : {first, second}) {
            const AlarmPtr after = manager.alarmWithIdentifier(alarm->identifier);
            QVERIFY(!after->active);
            QVERIFY(after->scheduledNotifications->isEmpty());
        }
        QVERIFY(store->scheduler().scheduledLocalNotifications().isEmpty());
    }

    // A notification no alarm has, a status file of an alarm not ringing, a damaged one: no screen.
    void nothingToShowShowsNothing()
    {
        LocalNotification stray;
        stray.fireDate = at("Europe/Berlin", 2026, 12, 9, 6, 0);
        delegate->notificationReceived(stray);
        becomeActive();
        QVERIFY(presenter->screens.isEmpty());
        QVERIFY(delegate->needsUnlockScreen());
        const AlarmPtr alarm = addAlarm(7, 30, 2);
        QVERIFY(KeyedArchive::writeFile(
            RingStatusFile::path(),
            QJsonObject{{"rStatus", false}, {"rAlarmClock", KeyedArchiver::archivedObject(alarm.get())}}));
        becomeActive();
        QVERIFY(presenter->screens.isEmpty());
        QFile garbage(RingStatusFile::path());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x00\x01garbage", 9);
        garbage.close();
        becomeActive();
        QVERIFY(presenter->screens.isEmpty());
        QVERIFY(!delegate->alarmRinging() && !delegate->checkingForUnlockScreen());
    }

    // A snooze repeat of the ringing alarm while its screen is up changes nothing
    // (a second decision while a screen slides in: the table below).
    void snoozeRepeatWhileItsScreenIsUpDoesNothing()
    {
        const AlarmPtr alarm = addAlarm(7, 30, 0);
        delegate->notificationReceived(stored(alarm, "0"));
        becomeActive();
        delegate->notificationReceived(stored(alarm, "0"));
        becomeActive();
        QCOMPARE(presenter->screens.size(), 1);
        QVERIFY(!delegate->needsUnlockScreen());
    }

    // The service hands over everything that fell due at once, or a second
    // alarm arrives while the first screen slides in or is up: each one rings
    // in turn, never over the first while it closes, and each one is settled.
    void alarmsArrivingTogetherEachRingAndSettle_data()
    {
        QTest::addColumn<int>("firstScreen"); // how far the first screen got: 0 not asked for, 1 sliding in, 2 up
        QTest::newRow("back to back before any screen") << 0;
        QTest::newRow("the second while the first slides in") << 1;
        QTest::newRow("the second while the first is up") << 2;
    }
    void alarmsArrivingTogetherEachRingAndSettle()
    {
        QFETCH(int, firstScreen);
        presenter->completeAtOnce = false;
        const AlarmPtr first = addAlarm(7, 30, 0);
        const AlarmPtr second = addAlarm(7, 31, 8, 1); // weekly, Wednesday
        pinned->clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        delegate->notificationReceived(stored(first, "0"));
        if (firstScreen > 0) {
            becomeActive();
            QCOMPARE(presenter->screens.size(), 1);
            QVERIFY(presenter->pending && delegate->checkingForUnlockScreen()); // still sliding in
        }
        if (firstScreen > 1)
            presenter->finish();
        delegate->notificationReceived(stored(second, "8"));
        becomeActive();
        presenter->finish();
        QCOMPARE(presenter->screens.size(), 1);
        QCOMPARE(shownAlarm(0), first->identifier);
        QVERIFY(delegate->needsUnlockScreen());

        pinned->clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 33));
        QSignalSpy settled(delegate.get(), &AppCore::alarmSettled);
        winGame(); // settles the first only
        QVERIFY(!manager.alarmWithIdentifier(first->identifier)->active);
        QCOMPARE(stored(second, "8").fireDate, at("Europe/Berlin", 2026, 12, 9, 7, 31)); // not yet settled
        becomeActive(); // not over the first while it closes (closing it would take the second along)
        QCOMPARE(presenter->screens.size(), 1);
        presenter->close(0);
        QTRY_COMPARE(presenter->screens.size(), 2);
        QCOMPARE(shownAlarm(1), second->identifier);
        presenter->finish();
        winGame();
        QCOMPARE(settled.size(), 2);
        QVERIFY(!delegate->needsUnlockScreen() && !delegate->alarmRinging() && !delegate->checkingForUnlockScreen());
        QCOMPARE(stored(second, "8").fireDate, at("Europe/Berlin", 2026, 12, 16, 7, 31));
        QCOMPARE(store->scheduler().scheduledLocalNotifications(), LocalNotificationList{stored(second, "8")});
    }

    void unknownOrMissingUnlockerRingsWithTheTapGame()
    {
        const AlarmPtr blow = addAlarm(7, 30, 0, 3); // no blow screen registered here
        const AlarmPtr none = addAlarm(7, 40, 0);
        none->unlocker.reset();
        QVERIFY(manager.addOneTime(none));
        for (const AlarmPtr &alarm : {blow, none}) {
            delegate->notificationReceived(stored(alarm, "0"));
            becomeActive();
            QCOMPARE(presenter->screens.last()->objectName(), QString::fromLatin1(kTap));
            QCOMPARE(presenter->screens.last()->property("alarmIdentifier").toString(), alarm->identifier);
            winGame();
            presenter->close(int(presenter->screens.size()) - 1);
        }
        QCOMPARE(presenter->screens.size(), 2);
    }

    void withoutAWindowTheOutcomeIsVisibleAndNothingSticks()
    {
        presenter.reset(); // no window layer
        const AlarmPtr alarm = addAlarm(7, 30, 0);
        QSignalSpy unavailable(delegate.get(), &AppCore::unlockScreenUnavailable);
        delegate->notificationReceived(stored(alarm, "0"));
        becomeActive();
        QCOMPARE(unavailable.size(), 1);
        QCOMPARE(unavailable[0][0].toString(), QString::fromLatin1(kTap));
        QVERIFY(!delegate->alarmRinging() && !delegate->checkingForUnlockScreen());
        QVERIFY(delegate->needsUnlockScreen()); // tried again at the next activation
        presenter = std::make_unique<HoldingPresenter>();
        becomeActive();
        QCOMPARE(presenter->screens.size(), 1);
    }

    // A ring arriving in the background shows its screen once the app is in
    // front; its status is written as soon as the screen is up, and again when
    // the app goes to the background or is short of memory.
    void ringStatusWrittenOnlyWhileRinging()
    {
        const AlarmPtr alarm = addAlarm(7, 30, 0);
        ApplicationLifecycle::shared().becomeActive();
        ApplicationLifecycle::shared().enterBackground();
        QVERIFY(!RingStatusFile::exists());
        delegate->notificationReceived(stored(alarm, "0"));
        QVERIFY(presenter->screens.isEmpty());
        becomeActive();
        QCOMPARE(shownAlarm(0), alarm->identifier);
        QCOMPARE(RingStatusFile::read()->identifier, alarm->identifier);
        RingStatusFile::remove();
        ApplicationLifecycle::shared().enterBackground();
        QVERIFY(RingStatusFile::exists());
        RingStatusFile::remove();
        ApplicationLifecycle::shared().memoryWarning();
        QVERIFY(RingStatusFile::exists());
    }

    void missedAlarmIsReportedAndRescheduled()
    {
        const AlarmPtr alarm = addAlarm(7, 30, 8);
        const LocalNotification late = stored(alarm, "8");
        pinned->clock().setNow(at("Europe/Berlin", 2026, 12, 9, 9, 0));
        QSignalSpy missed(delegate.get(), &AppCore::alarmMissed);
        delegate->notificationMissed(late);
        QCOMPARE(missed.size(), 1);
        QCOMPARE(stored(alarm, "8").fireDate, at("Europe/Berlin", 2026, 12, 16, 7, 30));
    }

    void cleanUpNeverCancelsAChangeMadeAfterItStarted()
    {
        // Queued clean-up, then a schedule change before it runs.
        delegate->checkForRingingAlarm();
        const AlarmPtr added = addAlarm(8, 0, 127);
        QCoreApplication::processEvents();
        QCOMPARE(store->scheduler().scheduledLocalNotifications().size(), 7);

        // Clean-ups on the main thread while another thread keeps adding alarms.
        std::atomic<int> added_count{0};
        QThread *writer = QThread::create([&] {
            for (int i = 0; i < 8; ++i) {
                auto alarm = std::make_shared<Alarm>();
                alarm->setTimeOfDay(QTime(9, i));
                alarm->repeatMask = 0;
                if (manager.addOneTime(alarm))
                    ++added_count;
            }
        });
        writer->start();
        while (!writer->isFinished()) {
            delegate->repairSchedule();
            QCoreApplication::processEvents();
        }
        writer->wait();
        delete writer;
        QCOMPARE(added_count.load(), 8);
        delegate->repairSchedule();
        QCOMPARE(store->scheduler().scheduledLocalNotifications().size(), 7 + 8);
        int claimed = 0;
        for (const auto &alarm : manager.reload())
            claimed += alarm->scheduledNotifications->size();
        QCOMPARE(claimed, 15);
    }
};

QTEST_GUILESS_MAIN(TestRingDispatch)
#include "tst_ringdispatch.moc"
