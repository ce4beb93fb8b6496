#include "NotifydHarness.h"
#include "ToolHome.h"
#include "platform/NotificationBus.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimeZone>

// `tolvekctl` as users run it, and the app's first start seen through it: real
// binaries on real files in a private home, with and without the notification
// service on a private bus.
class TestTolvekCtl : public QObject
{
    Q_OBJECT

private:
    // Adds an alarm and returns its id (empty, with a warning, when the add failed).
    static QString addAlarm(const ToolHome &home, const QStringList &options)
    {
        const ToolHome::Result r = home.ctl(QStringList{"add"} + options);
        if (r.exitCode != 0)
            qWarning().noquote() << r.describe();
        return r.exitCode == 0 ? r.out.trimmed() : QString();
    }
    static QStringList keysOf(const QJsonObject &alarm)
    {
        QStringList keys;
        for (const QJsonValue &n : alarm.value("notifications").toArray())
            keys << n.toObject().value("key").toString();
        return keys;
    }
    static QStringList idsOf(const QJsonArray &alarms)
    {
        QStringList ids;
        for (const QJsonValue &a : alarms)
            ids << a.toObject().value("id").toString();
        return ids;
    }
    static LocalNotificationList servicePending(const PrivateBus &bus)
    {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            NotificationBus::kServiceName, NotificationBus::kServicePath, NotificationBus::kServiceName, "Pending");
        const QDBusReply<QString> reply = bus.connection().call(call);
        bool ok = false;
        const LocalNotificationList pending = NotificationBus::listFromWire(reply.value(), &ok);
        return ok ? pending : LocalNotificationList{};
    }
    static QJsonArray list(const ToolHome &home) { return home.ctl({"list", "--json"}).jsonArray(); }
    static qsizetype pendingCount(const ToolHome &home) { return home.ctl({"pending", "--json"}).jsonArray().size(); }
    static inline const QString kWeekdays = QStringLiteral("mon,tue,wed,thu,fri");

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("faketime").isEmpty(),
                 "faketime is missing (scripts/install-deps.sh installs it)");
    }

    // The tool on an empty home shows nothing and writes no defaults: those are
    // the app's. Its first start writes them where the tool finds them; a second
    // start, at the same Wednesday morning, changes nothing.
    void firstStartOfTheApp()
    {
        ToolHome home;
        home.setFakeTime("2025-01-08 08:00:00");
        const ToolHome::Result empty = home.ctl({"list", "--json"});
        QVERIFY2(empty.exitCode == 0 && QJsonDocument::fromJson(empty.out.toUtf8()).isArray(),
                 qPrintable(empty.describe()));
        QCOMPARE(empty.jsonArray().size(), 0);
        QCOMPARE(home.ctl({"list"}).out, QStringLiteral("No alarms.\n"));
        QCOMPARE(home.ctl({"next"}).out, QStringLiteral("No alarm is set to ring.\n"));
        QCOMPARE(pendingCount(home), 0);
        QVERIFY(!QFile::exists(home.preferencesFile()));
        QVERIFY(!QFile::exists(home.alarmFile()));

        // What the first start writes is followed by journey_home; here the tool finds it.
        const ToolHome::Result first = home.app({"--once"});
        QVERIFY2(first.exitCode == 0, qPrintable(first.describe()));
        const ToolHome::Result alarms = home.ctl({"list", "--json"});
        QCOMPARE(alarms.jsonArray().size(), 1);
        QCOMPARE(keysOf(alarms.jsonArray().first().toObject()), (QStringList{"2", "4", "8", "16", "32"}));
        const QString pending = home.ctl({"pending", "--json"}).out;
        QCOMPARE(QJsonDocument::fromJson(pending.toUtf8()).array().size(), 5);
        QVERIFY(home.app({"--once"}).exitCode == 0);
        QCOMPARE(home.ctl({"list", "--json"}).out, alarms.out);
        QCOMPARE(home.ctl({"pending", "--json"}).out, pending);
    }

    // With the clock at Wednesday 2025-01-08 08:00: which days an alarm rings on, and when
    // (one-time at 07:30 and at the current minute: Thursday; at 09:00: today).
    void ringTimesOnAWednesdayMorning_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("daysAhead"); // per key, from Wednesday
        const QStringList weekdayKeys{"2", "4", "8", "16", "32"};
        const auto row
            = [](const char *name, const QStringList &options, QTime time, quint32 mask, const QStringList &keys,
                 const QList<int> &daysAhead) { QTest::newRow(name) << options << time << mask << keys << daysAhead; };
        row("one-time 07:30", {"--time", "07:30"}, QTime(7, 30), 0, {"0"}, {1});
        row("one-time 08:00", {"--time", "08:00"}, QTime(8, 0), 0, {"0"}, {1});
        row("one-time 09:00", {"--time", "9:00"}, QTime(9, 0), 0, {"0"}, {0});
        row("weekdays 07:30", {"--time", "07:30", "--days", kWeekdays}, QTime(7, 30), 62, weekdayKeys, {5, 6, 7, 1, 2});
        row("weekdays 09:00", {"--time", "09:00", "--days", "Friday,THU,wed,tue,mon"}, QTime(9, 0), 62, weekdayKeys,
            {5, 6, 0, 1, 2});
        row("weekend 07:30", {"--time", "07:30", "--days", "sat,sun"}, QTime(7, 30), 65, {"1", "64"}, {4, 3});
    }
    void ringTimesOnAWednesdayMorning()
    {
        QFETCH(QStringList, options);
        QFETCH(QTime, time);
        QFETCH(quint32, mask);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, daysAhead);

        ToolHome home;
        home.setFakeTime("2025-01-08 08:00:00");
        const QString id = addAlarm(home, options);
        QVERIFY(!id.isEmpty());

        const QJsonArray alarms = list(home);
        QCOMPARE(alarms.size(), 1);
        const QJsonObject alarm = alarms.first().toObject();
        // Exactly the documented fields.
        QCOMPARE(alarm.keys(), (QStringList{"active", "days", "id", "mask", "notifications", "slogan", "snooze",
                                            "sound", "time", "unlocker"}));
        QCOMPARE(alarm.value("id").toString(), id);
        QCOMPARE(alarm.value("time").toString(), time.toString("HH:mm"));
        QCOMPARE(alarm.value("mask").toInteger(), qint64(mask));
        QCOMPARE(alarm.value("active").toBool(), true);
        QCOMPARE(keysOf(alarm), keys);

        const QTimeZone zone(ToolHome::kZone);
        static const QRegularExpression iso("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+01:00$");
        QList<QDateTime> expected;
        const QJsonArray notifications = alarm.value("notifications").toArray();
        for (int i = 0; i < notifications.size(); ++i) {
            const QJsonObject n = notifications.at(i).toObject();
            QCOMPARE(n.keys(), (QStringList{"fireDate", "key"}));
            const QString fireDate = n.value("fireDate").toString();
            QVERIFY2(iso.match(fireDate).hasMatch(), qPrintable(fireDate));
            expected << QDateTime(QDate(2025, 1, 8).addDays(daysAhead.at(i)), time, zone);
            QCOMPARE(QDateTime::fromString(fireDate, Qt::ISODate), expected.last());
        }

        // The pending list holds the same moments, earliest first, each traced to the alarm.
        const QJsonArray pending = home.ctl({"pending", "--json"}).jsonArray();
        QCOMPARE(pending.size(), keys.size());
        std::sort(expected.begin(), expected.end());
        for (int i = 0; i < pending.size(); ++i) {
            const QJsonObject n = pending.at(i).toObject();
            QCOMPARE(QDateTime::fromString(n.value("fireDate").toString(), Qt::ISODate), expected.at(i));
            QCOMPARE(n.value("alarm").toString(), id);
            QCOMPARE(n.value("repeat").toString(), QStringLiteral("minute")); // snooze is on by default
            QCOMPARE(n.value("sound").toString(), QStringLiteral("Airship.mp3"));
        }
        const ToolHome::Result next = home.ctl({"next"});
        QVERIFY2(next.exitCode == 0, qPrintable(next.describe()));
        QVERIFY2(next.out.startsWith(QLocale::c().toString(expected.first(), "ddd yyyy-MM-dd HH:mm +01:00")),
                 qPrintable(next.out));
        QVERIFY2(next.out.contains(id), qPrintable(next.out));
    }

    // 64 pending notifications at most (the setting screen's side: tst_alarmsetting); an
    // alarm's own rings are given back before it is saved again.
    void fullBudgetRefusesAndStoresTheAlarmOff()
    {
        ToolHome home;
        const QStringList weekdays{"--time", "06:00", "--days", kWeekdays};
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids << addAlarm(home, weekdays);
        QVERIFY(!ids.contains(QString()));
        QCOMPARE(pendingCount(home), 60);
        const QString listing = home.ctl({"list"}).out;
        QVERIFY2(listing.contains(ids.first()) && listing.contains("mon tue wed thu fri"), qPrintable(listing));

        // 60 pending: a new five-day alarm does not fit and is not added.
        const ToolHome::Result refused = home.ctl(QStringList{"add"} + weekdays);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("Add Alarm Failed"), qPrintable(refused.describe()));
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(idsOf(list(home)), ids);

        // Re-saving an alarm with six days fits: its own five are given back first (55 + 6).
        const ToolHome::Result sixDays = home.ctl({"edit", ids.at(0), "--days", kWeekdays + ",sat"});
        QVERIFY2(sixDays.exitCode == 0, qPrintable(sixDays.describe()));
        QCOMPARE(pendingCount(home), 61);

        // Off gives five back (56), an every-day alarm takes seven (63): switching the first one
        // back on needs five and is refused.
        QCOMPARE(home.ctl({"off", ids.at(1)}).exitCode, 0);
        QVERIFY(!addAlarm(home, {"--time", "05:00", "--days", "mon,tue,wed,thu,fri,sat,sun"}).isEmpty());
        const ToolHome::Result on = home.ctl({"on", ids.at(1)});
        QCOMPARE(on.exitCode, 1);
        QVERIFY2(on.err.contains("Add Alarm Failed") && on.err.contains(ids.at(1)), qPrintable(on.describe()));

        // Not shown "on" while nothing would ring.
        const QJsonArray after = list(home);
        const QJsonObject alarm = after.at(idsOf(after).indexOf(ids.at(1))).toObject();
        QCOMPARE(alarm.value("id").toString(), ids.at(1));
        QCOMPARE(alarm.value("active").toBool(), false);
        QVERIFY(alarm.value("notifications").toArray().isEmpty());
        QCOMPARE(pendingCount(home), 63);
    }

    // Bad input: a clear message on stderr, a failure status, and the alarm file untouched.
    void badInputIsRefused()
    {
        const struct
        {
            QStringList arguments; // "ID" stands for the id of an existing alarm
            int exitCode;
            const char *message;
        } refusals[] = {{{"edit", "nosuchid", "--time", "07:00"}, 1, "no alarm with id 'nosuchid'"},
                        {{"off", "nosuchid"}, 1, "no alarm with id 'nosuchid'"},
                        {{"add", "--time", "24:00"}, 2, "bad time '24:00'"},
                        {{"add", "--time", "07:60"}, 2, "bad time '07:60'"},
                        {{"add", "--time", "0730"}, 2, "bad time '0730'"},
                        {{"edit", "ID", "--time", "7.30"}, 2, "bad time '7.30'"},
                        {{"add", "--time", "07:00", "--days", "mon,funday"}, 2, "bad day name 'funday'"},
                        {{"add", "--time", "07:00", "--days", "mon,,tue"}, 2, "bad day name ''"},
                        {{"add", "--time", "07:00", "--unlocker", "5"}, 2, "bad unlocker kind '5'"},
                        {{"edit", "ID", "--unlocker", "tap"}, 2, "bad unlocker kind 'tap'"},
                        {{"add", "--time", "07:00", "--sound", "/tmp/x.mp3"}, 2, "unknown sound '/tmp/x.mp3'"},
                        {{"add", "--days", "mon"}, 2, "add needs --time"},
                        {{"edit"}, 2, "edit needs an alarm id"},
                        {{"list", "--time", "07:00"}, 2, "option --time does not apply to list"},
                        {{"edit", "ID", "--snooze", "--no-snooze"}, 2, "contradict"},
                        {{"ring"}, 2, "unknown command 'ring'"},
                        {{"list", "--all"}, 2, "all"},
                        {{}, 2, "no command"}};
        ToolHome home;
        const QString id = addAlarm(home, {"--time", "06:45", "--days", "mon"});
        QVERIFY(!id.isEmpty());
        const QString before = home.ctl({"list", "--json"}).out;
        for (const auto &refusal : refusals) {
            const ToolHome::Result r
                = home.ctl(QStringList(refusal.arguments).replaceInStrings(QRegularExpression("^ID$"), id));
            QVERIFY2(r.exitCode == refusal.exitCode && r.err.contains(refusal.message) && r.out.isEmpty(),
                     qPrintable(refusal.arguments.join(' ') + '\n' + r.describe()));
            QCOMPARE(home.ctl({"list", "--json"}).out, before);
        }
    }

    // Edit and off.
    void editChangesOnlyWhatIsGivenAndMovesTheAlarmToTheEnd()
    {
        ToolHome home;
        const QString first = addAlarm(home, {"--time", "07:00", "--days", "mon", "--slogan", "Up, astronaut!",
                                              "--sound", "stars", "--unlocker", "2", "--no-snooze"});
        const QString second = addAlarm(home, {"--time", "08:00"});
        QVERIFY(!first.isEmpty() && !second.isEmpty());

        const ToolHome::Result edit = home.ctl({"edit", first, "--time", "06:15"});
        QVERIFY2(edit.exitCode == 0, qPrintable(edit.describe()));
        const QJsonArray alarms = list(home);
        QCOMPARE(idsOf(alarms), (QStringList{second, first}));
        QJsonObject edited = alarms.at(1).toObject();
        QCOMPARE(keysOf(edited), QStringList{"2"});
        edited.remove("notifications");
        QCOMPARE(QJsonDocument(edited).toJson(QJsonDocument::Compact),
                 R"({"active":true,"days":["mon"],"id":")" + first.toUtf8()
                     + R"(","mask":2,"slogan":"Up, astronaut!","snooze":false,"sound":"Stars.mp3","time":"06:15",)"
                     + R"("unlocker":2})");

        // Its old notification is gone: one for each alarm, the edited one at 06:15 and not repeating.
        const QJsonArray pending = home.ctl({"pending", "--json"}).jsonArray();
        QCOMPARE(pending.size(), 2);
        for (const QJsonValue &value : pending) {
            const QJsonObject n = value.toObject();
            if (n.value("alarm").toString() != first)
                continue;
            QCOMPARE(QDateTime::fromString(n.value("fireDate").toString(), Qt::ISODate).time(), QTime(6, 15));
            QCOMPARE(n.value("repeat").toString(), QStringLiteral("none"));
            QCOMPARE(n.value("body").toString(), QStringLiteral("Up, astronaut!"));
        }

        // Weekly to one-time.
        QCOMPARE(home.ctl({"edit", first, "--days", "once"}).exitCode, 0);
        const QJsonObject once = list(home).at(1).toObject();
        QCOMPARE(once.value("mask").toInt(), 0);
        QCOMPARE(keysOf(once), QStringList{"0"});
        QCOMPARE(pendingCount(home), 2);

        // An alarm that is off stays off when edited, in its place.
        QCOMPARE(home.ctl({"off", second}).exitCode, 0);
        QCOMPARE(home.ctl({"edit", second, "--time", "09:10", "--snooze"}).exitCode, 0);
        const QJsonArray after = list(home);
        QCOMPARE(idsOf(after), (QStringList{second, first}));
        QCOMPARE(after.at(0).toObject().value("time").toString(), QStringLiteral("09:10"));
        QCOMPARE(after.at(0).toObject().value("active").toBool(), false);
        QVERIFY(after.at(0).toObject().value("notifications").toArray().isEmpty());
        QCOMPARE(pendingCount(home), 1);
        QVERIFY2(home.ctl({"list"}).out.contains(" off "), "the listing shows the switch");
        // On and delete, done whole with their pending rings, are followed by tst_fault_injection's changes.
    }

    // With the notification service running, it takes up what the tool changes,
    // and the tool lists what the service holds.
    void changesReachTheRunningService()
    {
        PrivateBus bus;
        QVERIFY(bus.isValid());
        ToolHome home;
        ServiceProcess service(bus, home.onThisHome(serviceEnvironment(bus)));
        QVERIFY(service.start());
        home.setSessionBus(bus.address());

        const ToolHome::Result added = home.ctl({"add", "--time", "07:30", "--days", "mon,tue"});
        QVERIFY2(added.exitCode == 0 && added.err.isEmpty(), qPrintable(added.describe()));
        QTRY_COMPARE(servicePending(bus).size(), 2);
        // The service's list is the tool's: the same moments, no copies.
        QList<QDateTime> fromService;
        for (const LocalNotification &n : servicePending(bus))
            fromService << n.fireDate;
        std::sort(fromService.begin(), fromService.end());
        QList<QDateTime> fromTool;
        for (const QJsonValue &n : home.ctl({"pending", "--json"}).jsonArray())
            fromTool << QDateTime::fromString(n.toObject().value("fireDate").toString(), Qt::ISODate);
        QCOMPARE(fromTool, fromService);

        const ToolHome::Result off = home.ctl({"off", added.out.trimmed()});
        QVERIFY2(off.exitCode == 0 && off.err.isEmpty(), qPrintable(off.describe()));
        QTRY_COMPARE(servicePending(bus).size(), 0);
        QVERIFY2(service.process().state() == QProcess::Running, "the service keeps running");
    }
};

QTEST_GUILESS_MAIN(TestTolvekCtl)
#include "tst_tolvekctl.moc"
