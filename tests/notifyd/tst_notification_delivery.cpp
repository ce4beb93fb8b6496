// When pending notifications fall due: on time, repeating, late, missed, and
// after the clock or the time zone changed.
#include "platform/NotificationDelivery.h"

#include <QTest>

namespace {
const QTimeZone kOslo("Europe/Oslo");
const QTimeZone kNewYork("America/New_York");
const QDateTime kNow(QDate(2026, 3, 2), QTime(7, 0), kOslo);

LocalNotification notificationAt(const QDateTime &fire, int repeat = LocalNotification::kRepeatNone)
{
    LocalNotification n;
    n.fireDate = fire;
    n.timeZone = QString::fromUtf8(kOslo.id());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.repeatInterval = repeat;
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = QStringLiteral("Wake up!");
    n.soundName = QStringLiteral("UFO.mp3");
    return n;
}
} // namespace

class TestNotificationDelivery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void evaluate_data()
    {
        QTest::addColumn<qint64>("fireOffsetSecs"); // fire date relative to now
        QTest::addColumn<int>("repeat");
        QTest::addColumn<qint64>("lastCheckOffsetSecs"); // 1 = never looked before
        QTest::addColumn<QString>("expected");           // delivered / missed / waiting
        QTest::addColumn<bool>("staysPending");

        const int once = LocalNotification::kRepeatNone;
        const int snooze = LocalNotification::kRepeatSecond;
        QTest::newRow("due now") << qint64(0) << once << qint64(-30) << "delivered" << false;
        QTest::newRow("not yet due") << qint64(1) << once << qint64(-30) << "waiting" << true;
        QTest::newRow("late, under ten minutes") << qint64(-599) << once << qint64(-700) << "delivered" << false;
        QTest::newRow("late, over ten minutes") << qint64(-601) << once << qint64(-700) << "missed" << false;
        QTest::newRow("late, never looked") << qint64(-120) << once << qint64(1) << "delivered" << false;
        QTest::newRow("long late, never looked") << qint64(-3600) << once << qint64(1) << "missed" << false;
        QTest::newRow("snooze first ring") << qint64(0) << snooze << qint64(-30) << "delivered" << true;
        QTest::newRow("snooze repeat after a minute") << qint64(-60) << snooze << qint64(-1) << "delivered" << true;
        QTest::newRow("snooze between repeats") << qint64(-90) << snooze << qint64(-29) << "waiting" << true;
        QTest::newRow("snooze found late first time") << qint64(-900) << snooze << qint64(-1000) << "missed" << false;
        QTest::newRow("snooze keeps ringing after a gap") << qint64(-900) << snooze << qint64(-850) << "delivered"
                                                          << true;
        // The clock was set back: the last look lies ahead of now.
        QTest::newRow("clock set back, due") << qint64(0) << once << qint64(3600) << "delivered" << false;
        QTest::newRow("clock set back, not due") << qint64(60) << once << qint64(3600) << "waiting" << true;
    }

    void evaluate()
    {
        QFETCH(qint64, fireOffsetSecs);
        QFETCH(int, repeat);
        QFETCH(qint64, lastCheckOffsetSecs);
        QFETCH(QString, expected);
        QFETCH(bool, staysPending);

        const LocalNotification n = notificationAt(kNow.addSecs(fireOffsetSecs), repeat);
        NotificationStore::Contents contents;
        contents.pending = {n};
        if (lastCheckOffsetSecs != 1)
            contents.lastCheck = kNow.addSecs(lastCheckOffsetSecs);

        const NotificationDelivery::Outcome outcome = NotificationDelivery::evaluate(contents, kNow);

        QCOMPARE(outcome.delivered.contains(n), expected == QLatin1String("delivered"));
        QCOMPARE(outcome.missed.contains(n), expected == QLatin1String("missed"));
        QCOMPARE(contents.pending.contains(n), staysPending);
        QCOMPARE(contents.lastCheck, kNow);
        QCOMPARE(outcome.nextWake.isValid(), staysPending);
        if (staysPending)
            QVERIFY(outcome.nextWake > kNow);
    }

    void repeatsKeepTheirFireDateEveryMinute()
    {
        const LocalNotification n = notificationAt(kNow, LocalNotification::kRepeatSecond);
        NotificationStore::Contents contents;
        contents.pending = {n};
        contents.lastCheck = kNow.addSecs(-1);
        QList<QDateTime> wakes;
        QDateTime now = kNow;
        for (int i = 0; i < 3; ++i) {
            const NotificationDelivery::Outcome outcome = NotificationDelivery::evaluate(contents, now);
            QCOMPARE(outcome.delivered.size(), 1);
            QCOMPARE(outcome.delivered.first().fireDate, kNow);
            wakes.append(outcome.nextWake);
            now = outcome.nextWake;
        }
        QCOMPARE(wakes, (QList<QDateTime>{kNow.addSecs(60), kNow.addSecs(120), kNow.addSecs(180)}));
    }

    void nextWakeIsTheEarliest()
    {
        const LocalNotificationList pending{notificationAt(kNow.addSecs(300)), notificationAt(kNow.addSecs(120)),
                                            notificationAt(kNow.addSecs(-30), LocalNotification::kRepeatSecond)};
        QCOMPARE(NotificationDelivery::nextWake(pending, kNow), kNow.addSecs(30));
        QVERIFY(!NotificationDelivery::nextWake({}, kNow).isValid());
    }

    // An alarm set for 07:00 rings at 07:00 in whatever zone the device is now.
    void wallClockFollowsTheZone()
    {
        const LocalNotification n = notificationAt(QDateTime(QDate(2026, 3, 3), QTime(7, 0), kOslo));
        QCOMPARE(NotificationDelivery::fireMoment(n, kOslo), n.fireDate);
        const QDateTime inNewYork = NotificationDelivery::fireMoment(n, kNewYork);
        QCOMPARE(inNewYork.toTimeZone(kNewYork).time(), QTime(7, 0));
        QCOMPARE(inNewYork.toTimeZone(kNewYork).date(), QDate(2026, 3, 3));

        LocalNotification absolute = n;
        absolute.timeZone.clear();
        QCOMPARE(NotificationDelivery::fireMoment(absolute, kNewYork), n.fireDate);

        LocalNotification unknownZone = n;
        unknownZone.timeZone = QStringLiteral("Nowhere/Atlantis");
        QCOMPARE(NotificationDelivery::fireMoment(unknownZone, kNewYork), n.fireDate);
    }

    void zoneChangeMovesWhatIsDue()
    {
        // 07:00 in Oslo has passed; 07:00 in New York is six hours away.
        const LocalNotification n = notificationAt(kNow);
        NotificationStore::Contents contents;
        contents.pending = {n};
        contents.lastCheck = kNow.addSecs(-60);
        const QDateTime nowInNewYork = kNow.toTimeZone(kNewYork);
        const NotificationDelivery::Outcome outcome = NotificationDelivery::evaluate(contents, nowInNewYork);
        QVERIFY(outcome.delivered.isEmpty());
        QVERIFY(outcome.missed.isEmpty());
        QCOMPARE(outcome.nextWake, QDateTime(kNow.date(), QTime(7, 0), kNewYork));
    }
};

QTEST_GUILESS_MAIN(TestNotificationDelivery)
#include "tst_notification_delivery.moc"
