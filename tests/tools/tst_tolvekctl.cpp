#include "ToolHome.h"

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

// `tolvekctl` as users run it: a real binary on real files in a private home.
class TestTolvekCtl : public QObject
{
    Q_OBJECT

private:
    // Adds an alarm and returns its id (empty, with a failed check, when the add failed).
    static QString addAlarm(const ToolHome &home, const QStringList &options)
    {
        const ToolHome::Result r = home.ctl(QStringList{QStringLiteral("add")} + options);
        if (r.exitCode != 0) {
            qWarning().noquote() << r.describe();
            return {};
        }
        return r.out.trimmed();
    }
    static QStringList keysOf(const QJsonObject &alarm)
    {
        QStringList keys;
        for (const QJsonValue &n : alarm.value(QStringLiteral("notifications")).toArray())
            keys << n.toObject().value(QStringLiteral("key")).toString();
        return keys;
    }
    static QStringList idsOf(const QJsonArray &alarms)
    {
        QStringList ids;
        for (const QJsonValue &a : alarms)
            ids << a.toObject().value(QStringLiteral("id")).toString();
        return ids;
    }
    static const QStringList kWeekdays;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("faketime")).isEmpty(),
                 "faketime is missing (scripts/install-deps.sh installs it)");
    }

    void emptyHomeShowsNoAlarmsAndWritesNoDefaults()
    {
        ToolHome home;
        const ToolHome::Result list = home.ctl({QStringLiteral("list"), QStringLiteral("--json")});
        QVERIFY2(list.exitCode == 0, qPrintable(list.describe()));
        QVERIFY(QJsonDocument::fromJson(list.out.toUtf8()).isArray());
        QCOMPARE(list.jsonArray().size(), 0);
        QCOMPARE(home.ctl({QStringLiteral("list")}).out, QStringLiteral("No alarms.\n"));
        QCOMPARE(home.ctl({QStringLiteral("next")}).out, QStringLiteral("No alarm is set to ring.\n"));
        QCOMPARE(home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).jsonArray().size(), 0);
        // First-run defaults are the app's: the tool leaves no preferences behind.
        QVERIFY(!QFile::exists(home.preferencesFile()));
        QVERIFY(!QFile::exists(home.alarmFile()));
    }

    // With the clock at Wednesday 2025-01-08 08:00: which days an alarm rings on, and when.
    void ringTimesOnAWednesdayMorning_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("daysAhead"); // per key, from Wednesday

        QTest::newRow("one-time 07:30 rings Thursday")
            << QStringList{QStringLiteral("--time"), QStringLiteral("07:30")} << QTime(7, 30) << 0u
            << QStringList{QStringLiteral("0")} << QList<int>{1};
        QTest::newRow("one-time 08:00, the current minute, rings Thursday")
            << QStringList{QStringLiteral("--time"), QStringLiteral("08:00")} << QTime(8, 0) << 0u
            << QStringList{QStringLiteral("0")} << QList<int>{1};
        QTest::newRow("one-time 09:00 rings today")
            << QStringList{QStringLiteral("--time"), QStringLiteral("9:00")} << QTime(9, 0) << 0u
            << QStringList{QStringLiteral("0")} << QList<int>{0};
        QTest::newRow("weekdays 07:30: next Mon..Wed, Thu, Fri")
            << QStringList{QStringLiteral("--time"), QStringLiteral("07:30"), QStringLiteral("--days"), kWeekdays.join(',')}
            << QTime(7, 30) << 62u << QStringList{"2", "4", "8", "16", "32"} << QList<int>{5, 6, 7, 1, 2};
        QTest::newRow("weekdays 09:00: today's Wednesday")
            << QStringList{QStringLiteral("--time"), QStringLiteral("09:00"), QStringLiteral("--days"), QStringLiteral("Friday,THU,wed,tue,mon")}
            << QTime(9, 0) << 62u << QStringList{"2", "4", "8", "16", "32"} << QList<int>{5, 6, 0, 1, 2};
        QTest::newRow("weekend 07:30")
            << QStringList{QStringLiteral("--time"), QStringLiteral("07:30"), QStringLiteral("--days"), QStringLiteral("sat,sun")}
            << QTime(7, 30) << 65u << QStringList{"1", "64"} << QList<int>{4, 3};
    }
    void ringTimesOnAWednesdayMorning()
    {
        QFETCH(QStringList, options);
        QFETCH(QTime, time);
        QFETCH(quint32, mask);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, daysAhead);

        ToolHome home;
        home.setFakeTime(QStringLiteral("2025-01-08 08:00:00"));
        const QString id = addAlarm(home, options);
        QVERIFY(!id.isEmpty());

        const QJsonArray alarms = home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).jsonArray();
        QCOMPARE(alarms.size(), 1);
        const QJsonObject alarm = alarms.first().toObject();
        QCOMPARE(alarm.value("id").toString(), id);
        QCOMPARE(alarm.value("time").toString(), time.toString(QStringLiteral("HH:mm")));
        QCOMPARE(alarm.value("mask").toInteger(), qint64(mask));
        QCOMPARE(alarm.value("active").toBool(), true);
        QCOMPARE(keysOf(alarm), keys);

        const QTimeZone zone(ToolHome::kZone);
        const QDate wednesday(2025, 1, 8);
        static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$"));
        QList<QDateTime> expected;
        const QJsonArray notifications = alarm.value("notifications").toArray();
        for (int i = 0; i < notifications.size(); ++i) {
            const QString fireDate = notifications.at(i).toObject().value("fireDate").toString();
            QVERIFY2(iso.match(fireDate).hasMatch(), qPrintable(fireDate));
            QVERIFY2(fireDate.endsWith(QLatin1String("+01:00")), qPrintable(fireDate));
            const QDateTime want(wednesday.addDays(daysAhead.at(i)), time, zone);
            QCOMPARE(QDateTime::fromString(fireDate, Qt::ISODate), want);
            expected << want;
        }

        // The pending list holds the same moments, earliest first, each traced to the alarm.
        const QJsonArray pending = home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).jsonArray();
        QCOMPARE(pending.size(), keys.size());
        std::sort(expected.begin(), expected.end());
        for (int i = 0; i < pending.size(); ++i) {
            const QJsonObject n = pending.at(i).toObject();
            QCOMPARE(QDateTime::fromString(n.value("fireDate").toString(), Qt::ISODate), expected.at(i));
            QCOMPARE(n.value("alarm").toString(), id);
            QCOMPARE(n.value("repeat").toString(), QStringLiteral("minute")); // snooze is on by default
            QCOMPARE(n.value("sound").toString(), QStringLiteral("Airship.mp3"));
        }
        const ToolHome::Result next = home.ctl({QStringLiteral("next")});
        QVERIFY2(next.exitCode == 0, qPrintable(next.describe()));
        QVERIFY2(next.out.startsWith(QLocale::c().toString(expected.first(), QStringLiteral("ddd yyyy-MM-dd HH:mm +01:00"))),
                 qPrintable(next.out));
        QVERIFY2(next.out.contains(id), qPrintable(next.out));
    }

    void fullBudgetRefusesAndStoresTheAlarmOff()
    {
        ToolHome home;
        const QStringList weekdays{QStringLiteral("--time"), QStringLiteral("06:00"), QStringLiteral("--days"),
                                   kWeekdays.join(',')};
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids << addAlarm(home, weekdays);
        QVERIFY(!ids.contains(QString()));
        QCOMPARE(home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).jsonArray().size(), 60);

        // 60 pending: a new five-day alarm does not fit and is not added.
        const ToolHome::Result refused = home.ctl(QStringList{QStringLiteral("add")} + weekdays);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QLatin1String("Add Alarm Failed")), qPrintable(refused.describe()));
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(idsOf(home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).jsonArray()), ids);

        // Re-saving an alarm with six days fits: its own five are given back first (55 + 6).
        const ToolHome::Result sixDays = home.ctl({QStringLiteral("edit"), ids.at(0), QStringLiteral("--days"),
                                                   kWeekdays.join(',') + QStringLiteral(",sat")});
        QVERIFY2(sixDays.exitCode == 0, qPrintable(sixDays.describe()));
        QCOMPARE(home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).jsonArray().size(), 61);

        // Off gives five back (56), an every-day alarm takes seven (63): switching the first one
        // back on needs five and is refused.
        QCOMPARE(home.ctl({QStringLiteral("off"), ids.at(1)}).exitCode, 0);
        QVERIFY(!addAlarm(home, {QStringLiteral("--time"), QStringLiteral("05:00"), QStringLiteral("--days"),
                                 QStringLiteral("mon,tue,wed,thu,fri,sat,sun")}).isEmpty());
        const ToolHome::Result on = home.ctl({QStringLiteral("on"), ids.at(1)});
        QCOMPARE(on.exitCode, 1);
        QVERIFY2(on.err.contains(QLatin1String("Add Alarm Failed")), qPrintable(on.describe()));
        QVERIFY2(on.err.contains(ids.at(1)), qPrintable(on.describe()));

        // Not shown "on" while nothing would ring.
        for (const QJsonValue &value : home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).jsonArray()) {
            const QJsonObject alarm = value.toObject();
            if (alarm.value("id").toString() != ids.at(1))
                continue;
            QCOMPARE(alarm.value("active").toBool(), false);
            QVERIFY(alarm.value("notifications").toArray().isEmpty());
        }
        QCOMPARE(home.ctl({QStringLiteral("pending"), QStringLiteral("--json")}).jsonArray().size(), 63);
    }

    // Bad input: a clear message on stderr, a failure status, and the alarm file untouched.
    void badInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "ID" stands for the id of an existing alarm
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QTest::newRow("edit unknown id") << QStringList{"edit", "nosuchid", "--time", "07:00"} << 1 << "no alarm with id 'nosuchid'";
        QTest::newRow("delete unknown id") << QStringList{"delete", "nosuchid"} << 1 << "no alarm with id 'nosuchid'";
        QTest::newRow("on unknown id") << QStringList{"on", "nosuchid"} << 1 << "no alarm with id 'nosuchid'";
        QTest::newRow("off unknown id") << QStringList{"off", "nosuchid"} << 1 << "no alarm with id 'nosuchid'";
        QTest::newRow("hour 24") << QStringList{"add", "--time", "24:00"} << 2 << "bad time '24:00'";
        QTest::newRow("minute 60") << QStringList{"add", "--time", "07:60"} << 2 << "bad time '07:60'";
        QTest::newRow("no colon") << QStringList{"add", "--time", "0730"} << 2 << "bad time '0730'";
        QTest::newRow("edit bad time") << QStringList{"edit", "ID", "--time", "7.30"} << 2 << "bad time '7.30'";
        QTest::newRow("bad day") << QStringList{"add", "--time", "07:00", "--days", "mon,funday"} << 2 << "bad day name 'funday'";
        QTest::newRow("empty day") << QStringList{"add", "--time", "07:00", "--days", "mon,,tue"} << 2 << "bad day name ''";
        QTest::newRow("edit bad day") << QStringList{"edit", "ID", "--days", "weekdays"} << 2 << "bad day name 'weekdays'";
        QTest::newRow("unlocker 5") << QStringList{"add", "--time", "07:00", "--unlocker", "5"} << 2 << "bad unlocker kind '5'";
        QTest::newRow("unlocker name") << QStringList{"edit", "ID", "--unlocker", "tap"} << 2 << "bad unlocker kind 'tap'";
        QTest::newRow("unknown sound") << QStringList{"add", "--time", "07:00", "--sound", "/tmp/x.mp3"} << 2 << "unknown sound '/tmp/x.mp3'";
        QTest::newRow("add without time") << QStringList{"add", "--days", "mon"} << 2 << "add needs --time";
        QTest::newRow("edit without id") << QStringList{"edit"} << 2 << "edit needs an alarm id";
        QTest::newRow("option of another command") << QStringList{"list", "--time", "07:00"} << 2 << "option --time does not apply to list";
        QTest::newRow("both snooze switches") << QStringList{"edit", "ID", "--snooze", "--no-snooze"} << 2 << "contradict";
        QTest::newRow("unknown command") << QStringList{"ring"} << 2 << "unknown command 'ring'";
        QTest::newRow("unknown option") << QStringList{"list", "--all"} << 2 << "all";
        QTest::newRow("no command") << QStringList{} << 2 << "no command";
    }
    void badInputIsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        ToolHome home;
        const QString id = addAlarm(home, {QStringLiteral("--time"), QStringLiteral("06:45"), QStringLiteral("--days"), QStringLiteral("mon")});
        QVERIFY(!id.isEmpty());
        const QString before = home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).out;
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^ID$")), id);

        const ToolHome::Result r = home.ctl(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.describe()));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(home.ctl({QStringLiteral("list"), QStringLiteral("--json")}).out, before);
    }

    void editChangesOnlyWhatIsGivenAndMovesTheAlarmToTheEnd()
    {
        ToolHome home;
        const QString first = addAlarm(home, {"--time", "07:00", "--days", "mon", "--slogan", "Up, astronaut!",
                                              "--sound", "stars", "--unlocker", "2", "--no-snooze"});
        const QString second = addAlarm(home, {"--time", "08:00"});
        QVERIFY(!first.isEmpty() && !second.isEmpty());

        const ToolHome::Result edit = home.ctl({"edit", first, "--time", "06:15"});
        QVERIFY2(edit.exitCode == 0, qPrintable(edit.describe()));
        const QJsonArray alarms = home.ctl({"list", "--json"}).jsonArray();
        QCOMPARE(idsOf(alarms), (QStringList{second, first}));
        const QJsonObject edited = alarms.at(1).toObject();
        QCOMPARE(edited.value("time").toString(), QStringLiteral("06:15"));
        QCOMPARE(edited.value("mask").toInt(), 2);
        QCOMPARE(edited.value("days").toArray(), QJsonArray{QStringLiteral("mon")});
        QCOMPARE(edited.value("slogan").toString(), QStringLiteral("Up, astronaut!"));
        QCOMPARE(edited.value("sound").toString(), QStringLiteral("Stars.mp3"));
        QCOMPARE(edited.value("unlocker").toInt(), 2);
        QCOMPARE(edited.value("snooze").toBool(), false);
        QCOMPARE(keysOf(edited), QStringList{QStringLiteral("2")});

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
        const QJsonObject once = home.ctl({"list", "--json"}).jsonArray().at(1).toObject();
        QCOMPARE(once.value("mask").toInt(), 0);
        QCOMPARE(keysOf(once), QStringList{QStringLiteral("0")});
        QCOMPARE(home.ctl({"pending", "--json"}).jsonArray().size(), 2);

        // An alarm that is off stays off when edited, in its place.
        QCOMPARE(home.ctl({"off", second}).exitCode, 0);
        QCOMPARE(home.ctl({"edit", second, "--time", "09:10", "--snooze"}).exitCode, 0);
        const QJsonArray after = home.ctl({"list", "--json"}).jsonArray();
        QCOMPARE(idsOf(after), (QStringList{second, first}));
        QCOMPARE(after.at(0).toObject().value("time").toString(), QStringLiteral("09:10"));
        QCOMPARE(after.at(0).toObject().value("active").toBool(), false);
        QVERIFY(after.at(0).toObject().value("notifications").toArray().isEmpty());
        QCOMPARE(home.ctl({"pending", "--json"}).jsonArray().size(), 1);
    }

    void onOffAndDelete()
    {
        ToolHome home;
        const QString id = addAlarm(home, {"--time", "07:30", "--days", kWeekdays.join(',')});
        QVERIFY(!id.isEmpty());

        QCOMPARE(home.ctl({"off", id}).exitCode, 0);
        QJsonObject alarm = home.ctl({"list", "--json"}).jsonArray().at(0).toObject();
        QCOMPARE(alarm.value("active").toBool(), false);
        QVERIFY(keysOf(alarm).isEmpty());
        QCOMPARE(home.ctl({"pending", "--json"}).jsonArray().size(), 0);
        QVERIFY2(home.ctl({"list"}).out.contains(QLatin1String(" off ")), "the listing shows the switch");

        QCOMPARE(home.ctl({"on", id}).exitCode, 0);
        alarm = home.ctl({"list", "--json"}).jsonArray().at(0).toObject();
        QCOMPARE(alarm.value("id").toString(), id);
        QCOMPARE(alarm.value("active").toBool(), true);
        QCOMPARE(keysOf(alarm), (QStringList{"2", "4", "8", "16", "32"}));
        QCOMPARE(home.ctl({"pending", "--json"}).jsonArray().size(), 5);
        const QString listing = home.ctl({"list"}).out;
        QVERIFY2(listing.contains(id) && listing.contains(QLatin1String("mon tue wed thu fri")), qPrintable(listing));

        QCOMPARE(home.ctl({"delete", id}).exitCode, 0);
        QCOMPARE(home.ctl({"list", "--json"}).jsonArray().size(), 0);
        QCOMPARE(home.ctl({"pending", "--json"}).jsonArray().size(), 0);
    }

    void jsonHasExactlyTheDocumentedFields()
    {
        ToolHome home;
        QVERIFY(!addAlarm(home, {"--time", "07:30", "--days", "tue"}).isEmpty());
        QJsonObject alarm = home.ctl({"list", "--json"}).jsonArray().at(0).toObject();
        QStringList fields = alarm.keys();
        fields.sort();
        QCOMPARE(fields, (QStringList{"active", "days", "id", "mask", "notifications", "slogan", "snooze", "sound",
                                      "time", "unlocker"}));
        QStringList notificationFields = alarm.value("notifications").toArray().at(0).toObject().keys();
        notificationFields.sort();
        QCOMPARE(notificationFields, (QStringList{"fireDate", "key"}));
    }
};

const QStringList TestTolvekCtl::kWeekdays{QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
                                           QStringLiteral("thu"), QStringLiteral("fri")};

QTEST_GUILESS_MAIN(TestTolvekCtl)
#include "tst_tolvekctl.moc"
