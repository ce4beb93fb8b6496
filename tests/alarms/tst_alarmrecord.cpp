#include "alarms/RandomizedString.h"
#include "alarms/Alarm.h"
#include "alarms/UnlockerCatalogue.h"
#include "TestSupport.h"

#include <QJsonObject>
#include <QTest>

namespace {
LocalNotification sampleNotification(const QDateTime &fire)
{
    LocalNotification n;
    n.fireDate = fire;
    n.timeZone = QStringLiteral("Europe/Berlin");
    n.repeatCalendar = QStringLiteral("gregorian");
    n.repeatInterval = LocalNotification::kRepeatSecond;
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = QStringLiteral("Up, up!");
    n.soundName = QStringLiteral("UFO.mp3");
    return n;
}
} // namespace

class TestAlarmRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults()
    {
        TestSupport::PinnedClock pinned(TestSupport::at("Europe/Berlin", 2026, 12, 9, 8, 0));
        Alarm a, b;
        QCOMPARE(a.repeatMask, 0u);
        QCOMPARE(a.alarmTime, TestSupport::at("Europe/Berlin", 2026, 12, 9, 7, 0));
        QCOMPARE(a.soundFile, QStringLiteral("Airship.mp3"));
        QCOMPARE(a.slogan, QStringLiteral("Wakeup Slogan"));
        QVERIFY(a.snooze && a.active && a.stop);
        QCOMPARE(a.unlocker->kind, 0);
        QVERIFY(a.scheduledNotifications->isEmpty());
        QVERIFY(a.identifier != b.identifier);
        for (const QString &id : {a.identifier, b.identifier}) {
            QCOMPARE(id.size(), 8);
            for (QChar c : id)
                QVERIFY(RandomizedString::defaultAlphabet().contains(c));
        }
    }

    void codingKeepsEveryField()
    {
        Alarm alarm;
        alarm.repeatMask = 62;
        TestSupport::PinnedClock pinned(TestSupport::at("Europe/Berlin", 2027, 3, 27, 12, 0));
        alarm.setTimeOfDay(QTime(2, 30), QDate(2027, 3, 28)); // a time the clocks skip that night
        alarm.soundFile = QStringLiteral("Wormhole.mp3");
        alarm.slogan = QStringLiteral("Aufstehen – 起床");
        alarm.unlocker = std::make_shared<Unlocker>(3);
        alarm.snooze = alarm.active = alarm.stop = false;
        alarm.scheduledNotifications->insert(QStringLiteral("2"), sampleNotification(alarm.alarmTime.addDays(1)));
        alarm.scheduledNotifications->insert(QStringLiteral("64"), sampleNotification(alarm.alarmTime.addDays(6)));

        const AlarmPtr back = Alarm::fromArchive(KeyedArchiver::archivedObject(&alarm));
        QVERIFY(back);
        QCOMPARE(back->repeatMask, 62u);
        QCOMPARE(back->alarmTime, alarm.alarmTime);
        QCOMPARE(back->timeOfDay(), QTime(2, 30));
        QCOMPARE(back->soundFile, alarm.soundFile);
        QCOMPARE(back->identifier, alarm.identifier);
        QCOMPARE(back->slogan, alarm.slogan);
        QCOMPARE(back->unlocker->kind, 3);
        QCOMPARE(back->unlocker->screenName, QStringLiteral("ZEBAlarmClockUnlockerBlowUFOViewController"));
        QVERIFY(!back->snooze && !back->active && !back->stop);
        QCOMPARE(*back->scheduledNotifications, *alarm.scheduledNotifications);
    }

    void missingKeysDecodeEmptyNotDefault()
    {
        Alarm alarm;
        QJsonObject archived = KeyedArchiver::archivedObject(&alarm).toObject();
        for (const char *key : {"WakeupSlogan", "Active", "Unlocker"})
            archived.remove(QLatin1String(key));
        const AlarmPtr back = Alarm::fromArchive(archived);
        QVERIFY(back);
        QVERIFY(back->slogan.isNull());
        QVERIFY(!back->active);
        QVERIFY(!back->unlocker);
        QVERIFY(!Alarm::fromArchive(QJsonObject{{QStringLiteral("$class"), QStringLiteral("Other")}}));
    }

    void copySharesTheNotificationDictionary()
    {
        Alarm alarm;
        const AlarmPtr copy = alarm.copy();
        QCOMPARE(copy->identifier, alarm.identifier);
        copy->scheduledNotifications->insert(QStringLiteral("0"), sampleNotification(QDateTime::currentDateTime()));
        QCOMPARE(alarm.scheduledNotifications->size(), 1);
        QCOMPARE(copy->unlocker.get(), alarm.unlocker.get());
    }

    // An unknown kind plays the tap game; the catalogue hands out fresh copies; a
    // stored descriptor is used as stored.
    void unlockers()
    {
        const Unlocker unknown(7);
        QCOMPARE(unknown.screenName, QStringLiteral("ZEBAlarmClockUnlockerTapViewController"));
        QCOMPARE(unknown.title, QStringLiteral("Peace Universe"));
        const auto first = UnlockerCatalogue::shared().all();
        const auto second = UnlockerCatalogue::shared().all();
        QCOMPARE(first.size(), 5);
        for (int kind = 0; kind < 5; ++kind) {
            QCOMPARE(first[kind]->kind, kind);
            QCOMPARE(first[kind]->gameLevel, kind + 1);
            QVERIFY(first[kind] != second[kind]);
        }

        Unlocker u(4);
        u.title = QStringLiteral("微笑");
        u.screenName = QStringLiteral("SomeOtherScreen");
        const auto back = Unlocker::fromArchive(KeyedArchiver::archivedObject(&u));
        QVERIFY(back);
        QCOMPARE(KeyedArchiver::archivedObject(back.get()), KeyedArchiver::archivedObject(&u));
        u.copy()->title = QStringLiteral("changed");
        QCOMPARE(u.title, QStringLiteral("微笑"));
    }
};

QTEST_GUILESS_MAIN(TestAlarmRecord)
#include "tst_alarmrecord.moc"
