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

    // What falls due is delivered or, found too late, missed; a snooze's repeat keeps its fire
    // date and rings each minute after it; whatever stays pending is woken for.
    void evaluate_data()
    {
        QTest::addColumn<qint64>("fireOffsetSecs"); // fire date relative to now
        QTest::addColumn<int>("repeat");
        QTest::addColumn<qint64>("lastCheckOffsetSecs"); // 1 = never looked before
        QTest::addColumn<QString>("expected");           // delivered / missed / waiting
        QTest::addColumn<qint64>("nextWakeOffsetSecs");  // 0: nothing stays pending
        const int once = LocalNotification::kRepeatNone;
        const int snooze = LocalNotification::kRepeatSecond;
        const struct
        {
            const char *name;
            qint64 fire;
            int repeat;
            qint64 lastCheck;
            const char *expected;
            qint64 nextWake;
        } rows[] = {{"due now", 0, once, -30, "delivered", 0},
                    {"not yet due", 1, once, -30, "waiting", 1},
                    {"late, under ten minutes", -599, once, -700, "delivered", 0},
                    {"late, over ten minutes", -601, once, -700, "missed", 0},
                    {"late, never looked", -120, once, 1, "delivered", 0},
                    {"long late, never looked", -3600, once, 1, "missed", 0},
                    {"snooze first ring", 0, snooze, -30, "delivered", 60},
                    {"snooze repeat after a minute", -60, snooze, -1, "delivered", 60},
                    {"snooze between repeats", -90, snooze, -29, "waiting", 30},
                    {"snooze found late first time", -900, snooze, -1000, "missed", 0},
                    {"snooze keeps ringing after a gap", -900, snooze, -850, "delivered", 60},
                    // The clock was set back: the last look lies ahead of now.
                    {"clock set back, due", 0, once, 3600, "delivered", 0},
                    {"clock set back, not due", 60, once, 3600, "waiting", 60}};
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.fire << r.repeat << r.lastCheck << QString(r.expected) << r.nextWake;
    }

    void evaluate()
    {
        QFETCH(qint64, fireOffsetSecs);
        QFETCH(int, repeat);
        QFETCH(qint64, lastCheckOffsetSecs);
        QFETCH(QString, expected);
        QFETCH(qint64, nextWakeOffsetSecs);

        const LocalNotification n = notificationAt(kNow.addSecs(fireOffsetSecs), repeat);
        NotificationStore::Contents contents;
        contents.pending = {n};
        if (lastCheckOffsetSecs != 1)
            contents.lastCheck = kNow.addSecs(lastCheckOffsetSecs);

        const NotificationDelivery::Outcome outcome = NotificationDelivery::evaluate(contents, kNow);

        QCOMPARE(outcome.delivered.contains(n), expected == QLatin1String("delivered"));
        QCOMPARE(outcome.missed.contains(n), expected == QLatin1String("missed"));
        QCOMPARE(contents.pending.contains(n), nextWakeOffsetSecs != 0);
        QCOMPARE(contents.lastCheck, kNow);
        QCOMPARE(outcome.nextWake, nextWakeOffsetSecs ? kNow.addSecs(nextWakeOffsetSecs) : QDateTime());
    }

    // 07:00 in the notification's zone rings at 07:00 in whatever zone the device is
    // now (the service's re-arming: armsFiresAndRearms); without a zone, or with one
    // nobody knows, at the moment stored.
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

    // Armed for the earliest; fired when woken; re-armed when the clock is set (set back:
    // the "clock set back" rows of evaluate), and at the same wall-clock time when the zone changes.
    void armsFiresAndRearms()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        QSignalSpy fired(&service, &NotificationService::fired);
        service.start();
        QVERIFY(!wakeup.scheduledMoment().isValid());

        const LocalNotification later = notificationAt(clock_.now().addSecs(7200));
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

        // Set forward past the fire date (but within ten minutes of it): rings at once.
        clock_.advanceSecs(7200 - 60 + 120);
        wakeup.clockWasSet();
        QCOMPARE(fired.size(), 2);
        QVERIFY(!wakeup.scheduledMoment().isValid());

        // 07:00 in Oslo tomorrow rings at 07:00 in London once the device is there.
        const QDate tomorrow = clock_.now().date().addDays(1);
        QVERIFY(service.schedule(notificationAt(QDateTime(tomorrow, QTime(7, 0), kZone))));
        QCOMPARE(wakeup.scheduledMoment(), QDateTime(tomorrow, QTime(7, 0), kZone));
        const QTimeZone london("Europe/London");
        clock_.setTimeZone(london);
        service.evaluate();
        QCOMPARE(wakeup.scheduledMoment(), QDateTime(tomorrow, QTime(7, 0), london));
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
