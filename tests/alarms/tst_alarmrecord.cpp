#include "alarms/RandomizedString.h"
#include "alarms/ZEBAlarmClock.h"
#include "unlockers/ZEBUnlockerManager.h"
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

ZEBAlarmClockPtr roundTrip(const ZEBAlarmClock &alarm)
{
    const QJsonValue archived = KeyedArchiver::archivedObject(&alarm);
    return ZEBAlarmClock::fromArchive(archived);
}
} // namespace

class TestAlarmRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults()
    {
        TestSupport::PinnedClock pinned(TestSupport::at("Europe/Berlin", 2026, 12, 9, 8, 0));
        ZEBAlarmClock a, b;
        QCOMPARE(a.dateChoosingMask, 0u);
        QCOMPARE(a.alarmTime, TestSupport::at("Europe/Berlin", 2026, 12, 9, 7, 0));
        QCOMPARE(a.ringFileString, QStringLiteral("Airship.mp3"));
        QCOMPARE(a.wakeupSlogan, QStringLiteral("Wakeup Slogan"));
        QVERIFY(a.snooze && a.active && a.stop);
        QCOMPARE(a.unlocker->unlockerKind, 0);
        QVERIFY(a.referenceNotificationsDic->isEmpty());
        QVERIFY(a.identifier != b.identifier);
        for (const QString &id : {a.identifier, b.identifier}) {
            QCOMPARE(id.size(), 8);
            for (QChar c : id)
                QVERIFY(RandomizedString::defaultAlphabet().contains(c));
        }
        QCOMPARE(RandomizedString::defaultAlphabet().size(), 62);
        QCOMPARE(RandomizedString::randomizedStringWithAlphabet(QStringLiteral("ab"), 0), QString());
    }

    void codingKeepsEveryField()
    {
        ZEBAlarmClock alarm;
        alarm.dateChoosingMask = 62;
        TestSupport::PinnedClock pinned(TestSupport::at("Europe/Berlin", 2027, 3, 27, 12, 0));
        alarm.setTimeOfDay(QTime(2, 30), QDate(2027, 3, 28)); // a time the clocks skip that night
        alarm.ringFileString = QStringLiteral("Wormhole.mp3");
        alarm.wakeupSlogan = QStringLiteral("Aufstehen – 起床");
        alarm.unlocker = std::make_shared<ZEBAlarmClockUnlocker>(3);
        alarm.snooze = false;
        alarm.active = false;
        alarm.stop = false;
        alarm.referenceNotificationsDic->insert(QStringLiteral("2"), sampleNotification(alarm.alarmTime.addDays(1)));
        alarm.referenceNotificationsDic->insert(QStringLiteral("64"), sampleNotification(alarm.alarmTime.addDays(6)));

        const ZEBAlarmClockPtr back = roundTrip(alarm);
        QVERIFY(back);
        QCOMPARE(back->dateChoosingMask, 62u);
        QCOMPARE(back->alarmTime, alarm.alarmTime);
        QCOMPARE(back->timeOfDay(), QTime(2, 30));
        QCOMPARE(back->ringFileString, alarm.ringFileString);
        QCOMPARE(back->identifier, alarm.identifier);
        QCOMPARE(back->wakeupSlogan, alarm.wakeupSlogan);
        QCOMPARE(back->unlocker->unlockerKind, 3);
        QCOMPARE(back->unlocker->refrenceVCClassName, QStringLiteral("ZEBAlarmClockUnlockerBlowUFOViewController"));
        QVERIFY(!back->snooze && !back->active && !back->stop);
        QCOMPARE(*back->referenceNotificationsDic, *alarm.referenceNotificationsDic);
    }

    void missingKeysDecodeEmptyNotDefault()
    {
        ZEBAlarmClock alarm;
        QJsonObject archived = KeyedArchiver::archivedObject(&alarm).toObject();
        archived.remove(QStringLiteral("WakeupSlogan"));
        archived.remove(QStringLiteral("Active"));
        archived.remove(QStringLiteral("Unlocker"));
        const ZEBAlarmClockPtr back = ZEBAlarmClock::fromArchive(archived);
        QVERIFY(back);
        QVERIFY(back->wakeupSlogan.isNull());
        QVERIFY(!back->active);
        QVERIFY(!back->unlocker);
        QVERIFY(!ZEBAlarmClock::fromArchive(QJsonObject{{QStringLiteral("$class"), QStringLiteral("Other")}}));
    }

    void copySharesTheNotificationDictionary()
    {
        ZEBAlarmClock alarm;
        const ZEBAlarmClockPtr copy = alarm.copy();
        QCOMPARE(copy->identifier, alarm.identifier);
        copy->referenceNotificationsDic->insert(QStringLiteral("0"), sampleNotification(QDateTime::currentDateTime()));
        QCOMPARE(alarm.referenceNotificationsDic->size(), 1);
        alarm.referenceNotificationsDic->clear();
        QVERIFY(copy->referenceNotificationsDic->isEmpty());
        QCOMPARE(copy->unlocker.get(), alarm.unlocker.get());
    }

    void decodedNotificationEqualsItsOriginal()
    {
        const LocalNotification n = sampleNotification(TestSupport::at("America/New_York", 2027, 1, 4, 6, 45));
        bool ok = false;
        const LocalNotification back = LocalNotification::fromArchive(n.toJson(), &ok);
        QVERIFY(ok);
        QCOMPARE(back, n);
        LocalNotification other = n;
        other.alertBody = QStringLiteral("something else");
        QVERIFY(other != n);
        other = n;
        other.fireDate = other.fireDate.addSecs(60);
        QVERIFY(other != n);
    }

    void maskBits()
    {
        QCOMPARE(ZEBAlarmClock::maskBitForQtDayOfWeek(7), 1u);  // Sunday
        QCOMPARE(ZEBAlarmClock::maskBitForQtDayOfWeek(1), 2u);  // Monday
        QCOMPARE(ZEBAlarmClock::maskBitForQtDayOfWeek(6), 64u); // Saturday
        quint32 weekdays = 0;
        for (int day = 1; day <= 5; ++day)
            weekdays |= ZEBAlarmClock::maskBitForQtDayOfWeek(day);
        QCOMPARE(weekdays, ZEBAlarmClock::kWeekdays);
    }

    void unlockerTable()
    {
        const ZEBAlarmClockUnlocker zero, explicitZero(0), unknown(7);
        QCOMPARE(KeyedArchiver::archivedObject(&zero), KeyedArchiver::archivedObject(&explicitZero));
        QCOMPARE(unknown.unlockerKind, 7);
        QCOMPARE(unknown.refrenceVCClassName, QStringLiteral("ZEBAlarmClockUnlockerTapViewController"));
        QCOMPARE(unknown.title, QStringLiteral("Peace Universe"));
        QCOMPARE(unknown.gameLevel, 1);
        QCOMPARE(ZEBAlarmClockUnlocker(2).refrenceVCClassName,
                 QStringLiteral("ZEBAlarmClockUnlockerShakeToLauchViewController"));
        QCOMPARE(ZEBAlarmClockUnlocker(0).illustrate, QStringLiteral("clock-setting-unlocker-illustrate5.jpg"));

        const auto first = ZEBUnlockerManager::sharedZEBUnlockerManager().availableUnlockers();
        const auto second = ZEBUnlockerManager::sharedZEBUnlockerManager().availableUnlockers();
        QCOMPARE(first.size(), 5);
        for (int kind = 0; kind < 5; ++kind) {
            QCOMPARE(first[kind]->unlockerKind, kind);
            QCOMPARE(first[kind]->gameLevel, kind + 1);
            QVERIFY(first[kind] != second[kind]);
            QCOMPARE(KeyedArchiver::archivedObject(first[kind].get()), KeyedArchiver::archivedObject(second[kind].get()));
        }
    }

    void unlockerIsASnapshot()
    {
        ZEBAlarmClockUnlocker u(4);
        u.title = QStringLiteral("微笑");
        u.refrenceVCClassName = QStringLiteral("SomeOtherScreen");
        const auto back = ZEBAlarmClockUnlocker::fromArchive(KeyedArchiver::archivedObject(&u));
        QVERIFY(back);
        QCOMPARE(KeyedArchiver::archivedObject(back.get()), KeyedArchiver::archivedObject(&u));
        const auto copy = u.copy();
        copy->title = QStringLiteral("changed");
        QCOMPARE(u.title, QStringLiteral("微笑"));
    }
};

QTEST_GUILESS_MAIN(TestAlarmRecord)
#include "tst_alarmrecord.moc"
