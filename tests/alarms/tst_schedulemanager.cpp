#include "alarms/AlarmChanges.h"
#include "alarms/AlarmSchedule.h"
#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using TestSupport::at;

namespace {
using TestSupport::fillPending;
using TestSupport::RecordingAlerts;

AlarmPtr alarmAt(int hour, int minute, quint32 mask)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->repeatMask = mask;
    return alarm;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList asideCopies(const QString &name)
{
    return QDir(Paths::documentsDirectory()).entryList({name + QStringLiteral(".damaged-*")}, QDir::Files);
}

QJsonValue archivedRoot()
{
    return QJsonDocument::fromJson(readAll(AlarmSchedule::alarmFilePath())).object().value(QStringLiteral("root"));
}

} // namespace

class TestScheduleManager : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();
    LocalNotificationScheduler &scheduler() { return LocalNotificationScheduler::shared(); }

private Q_SLOTS:
    void init()
    {
        TestSupport::wipeUserData();
        manager.reload();
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
        const AlarmPtr alarm = alarmAt(time.hour(), time.minute(), 0);
        QVERIFY(manager.addOneTime(alarm));
        const AlarmList stored = manager.reload();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0]->scheduledNotifications->keys(), QStringList{QStringLiteral("0")});
        QCOMPARE(stored[0]->scheduledNotifications->value(QStringLiteral("0")).fireDate, expected);
        QCOMPARE(stored[0]->alarmTime, expected);
        const LocalNotificationList pending = scheduler().scheduledLocalNotifications();
        QCOMPARE(pending.size(), 1);
        QCOMPARE(pending[0], stored[0]->scheduledNotifications->value(QStringLiteral("0")));
        QCOMPARE(pending[0].alertAction, QStringLiteral("Rock & Roll"));
        QCOMPARE(pending[0].alertBody, alarm->slogan);
        QCOMPARE(pending[0].repeatInterval, LocalNotification::kRepeatSecond);
    }

    void weeklyAlarmGetsOneNotificationPerDay()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr alarm = alarmAt(7, 30, 62);
        alarm->snooze = false;
        QVERIFY(manager.addRepeating(alarm));
        const NotificationDictionary dict = *manager.reload()[0]->scheduledNotifications;
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

        const AlarmPtr later = alarmAt(9, 0, 62);
        QVERIFY(manager.addRepeating(later));
        QCOMPARE(later->scheduledNotifications->value(QStringLiteral("8")).fireDate,
                 at("Europe/Berlin", 2026, 12, 9, 9, 0));
    }

    void budget()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        fillPending(60);
        const AlarmPtr refused = alarmAt(7, 30, 62);
        QVERIFY(!manager.addRepeating(refused));
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Add Alarm Failed"));
        QCOMPARE(alerts.shown[0].message,
                 QStringLiteral("Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again."));
        QCOMPARE(alerts.shown[0].buttons.size(), 1);
        QCOMPARE(alerts.shown[0].buttons[0].title, QStringLiteral("Dismiss"));
        QCOMPARE(alerts.shown[0].buttons[0].type, AlertButton::Type::Cancel);
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 60);
        QVERIFY(manager.reload().isEmpty()); // a new alarm is not added

        // 59 pending: five more fit exactly.
        scheduler().cancelLocalNotification(scheduler().scheduledLocalNotifications().first());
        const AlarmPtr accepted = alarmAt(7, 30, 62);
        QVERIFY(manager.addRepeating(accepted));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 64);
        // Re-saving it is accepted: its own five are cancelled first.
        accepted->slogan = QStringLiteral("changed");
        QVERIFY(manager.addRepeating(accepted));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 64);
        QCOMPARE(alerts.shown.size(), 1);
    }

    void refusedSaveOfStoredAlarmLeavesItInactive()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        const AlarmPtr alarm = alarmAt(6, 0, 0);
        QVERIFY(manager.addOneTime(alarm));
        fillPending(63);
        alarm->repeatMask = 127; // now needs seven, only one slot left after its own is freed
        QVERIFY(!manager.addRepeating(alarm));
        const AlarmList stored = manager.reload();
        QCOMPARE(stored.size(), 1);
        QVERIFY(!stored[0]->active);
        QVERIFY(stored[0]->scheduledNotifications->isEmpty());
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 63);
    }

    void savedChangesGoOntoTheAlarmAsStoredNow()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr alarm = alarmAt(6, 0, Alarm::kWeekdays);
        QVERIFY(manager.addRepeating(alarm));
        const AlarmPtr screenCopy = manager.reload().first()->copy(); // what a setting screen holds
        // Another process changes the slogan meanwhile.
        const AlarmPtr elsewhere = manager.reload().first();
        elsewhere->slogan = QStringLiteral("changed elsewhere");
        QVERIFY(manager.writeAlarmFile({elsewhere}));

        AlarmChanges changes;
        changes.time = QTime(6, 15);
        QVERIFY(manager.saveChanges(screenCopy, changes));
        const AlarmList stored = manager.reload();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0]->timeOfDay(), QTime(6, 15));
        QCOMPARE(stored[0]->slogan, QStringLiteral("changed elsewhere"));
        QVERIFY(stored[0]->active);
        const LocalNotificationList pending = scheduler().scheduledLocalNotifications();
        QCOMPARE(pending.size(), 5);
        for (const LocalNotification &n : pending) {
            QCOMPARE(n.fireDate.toTimeZone(QTimeZone("Europe/Berlin")).time(), QTime(6, 15));
            QCOMPARE(n.alertBody, QStringLiteral("changed elsewhere"));
        }

        // Not in the file: the alarm given is added as it is, switched on.
        const AlarmPtr fresh = alarmAt(21, 0, 0);
        fresh->active = false;
        QVERIFY(manager.saveChanges(fresh, {}));
        QCOMPARE(manager.reload().size(), 2);
        QVERIFY(manager.reload().last()->active);
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 6);
    }

    void refusedSavedChangesChangeNothing()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        const AlarmPtr alarm = alarmAt(6, 0, Alarm::kMonday);
        QVERIFY(manager.addRepeating(alarm));
        fillPending(60);
        QFile file(AlarmSchedule::alarmFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const LocalNotificationList pendingBefore = scheduler().scheduledLocalNotifications();

        AlarmChanges changes;
        changes.mask = Alarm::kWeekdays; // five, where four fit once its own one is freed
        changes.slogan = QStringLiteral("edited");
        QVERIFY(!manager.saveChanges(alarm, changes));
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Add Alarm Failed"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();
        QCOMPARE(scheduler().scheduledLocalNotifications(), pendingBefore);
        QCOMPARE(manager.alarms().first()->slogan, alarm->slogan); // the list in memory too

        changes.mask = Alarm::kMonday | Alarm::kTuesday | Alarm::kWednesday | Alarm::kThursday;
        QVERIFY(manager.saveChanges(alarm, changes));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 64);
        QCOMPARE(manager.reload().first()->slogan, QStringLiteral("edited"));
    }

    void replaceOrAppend()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr a = alarmAt(6, 0, 0), b = alarmAt(6, 30, 0), c = alarmAt(7, 0, 2);
        for (const auto &alarm : {a, b, c})
            QVERIFY(manager.activate(alarm));
        const auto ids = [this] {
            QStringList list;
            for (const auto &alarm : manager.reload())
                list << alarm->identifier;
            return list;
        };
        QCOMPARE(ids(), (QStringList{a->identifier, b->identifier, c->identifier}));
        // Saving a copy (as the editor does) replaces the entry and moves it to the end.
        const AlarmPtr edited = a->copy();
        edited->slogan = QStringLiteral("edited");
        QVERIFY(manager.addOneTime(edited));
        QCOMPARE(ids(), (QStringList{b->identifier, c->identifier, a->identifier}));
        QCOMPARE(manager.reload().last()->slogan, QStringLiteral("edited"));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 3);

        manager.remove(b);
        QCOMPARE(ids(), (QStringList{c->identifier, a->identifier}));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 2);
        manager.remove(b); // not in the list: nothing
        QCOMPARE(ids().size(), 2);

        manager.deactivate(c); // the off switch
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 1);
        QVERIFY(manager.reload()[0]->scheduledNotifications->isEmpty());
    }

    void randomSoundIsPickedOncePerAdd()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        for (int round = 0; round < 20; ++round) {
            const AlarmPtr alarm = alarmAt(7, 0, 127);
            alarm->soundFile = QStringLiteral("RandomSound");
            QVERIFY(manager.addRepeating(alarm));
            QSet<QString> sounds;
            for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications))
                sounds.insert(n.soundName);
            QCOMPARE(sounds.size(), 1);
            // Never the marker itself: that would ring in silence.
            QVERIFY(sounds.values().first().endsWith(QLatin1String(".mp3")));
            manager.remove(alarm);
        }
    }

    void rungWeeklyAlarmMovesToNextWeek()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr alarm = alarmAt(7, 30, 8 | 16);
        QVERIFY(manager.addRepeating(alarm));
        QCOMPARE(alarm->scheduledNotifications->value("8").fireDate, at("Europe/Berlin", 2026, 12, 9, 7, 30));
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        manager.settleRungAlarm(manager.reload()[0]);
        const AlarmPtr stored = manager.reload()[0];
        QVERIFY(stored->active);
        QCOMPARE(stored->scheduledNotifications->value("8").fireDate, at("Europe/Berlin", 2026, 12, 16, 7, 30));
        QCOMPARE(stored->scheduledNotifications->value("16").fireDate, at("Europe/Berlin", 2026, 12, 10, 7, 30));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 2);
    }

    void rungOneTimeAlarmEndsOffWithNothingPending()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 7, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr other = alarmAt(9, 0, 0);
        const AlarmPtr rung = alarmAt(7, 30, 0);
        QVERIFY(manager.addOneTime(other));
        QVERIFY(manager.addOneTime(rung));
        QSignalSpy broadcasts(&Broadcaster::shared(), &Broadcaster::posted);
        pinned.clock().setNow(at("Europe/Berlin", 2026, 12, 9, 7, 31));
        manager.settleRungAlarm(manager.alarmWithIdentifier(rung->identifier));

        const AlarmList stored = manager.reload();
        QCOMPARE(stored.size(), 2);
        const AlarmPtr storedRung = manager.alarmWithIdentifier(rung->identifier);
        QVERIFY(!storedRung->active);
        QVERIFY(storedRung->scheduledNotifications->isEmpty());
        const AlarmPtr storedOther = manager.alarmWithIdentifier(other->identifier);
        QVERIFY(storedOther->active);
        QCOMPARE(storedOther->scheduledNotifications->size(), 1);
        QCOMPARE(scheduler().scheduledLocalNotifications(),
                 LocalNotificationList{storedOther->scheduledNotifications->value("0")});
        QCOMPARE(broadcasts.size(), 1);
        QCOMPARE(broadcasts[0][0].toString(), AlarmSchedule::AlarmStatusChanged);
        QCOMPARE(broadcasts[0][1], QVariant(false));
    }

    void aDeleteThatCannotBeWrittenChangesNothing()
    {
        const AlarmPtr alarm = alarmAt(7, 0, Alarm::kWeekdays);
        QVERIFY(manager.addRepeating(alarm));
        {
            TestSupport::FileSizeLimit diskFull;
            QVERIFY(!manager.remove(alarm));
        }
        // Still stored and still ringing: not a stored alarm whose notifications are gone.
        QCOMPARE(manager.reload().size(), 1);
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 5);
        QVERIFY(manager.remove(alarm));
        QVERIFY(manager.reload().isEmpty());
        QVERIFY(scheduler().scheduledLocalNotifications().isEmpty());
        QVERIFY(manager.remove(alarm)); // already gone counts as removed
    }

    void switchingKeepsThePlaceAndReorderingKeepsNewcomers()
    {
        const AlarmPtr a = alarmAt(6, 0, Alarm::kWeekdays), b = alarmAt(7, 0, Alarm::kWeekdays),
                       c = alarmAt(8, 0, Alarm::kWeekdays);
        for (const AlarmPtr &alarm : {a, b, c})
            QVERIFY(manager.addRepeating(alarm));
        QVERIFY(manager.switchAlarm(a->identifier, false));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 10);
        QVERIFY(manager.switchAlarm(a->identifier, true));
        QCOMPARE(scheduler().scheduledLocalNotifications().size(), 15);
        QCOMPARE(manager.reload().first()->identifier, a->identifier);
        QVERIFY(!manager.switchAlarm(QStringLiteral("nobody"), true));

        // c was added by someone else after the order was taken: it stays.
        QVERIFY(manager.reorder({b->identifier, a->identifier, QStringLiteral("gone")}));
        QStringList order;
        for (const AlarmPtr &alarm : manager.reload())
            order << alarm->identifier;
        QCOMPARE(order, (QStringList{b->identifier, a->identifier, c->identifier}));
    }

    void changesByAnotherProcessAreKept()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        const AlarmPtr mine = alarmAt(6, 0, 0);
        QVERIFY(manager.addOneTime(mine));
        // The command-line tool adds an alarm: the file changes under this process's list.
        auto theirs = std::make_shared<Alarm>();
        QJsonArray root{KeyedArchiver::archivedObject(mine.get()), KeyedArchiver::archivedObject(theirs.get())};
        QVERIFY(KeyedArchive::writeFile(AlarmSchedule::alarmFilePath(), root));
        manager.deactivate(mine); // this process's next change
        QStringList ids;
        for (const auto &alarm : manager.reload())
            ids << alarm->identifier;
        QCOMPARE(ids, (QStringList{mine->identifier, theirs->identifier}));
    }

    void damagedAlarmFileReadsAsMissingAndIsKept()
    {
        QFile file(AlarmSchedule::alarmFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"archive\": \"tolvek-keyed-archive\", \"root\": [ {\"$class\": ");
        file.close();
        QVERIFY(manager.reload().isEmpty());
        QVERIFY(!QFile::exists(AlarmSchedule::alarmFilePath()));
        const QStringList aside = QDir(Paths::documentsDirectory()).entryList({QStringLiteral("accache.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(Paths::documentPath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().contains("$class"));
    }

    // Records nobody could use are never loaded as blank alarms, and never lost:
    // the file as it was is kept aside once, and the good records stay in it.
    void badRecordsAreKeptAsideAndGoodOnesStay()
    {
        TestSupport::StoreOnlyScheduler store;
        const Alarm alarm;
        QJsonObject blank = KeyedArchiver::archivedObject(&alarm).toObject();
        blank.remove(QStringLiteral("Identifier"));
        const QJsonArray root{KeyedArchiver::archivedObject(&alarm), QJsonObject{{"$class", "Something"}}, 42, blank,
                              KeyedArchiver::archivedObject(&alarm)};
        QVERIFY(KeyedArchive::writeFile(AlarmSchedule::alarmFilePath(), root));
        const QByteArray original = readAll(AlarmSchedule::alarmFilePath());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("4 records in .* cannot be read; kept them in .*accache.damaged-"));
        const AlarmList list = manager.reload();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0]->identifier, alarm.identifier);
        const QStringList aside = asideCopies(QStringLiteral("accache"));
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(Paths::documentPath(aside[0])), original);
        // Kept once: the file now holds the good record only.
        QCOMPARE(manager.reload().size(), 1);
        QCOMPARE(asideCopies(QStringLiteral("accache")).size(), 1);
        QCOMPARE(archivedRoot().toArray().size(), 1);
    }

    // Valid JSON of another shape is damage like any other: kept aside, not overwritten.
    void wrongShapeIsKeptAside()
    {
        TestSupport::StoreOnlyScheduler store;
        QVERIFY(KeyedArchive::writeFile(AlarmSchedule::alarmFilePath(), QJsonObject{{"not", "an array"}}));
        const QByteArray original = readAll(AlarmSchedule::alarmFilePath());
        QVERIFY(manager.reload().isEmpty());
        QVERIFY(manager.fileProblem().isEmpty());
        const QStringList aside = asideCopies(QStringLiteral("accache"));
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(Paths::documentPath(aside[0])), original);
        QVERIFY(manager.addOneTime(alarmAt(6, 0, 0)));
    }

    // A file that exists but cannot be read is an error, never an empty list to write over.
    void unreadableAlarmFileRefusesEveryChange()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        QVERIFY(QDir().mkpath(AlarmSchedule::alarmFilePath())); // a folder in its place
        QVERIFY(manager.reload().isEmpty());
        QVERIFY(manager.fileProblem().contains(QLatin1String("folder")));
        const AlarmPtr alarm = alarmAt(6, 0, 0);
        QVERIFY(!manager.addOneTime(alarm));
        QCOMPARE(manager.lastFailure(), AlarmSchedule::Failure::Storage);
        QVERIFY(!manager.unscheduleAll());
        QCOMPARE(alerts.shown.size(), 2);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Alarms Not Saved"));
        QVERIFY(alerts.shown[0].message.contains(QLatin1String("folder")));
        QVERIFY(QFileInfo(AlarmSchedule::alarmFilePath()).isDir());
        QVERIFY(scheduler().scheduledLocalNotifications().isEmpty());
    }

    // A full disk: the write fails, the previous files stay byte for byte, the user is told.
    void failedWriteChangesNothingAndSaysSo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"add", "edit", "off", "delete", "settle"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void failedWriteChangesNothingAndSaysSo()
    {
        QFETCH(QString, change);
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        const AlarmPtr stored = alarmAt(7, 30, 62);
        QVERIFY(manager.addRepeating(stored));
        const QByteArray alarms = readAll(AlarmSchedule::alarmFilePath());
        const QByteArray pending = readAll(NotificationStore::path());
        bool done = true;
        {
            TestSupport::FileSizeLimit full;
            const AlarmPtr target = manager.alarmWithIdentifier(stored->identifier);
            if (change == QLatin1String("add")) {
                done = manager.addOneTime(alarmAt(9, 0, 0));
            } else if (change == QLatin1String("edit")) {
                target->setTimeOfDay(QTime(6, 15));
                done = manager.activate(target);
            } else if (change == QLatin1String("off")) {
                done = manager.deactivate(target);
            } else if (change == QLatin1String("delete")) {
                done = manager.remove(target);
            } else {
                done = manager.settleRungAlarm(target);
            }
        }
        QVERIFY(!done);
        QCOMPARE(manager.lastFailure(), AlarmSchedule::Failure::Storage);
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Alarms Not Saved"));
        QCOMPARE(readAll(AlarmSchedule::alarmFilePath()), alarms);
        QCOMPARE(readAll(NotificationStore::path()), pending);
        QCOMPARE(manager.reload().size(), 1);
        QVERIFY(manager.reload()[0]->active);
    }

    // A file larger than the reader accepts would be set aside as damaged at the
    // next start, every alarm with it: such a save is refused instead.
    void saveTooLargeToReadBackIsRefused()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        QVERIFY(manager.addRepeating(alarmAt(7, 30, 62)));
        const QByteArray alarms = readAll(AlarmSchedule::alarmFilePath());
        const AlarmPtr huge = alarmAt(9, 0, 0);
        huge->slogan = QString(17 << 20, QLatin1Char('z'));
        QVERIFY(!manager.addOneTime(huge));
        QCOMPARE(manager.lastFailure(), AlarmSchedule::Failure::Storage);
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(readAll(AlarmSchedule::alarmFilePath()), alarms);
        QCOMPARE(manager.reload().size(), 1);
        QVERIFY(asideCopies(AlarmSchedule::alarmFilePath().section(QLatin1Char('/'), -1)).isEmpty());
    }

    // The second of the two writes fails: the alarm file is put back as it was.
    void failedPendingWritePutsTheAlarmFileBack()
    {
        TestSupport::PinnedClock pinned(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        TestSupport::StoreOnlyScheduler store;
        RecordingAlerts alerts;
        QVERIFY(manager.addOneTime(alarmAt(7, 30, 0)));
        const QByteArray alarms = readAll(AlarmSchedule::alarmFilePath());
        QVERIFY(QFile::remove(NotificationStore::path()));
        QVERIFY(QDir().mkpath(NotificationStore::path()));
        QVERIFY(!manager.addRepeating(alarmAt(8, 0, 2)));
        QCOMPARE(readAll(AlarmSchedule::alarmFilePath()), alarms);
        QCOMPARE(manager.reload().size(), 1);
        QCOMPARE(alerts.shown.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestScheduleManager)
#include "tst_schedulemanager.moc"
