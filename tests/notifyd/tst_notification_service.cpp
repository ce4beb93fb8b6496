// The service's inner working without the bus: what it fires when, how it
// re-arms after clock jumps, changes made by other processes, a damaged list,
// and the real-time clock timer and zone watch it runs on.
#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/NotificationStore.h"
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

LocalNotification notificationAt(const QDateTime &fire, const QString &body = QStringLiteral("Wake up!"))
{
    LocalNotification n;
    n.fireDate = fire;
    n.timeZone = QString::fromUtf8(kZone.id());
    n.repeatCalendar = QStringLiteral("gregorian");
    n.alertAction = QStringLiteral("Rock & Roll");
    n.alertBody = body;
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

    void seesChangesMadeByOtherProcesses()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        service.start();
        const LocalNotification n = notificationAt(clock_.now().addSecs(600));
        {
            // What the command-line tool does: change the file under the data lock.
            DataLock lock;
            NotificationStore::Contents contents = NotificationStore::load();
            QVERIFY(NotificationStore::schedule(contents, n));
            QVERIFY(NotificationStore::save(contents));
        }
        QTRY_COMPARE(wakeup.scheduledMoment(), n.fireDate);
    }

    void refusesPastTheLimitAndCancelsByEquality()
    {
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        service.start();
        for (int i = 0; i < LocalNotification::kMaxPending; ++i)
            QVERIFY(service.schedule(notificationAt(clock_.now().addSecs(60 + i))));
        QVERIFY(!service.schedule(notificationAt(clock_.now().addSecs(30))));
        QCOMPARE(wakeup.scheduledMoment(), clock_.now().addSecs(60));

        // A copy decoded from an archive (as stored inside an alarm) cancels its counterpart.
        const LocalNotification decoded = LocalNotification::fromArchive(notificationAt(clock_.now().addSecs(60)).toJson());
        QVERIFY(service.cancel(decoded));
        QVERIFY(!service.cancel(decoded));
        QCOMPARE(service.pending().size(), LocalNotification::kMaxPending - 1);
        QCOMPARE(wakeup.scheduledMoment(), clock_.now().addSecs(61));

        service.cancelAll();
        QVERIFY(service.pending().isEmpty());
        QVERIFY(!wakeup.scheduledMoment().isValid());
    }

    void damagedListIsKeptAsideAndServiceStartsEmpty()
    {
        {
            QFile file(NotificationStore::path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\"archive\": \"tolvek-keyed-archive\", \"root\": {\"pending\": [ trunc");
        }
        ManualWakeupSource wakeup;
        NotificationService service(&wakeup);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged file .* kept as"));
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("pending-notification list was damaged; kept it as "
                                                               ".*notifications.damaged-.* and started with no pending"));
        service.start();
        QVERIFY(service.pending().isEmpty());
        const QStringList aside = QDir(QFileInfo(NotificationStore::path()).absolutePath())
                                      .entryList({QStringLiteral("notifications.damaged-*")});
        QCOMPARE(aside.size(), 1);
    }

    // A service killed between creating the lock file and writing its pid into it.
    void emptyLockFileLeftByAKilledProcessDoesNotBlock()
    {
        QFile lockFile(QFileInfo(NotificationStore::path()).absolutePath() + QStringLiteral("/.data.lock"));
        QVERIFY(lockFile.open(QIODevice::WriteOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        lockFile.close();
        DataLock lock;
        QVERIFY(lock.acquired());
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
