// The service's inner working without the bus: when a pending notification
// falls due (on time, repeating, late, missed, after the clock or the zone
// changed), what it fires when, how it re-arms after clock jumps and zone
// changes, and the real-time clock timer and zone watch it runs on. (Changes by
// other processes, the limit and a damaged list, with the service as a real
// process: tst_notifyd_bus.)
#include "platform/Clock.h"
#include "platform/NotificationDelivery.h"
#include "platform/Paths.h"
#include "services/notifyd/NotificationService.h"
#include "services/notifyd/SystemChangeMonitor.h"
#include "services/notifyd/TimerFdWakeupSource.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QTimeZone kZone("Europe/Oslo");
const QTimeZone kNewYork("America/New_York");
const QDateTime kNow(QDate(2026, 3, 2), QTime(7, 0), kZone); // for the due-or-not decisions

// Stands in for the real-time clock timer so tests can move the clock by hand.
class ManualWakeupSource : public WakeupSource
{
public:
    void scheduleAt(const QDateTime &moment) override { moment_ = moment; }
    void clear() override { moment_ = {}; }
    QDateTime scheduledMoment() const override { return moment_; }
    void fire() { Q_EMIT wokeUp(); }
    void clockWasSet() { Q_EMIT clockChanged(); }

private:
    QDateTime moment_;
};

LocalNotification notificationAt(const QDateTime &fire, int repeat = LocalNotification::kRepeatNone)
{
    LocalNotification n;
    n.fireDate = fire;
    n.timeZone = QString::fromUtf8(kZone.id());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.repeatInterval = repeat;
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = QStringLiteral("Wake up!");
    n.soundName = QStringLiteral("Stars.mp3");
    return n;
}
} // namespace

class TestNotificationService : public QObject
{
    Q_OBJECT
private:
    FixedClock clock_{QDateTime(QDate(2026, 5, 4), QTime(6, 0), kZone), kZone};

private Q_SLOTS:
    void init()
    {
        clock_.setTimeZone(kZone);
        clock_.setNow(QDateTime(QDate(2026, 5, 4), QTime(6, 0), kZone));
        Clock::setCurrent(&clock_);
        QDir(Paths::documentsDirectory()).removeRecursively();
    }
    void cleanup() { Clock::setCurrent(nullptr); }

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
        QTest::newRow("snooze keeps ringing after a gap")
            << qint64(-900) << snooze << qint64(-850) << "delivered" << true;
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

    // 07:00 in the notification's zone rings at 07:00 in whatever zone the device is
    // now (the service's re-arming: tst_notification_service); without a zone, or
    // with one nobody knows, at the moment stored.
    void fireMomentFollowsTheZone()
    {
        const LocalNotification n = notificationAt(QDateTime(QDate(2026, 3, 3), QTime(7, 0), kZone));
        QCOMPARE(NotificationDelivery::fireMoment(n, kNewYork), QDateTime(QDate(2026, 3, 3), QTime(7, 0), kNewYork));
        LocalNotification absolute = n;
        absolute.timeZone.clear();
        LocalNotification unknownZone = n;
        unknownZone.timeZone = QStringLiteral("Nowhere/Atlantis");
        for (const LocalNotification &fixed : {absolute, unknownZone})
            QCOMPARE(NotificationDelivery::fireMoment(fixed, kNewYork), n.fireDate);
    }

    void armsForTheEarliestAndFiresWhenWoken()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        QSignalSpy fired(&service, &NotificationService::fired);
        service.start();
        QVERIFY(!wakeup.scheduledMoment().isValid());

        const LocalNotification later = notificationAt(clock_.now().addSecs(3600));
        const LocalNotification sooner = notificationAt(clock_.now().addSecs(60));
        QVERIFY(service.schedule(later));
        QVERIFY(service.schedule(sooner));
        QCOMPARE(wakeup.scheduledMoment(), sooner.fireDate);

