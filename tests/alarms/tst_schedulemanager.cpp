#include "alarms/ZEBAlarmClockManager.h"
#include "platform/AlertPresenter.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using TestSupport::at;

namespace {
class RecordingAlerts : public AlertPresenter
{
public:
    RecordingAlerts() { AlertPresenter::setShared(this); }
    ~RecordingAlerts() override { AlertPresenter::setShared(nullptr); }
    void presentAlert(const AlertRequest &alert) override { shown.append(alert); }
    QList<AlertRequest> shown;
};

ZEBAlarmClockPtr alarmAt(int hour, int minute, quint32 mask)
{
    auto alarm = std::make_shared<ZEBAlarmClock>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->dateChoosingMask = mask;
    return alarm;
}

void fillPending(int count)
{
    NotificationStore::Contents contents = NotificationStore::load();
    for (int i = 0; i < count; ++i) {
        LocalNotification n;
        n.fireDate = QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(60 * i);
        n.alertBody = QStringLiteral("other");
        contents.pending.append(n);
    }
    NotificationStore::save(contents);
}
} // namespace

class TestScheduleManager : public QObject
{
    Q_OBJECT
    ZEBAlarmClockManager &manager = ZEBAlarmClockManager::sharedZEBAlarmClockManager();
    LocalNotificationScheduler &scheduler() { return LocalNotificationScheduler::shared(); }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        manager.alarmClocksOnSystemSchedule();
    }

    void oneTimeAlarmFromWednesdayMorning_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("07:30 -> Thursday") << QTime(7, 30) << at("Europe/Berlin", 2026, 12, 10, 7, 30);
        QTest::newRow("09:00 -> today") << QTime(9, 0) << at("Europe/Berlin", 2026, 12, 9, 9, 0);
        QTest::newRow("08:00 same minute -> Thursday") << QTime(8, 0) << at("Europe/Berlin", 2026, 12, 10, 8, 0);
    }
    void oneTimeAlarmFromWednesdayMorning()
    {
        QFETCH(QTime, time);
        QFETCH(QDateTime, expected);
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr alarm = alarmAt(time.hour(), time.minute(), 0);
        QVERIFY(manager.addAlarmClockWithoutMask(alarm));
        const ZEBAlarmClockList stored = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0]->referenceNotificationsDic->keys(), QStringList{QStringLiteral("0")});
        QCOMPARE(stored[0]->referenceNotificationsDic->value(QStringLiteral("0")).fireDate, expected);
        QCOMPARE(stored[0]->alarmTime, expected);
        const LocalNotificationList pending = scheduler().scheduledLocalNotifications();
        QCOMPARE(pending.size(), 1);
        QCOMPARE(pending[0], stored[0]->referenceNotificationsDic->value(QStringLiteral("0")));
        QCOMPARE(pending[0].alertAction, QStringLiteral("Rock & Roll"));
        QCOMPARE(pending[0].alertBody, alarm->wakeupSlogan);
        QCOMPARE(pending[0].repeatInterval, LocalNotification::kRepeatSecond);
    }

    void weeklyAlarmGetsOneNotificationPerDay()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr alarm = alarmAt(7, 30, 62);
        alarm->snooze = false;
        QVERIFY(manager.addAlarmClockWithMask(alarm));
        const NotificationDictionary dict = *manager.alarmClocksOnSystemSchedule()[0]->referenceNotificationsDic;
        const QMap<QString, int> expectedDay{{"2", 14}, {"4", 15}, {"8", 16}, {"16", 10}, {"32", 11}};
        QCOMPARE(dict.size(), 5);
        for (auto it = expectedDay.cbegin(); it != expectedDay.cend(); ++it) {
            QVERIFY2(dict.contains(it.key()), qPrintable(it.key()));
            QCOMPARE(dict[it.key()].fireDate, at("Europe/Berlin", 2026, 12, it.value(), 7, 30));
            QCOMPARE(dict[it.key()].repeatInterval, LocalNotification::kRepeatNone);
        }
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 5);
        // The stored record's own time lies today.
        QCOMPARE(alarm->alarmTime.date(), QDate(2026, 12, 9));

        const ZEBAlarmClockPtr later = alarmAt(9, 0, 62);
        QVERIFY(manager.addAlarmClockWithMask(later));
        QCOMPARE(later->referenceNotificationsDic->value(QStringLiteral("8")).fireDate,
                 at("Europe/Berlin", 2026, 12, 9, 9, 0));
    }

    void budget()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        fillPending(60);
        const ZEBAlarmClockPtr refused = alarmAt(7, 30, 62);
        QVERIFY(!manager.addAlarmClockWithMask(refused));
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Add Alarm Failed"));
        QCOMPARE(alerts.shown[0].message,
                 QStringLiteral("Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again."));
        QCOMPARE(alerts.shown[0].buttons.size(), 1);
        QCOMPARE(alerts.shown[0].buttons[0].title, QStringLiteral("Dismiss"));
        QCOMPARE(alerts.shown[0].buttons[0].type, AlertButton::Type::Cancel);
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 60);
        QVERIFY(manager.alarmClocksOnSystemSchedule().isEmpty()); // a new alarm is not added

        // 59 pending: five more fit exactly.
        scheduler().cancelLocalNotification(scheduler().scheduledLocalNotifications().first());
        const ZEBAlarmClockPtr accepted = alarmAt(7, 30, 62);
        QVERIFY(manager.addAlarmClockWithMask(accepted));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 64);
        // Re-saving it is accepted: its own five are cancelled first.
        accepted->wakeupSlogan = QStringLiteral("changed");
        QVERIFY(manager.addAlarmClockWithMask(accepted));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 64);
        QCOMPARE(alerts.shown.size(), 1);
    }

    void refusedSaveOfStoredAlarmLeavesItInactive()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        const ZEBAlarmClockPtr alarm = alarmAt(6, 0, 0);
        QVERIFY(manager.addAlarmClockWithoutMask(alarm));
        fillPending(63);
        alarm->dateChoosingMask = 127; // now needs seven, only one slot left after its own is freed
        QVERIFY(!manager.addAlarmClockWithMask(alarm));
        const ZEBAlarmClockList stored = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(stored.size(), 1);
        QVERIFY(!stored[0]->active);
        QVERIFY(stored[0]->referenceNotificationsDic->isEmpty());
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 63);
    }

    void replaceOrAppend()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr a = alarmAt(6, 0, 0), b = alarmAt(6, 30, 0), c = alarmAt(7, 0, 2);
        for (const auto &alarm : {a, b, c})
            QVERIFY(manager.activateAlarmClock(alarm));
        const auto ids = [this] {
            QStringList list;
            for (const auto &alarm : manager.alarmClocksOnSystemSchedule())
                list << alarm->identifier;
            return list;
        };
        QCOMPARE(ids(), (QStringList{a->identifier, b->identifier, c->identifier}));
        // Saving a copy (as the editor does) replaces the entry and moves it to the end.
        const ZEBAlarmClockPtr edited = a->copy();
        edited->wakeupSlogan = QStringLiteral("edited");
        QVERIFY(manager.addAlarmClockWithoutMask(edited));
        QCOMPARE(ids(), (QStringList{b->identifier, c->identifier, a->identifier}));
        QCOMPARE(manager.alarmClocksOnSystemSchedule().last()->wakeupSlogan, QStringLiteral("edited"));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 3);

        manager.deleteAlarmClock(b);
        QCOMPARE(ids(), (QStringList{c->identifier, a->identifier}));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 2);
        manager.deleteAlarmClock(b); // not in the list: nothing
        QCOMPARE(ids().size(), 2);

        manager.invalidateAlarmClock(c); // the off switch
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 1);
        QVERIFY(manager.alarmClocksOnSystemSchedule()[0]->referenceNotificationsDic->isEmpty());
    }

    void randomSoundIsPickedOncePerAdd()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        for (int round = 0; round < 20; ++round) {
            const ZEBAlarmClockPtr alarm = alarmAt(7, 0, 127);
            alarm->ringFileString = QStringLiteral("RandomSound");
            QVERIFY(manager.addAlarmClockWithMask(alarm));
            QSet<QString> sounds;
            for (const LocalNotification &n : std::as_const(*alarm->referenceNotificationsDic))
                sounds.insert(n.soundName);
            QCOMPARE(sounds.size(), 1);
            // Never the marker itself: that would ring in silence.
            QVERIFY(sounds.values().first().endsWith(QLatin1String(".mp3")));
            manager.deleteAlarmClock(alarm);
        }
    }

    void rungWeeklyAlarmMovesToNextWeek()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr alarm = alarmAt(7, 30, 8 | 16);
        QVERIFY(manager.addAlarmClockWithMask(alarm));
        QCOMPARE(alarm->referenceNotificationsDic->value("8").fireDate, at("Europe/Berlin", 2026, 12, 9, 7, 30));
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        manager.deleteAlarmClockAndRefreshAlarmClock(manager.alarmClocksOnSystemSchedule()[0]);
        const ZEBAlarmClockPtr stored = manager.alarmClocksOnSystemSchedule()[0];
        QVERIFY(stored->active);
        QCOMPARE(stored->referenceNotificationsDic->value("8").fireDate, at("Europe/Berlin", 2026, 12, 16, 7, 30));
        QCOMPARE(stored->referenceNotificationsDic->value("16").fireDate, at("Europe/Berlin", 2026, 12, 10, 7, 30));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 2);
    }

    void rungOneTimeAlarmEndsOffWithNothingPending()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr other = alarmAt(9, 0, 0);
        const ZEBAlarmClockPtr rung = alarmAt(7, 30, 0);
        QVERIFY(manager.addAlarmClockWithoutMask(other));
        QVERIFY(manager.addAlarmClockWithoutMask(rung));
        QSignalSpy broadcasts(&NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        manager.deleteAlarmClockAndRefreshAlarmClock(manager.ringingAlarmClockWithIdentifier(rung->identifier));

        const ZEBAlarmClockList stored = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(stored.size(), 2);
        const ZEBAlarmClockPtr storedRung = manager.ringingAlarmClockWithIdentifier(rung->identifier);
        QVERIFY(!storedRung->active);
        QVERIFY(storedRung->referenceNotificationsDic->isEmpty());
        const ZEBAlarmClockPtr storedOther = manager.ringingAlarmClockWithIdentifier(other->identifier);
        QVERIFY(storedOther->active);
        QCOMPARE(storedOther->referenceNotificationsDic->size(), 1);
        QCOMPARE(scheduler().scheduledLocalNotifications(),
                 LocalNotificationList{storedOther->referenceNotificationsDic->value("0")});
        QCOMPARE(broadcasts.size(), 1);
        QCOMPARE(broadcasts[0][0].toString(), ZEBAlarmClockManager::AlarmClockStatusChanged);
        QCOMPARE(broadcasts[0][1], QVariant(false));
    }

    void changesByAnotherProcessAreKept()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClockPtr mine = alarmAt(6, 0, 0);
        QVERIFY(manager.addAlarmClockWithoutMask(mine));
        // The command-line tool adds an alarm: the file changes under this process's list.
        auto theirs = std::make_shared<ZEBAlarmClock>();
        QJsonArray root{KeyedArchiver::archivedObject(mine.get()), KeyedArchiver::archivedObject(theirs.get())};
        QVERIFY(KeyedArchive::writeFile(ZEBAlarmClockManager::alarmFilePath(), root));
        manager.invalidateAlarmClock(mine); // this process's next change
        QStringList ids;
        for (const auto &alarm : manager.alarmClocksOnSystemSchedule())
            ids << alarm->identifier;
        QCOMPARE(ids, (QStringList{mine->identifier, theirs->identifier}));
    }

    void damagedAlarmFileReadsAsMissingAndIsKept()
    {
        QFile file(ZEBAlarmClockManager::alarmFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"archive\": \"tolvek-keyed-archive\", \"root\": [ {\"$class\": ");
        file.close();
        QVERIFY(manager.alarmClocksOnSystemSchedule().isEmpty());
        QVERIFY(!QFile::exists(ZEBAlarmClockManager::alarmFilePath()));
        const QStringList aside = QDir(Paths::documentsDirectory()).entryList({QStringLiteral("accache.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(Paths::documentPath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().contains("$class"));
    }

    void foreignElementsAreDropped()
    {
        TestSupport::StoreOnlyScheduler store;
        const ZEBAlarmClock alarm;
        QJsonArray root{KeyedArchiver::archivedObject(&alarm), QJsonObject{{"$class", "Something"}}, 42};
        QVERIFY(KeyedArchive::writeFile(ZEBAlarmClockManager::alarmFilePath(), root));
        const ZEBAlarmClockList list = manager.alarmClocksOnSystemSchedule();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0]->identifier, alarm.identifier);
        KeyedArchive::writeFile(ZEBAlarmClockManager::alarmFilePath(), QJsonObject{{"not", "an array"}});
        QVERIFY(manager.alarmClocksOnSystemSchedule().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScheduleManager)
#include "tst_schedulemanager.moc"
