#include "alarms/RandomizedString.h"
#include "alarms/Alarm.h"
#include "alarms/UnlockerCatalogue.h"
#include "TestSupport.h"

#include <QJsonObject>
#include <QTest>

class TestAlarmRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each alarm has its own id (alarms are found by it; a new one's other
    // fields: tst_alarmsetting). A time of day is kept as set, through the
    // archive too, even 02:30 on the night the clocks skip it (every stored
    // field, byte for byte: tst_alarmfile).
    void identifierAndTimeOfDay()
    {
        TestSupport::PinnedClock pinned(TestSupport::at("Europe/Berlin", 2027, 3, 27, 12, 0));
        Alarm a, b;
        QVERIFY(a.identifier != b.identifier);
        for (const QString &id : {a.identifier, b.identifier}) {
            QCOMPARE(id.size(), 8);
            for (QChar c : id)
                QVERIFY(RandomizedString::defaultAlphabet().contains(c));
        }
        a.setTimeOfDay(QTime(2, 30), QDate(2027, 3, 28));
        const AlarmPtr back = Alarm::fromArchive(KeyedArchiver::archivedObject(&a));
        QVERIFY(back);
        QCOMPARE(back->alarmTime, a.alarmTime);
        QCOMPARE(back->timeOfDay(), QTime(2, 30));
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
        copy->scheduledNotifications->insert(QStringLiteral("0"), LocalNotification());
        QCOMPARE(alarm.scheduledNotifications->size(), 1);
        QCOMPARE(copy->unlocker.get(), alarm.unlocker.get());
    }

    // An unknown kind plays the tap game; the catalogue hands out fresh copies; a
    // stored descriptor is used as stored.
    void unlockers()
    {
        const Unlocker unknown(7);
        QCOMPARE(unknown.screenName, QStringLiteral("ZEBAlarmClockUnlockerTapViewController"));
        const auto first = UnlockerCatalogue::shared().all();
        const auto second = UnlockerCatalogue::shared().all();
        QCOMPARE(first.size(), 5);
        for (int kind = 0; kind < 5; ++kind) {
            QCOMPARE(first[kind]->kind, kind);
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