        clock_.advanceSecs(60);
        wakeup.fire();
        QCOMPARE(fired.size(), 1);
        QCOMPARE(fired.first().first().value<LocalNotification>(), sooner);
        QCOMPARE(service.pending(), LocalNotificationList{later});
        QCOMPARE(wakeup.scheduledMoment(), later.fireDate);
    }

    void clockJumpsRearm()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        QSignalSpy fired(&service, &NotificationService::fired);
        service.start();
        const LocalNotification n = notificationAt(clock_.now().addSecs(7200));
        QVERIFY(service.schedule(n));

        // Set forward past the fire date (but within ten minutes of it): rings at once.
        clock_.advanceSecs(7200 + 120);
        wakeup.clockWasSet();
        QCOMPARE(fired.size(), 1);
        QVERIFY(!wakeup.scheduledMoment().isValid());

        // Set back: something scheduled in the "new past" of the old clock still rings.
        const LocalNotification again = notificationAt(clock_.now().addSecs(-3600 + 300));
        clock_.advanceSecs(-3600);
        wakeup.clockWasSet();
        QVERIFY(service.schedule(again));
        QCOMPARE(wakeup.scheduledMoment(), again.fireDate);
        clock_.advanceSecs(300);
        wakeup.fire();
        QCOMPARE(fired.size(), 2);
        QCOMPARE(fired.last().first().value<LocalNotification>(), again);
    }

    void zoneChangeRearmsAtTheSameWallClockTime()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        service.start();
        const LocalNotification n = notificationAt(QDateTime(QDate(2026, 5, 4), QTime(7, 0), kZone));
        QVERIFY(service.schedule(n));
        QCOMPARE(wakeup.scheduledMoment(), n.fireDate);

        const QTimeZone london("Europe/London");
        clock_.setTimeZone(london);
        service.evaluate();
        QCOMPARE(wakeup.scheduledMoment(), QDateTime(QDate(2026, 5, 4), QTime(7, 0), london));
    }

    void timerFdFiresAtTheMomentAndNotAfterClear()
    {
        Clock::setCurrent(nullptr);
        TimerFdWakeupSource wakeup;
        QVERIFY(wakeup.isValid());
        QSignalSpy woke(&wakeup, &WakeupSource::wokeUp);

        const QDateTime moment = QDateTime::currentDateTime().addMSecs(300);
        wakeup.scheduleAt(moment);
        QVERIFY(woke.wait(3000));
        QVERIFY(QDateTime::currentDateTime() >= moment);
        QVERIFY(!wakeup.scheduledMoment().isValid());

        wakeup.scheduleAt(QDateTime::currentDateTime().addMSecs(200));
        wakeup.clear();
        QVERIFY(!woke.wait(600));

        // A moment already past fires at once rather than never.
        wakeup.scheduleAt(QDateTime::currentDateTime().addSecs(-5));
        QVERIFY(woke.wait(1000));
        QCOMPARE(woke.size(), 2);
    }

    void zoneLinkReplacementIsNoticed()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("localtime"));
        QVERIFY(QFile::link(QStringLiteral("/usr/share/zoneinfo/Europe/Oslo"), link));
        SystemChangeMonitor monitor(link);
        QSignalSpy changed(&monitor, &SystemChangeMonitor::timeZoneChanged);

        // Another file in the same folder changing is not a zone change.
        QFile other(dir.filePath(QStringLiteral("hostname")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("phone\n");
        other.close();
        QVERIFY(!changed.wait(300));

        // How zone tools switch: a new link renamed over the old one.
        const QString fresh = dir.filePath(QStringLiteral("localtime.new"));
        QVERIFY(QFile::link(QStringLiteral("/usr/share/zoneinfo/America/New_York"), fresh));
        QVERIFY(::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(link).constData()) == 0);
        QVERIFY(changed.wait(3000));
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNotificationService)
#include "tst_notification_service.moc"
