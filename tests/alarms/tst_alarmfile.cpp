// The alarm file's text: what this build writes is, byte for byte, what the
// first release's tree writer (QJsonObject + QJsonDocument) wrote for the same
// alarms, so either build reads the other's files; hostile text (every control
// character, lone surrogates, quotes) is escaped as Qt escapes it and reads back.
#include "alarms/AlarmSchedule.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

namespace {
// The first release's writer: a tree built key by key, then Qt's compact text.
QJsonValue oldString(const QString &text) { return text.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(text); }

QJsonValue oldDate(const QDateTime &date)
{
    if (!date.isValid())
        return QJsonValue::Null;
    return QJsonObject{{"$date", date.toOffsetFromUtc(date.offsetFromUtc()).toString(Qt::ISODateWithMs)}};
}

QJsonObject oldNotification(const LocalNotification &n)
{
    return {{"$class", "LocalNotification"},       {"fireDate", oldDate(n.fireDate)},
            {"timeZone", oldString(n.timeZone)},   {"repeatCalendar", oldString(n.repeatCalendar)},
            {"repeatInterval", n.repeatInterval},  {"alertAction", oldString(n.alertAction)},
            {"alertBody", oldString(n.alertBody)}, {"soundName", oldString(n.soundName)}};
}

QJsonValue oldUnlocker(const Unlocker *u)
{
    if (!u)
        return QJsonValue::Null;
    return QJsonObject{{"$class", "ZEBAlarmClockUnlocker"},
                       {"UnlockerKind", u->kind},
                       {"UnlockerIllustrateKey", oldString(u->illustration)},
                       {"UnlockerIllustrateSmallKey", oldString(u->smallIllustration)},
                       {"UnlockerRefrenceVCClassKey", oldString(u->screenName)},
                       {"UnlockerTitleKey", oldString(u->title)},
                       {"UnlockerSoundFileNameKey", oldString(u->soundFileName)},
                       {"UnlockerSubtitleKey", oldString(u->subtitle)},
                       {"UnlockerGameLevelKey", u->gameLevel}};
}

QJsonObject oldAlarm(const Alarm &a)
{
    QJsonObject notifications;
    for (auto it = a.scheduledNotifications->cbegin(); it != a.scheduledNotifications->cend(); ++it)
        notifications.insert(it.key(), oldNotification(*it));
    return {{"$class", "ZEBAlarmClock"},
            {"DateChoosingMask", qint64(a.repeatMask)},
            {"AlarmTime", oldDate(a.alarmTime)},
            {"RingFileName", oldString(a.soundFile)},
            {"Identifier", oldString(a.identifier)},
            {"WakeupSlogan", oldString(a.slogan)},
            {"Unlocker", oldUnlocker(a.unlocker.get())},
            {"Snooze", a.snooze},
            {"Active", a.active},
            {"Stop", a.stop},
            {"ReferenceNotification", notifications}};
}

QByteArray oldFile(const QJsonArray &records)
{
    const QJsonObject archive{{"archive", "tolvek-keyed-archive"}, {"version", 1}, {"root", records}};
    return QJsonDocument(archive).toJson(QJsonDocument::Compact);
}

QByteArray alarmFileBytes()
{
    QFile file(AlarmSchedule::alarmFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fixture(const char *name)
{
    QFile file(qEnvironmentVariable("TOLVEK_SOURCE_DIR") + QStringLiteral("/tests/fixtures/stored-v1/data/")
               + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString text(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar *>(units.begin()), units.size());
}

// Text a user, a translation or a damaged file could put in a field.
QList<QString> hostileTexts()
{
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls.append(QChar(c));
    return {QString(),
            QStringLiteral(""),
            QStringLiteral("Wake \"up\" \\ now / \\\\\"\\"),
            controls,
            QStringLiteral("Aufstehen – 起床 – Вставай – قم – 🌅🚀"),
            text({u'a', 0x2028, u'b', 0x2029, 0x7f, 0x80, 0xff, 0x7ff, 0x800, 0xfffd, 0xffff}),
            text({0xd83d}),                       // a high surrogate alone
            text({0xde00, u'x'}),                 // a low one alone
            text({0xd83d, 0xd83d, 0xde00}),       // a lone high one before a pair
            text({u'z', 0xdbff, 0xdfff, 0xdc00}), // the last code point, then a lone low one
            QString(4096, QChar(u'é')) + QString(4096, QChar(u'"'))};
}

QDateTime someDate(QRandomGenerator &random)
{
    static const QList<QTimeZone> zones{QTimeZone::utc(),
                                        QTimeZone("Europe/London"), // 0 in winter, +1 in summer
                                        QTimeZone("Europe/Berlin"),
                                        QTimeZone("Asia/Kathmandu"),
                                        QTimeZone("America/St_Johns"),
                                        QTimeZone(-(9 * 3600 + 30 * 60)),
                                        QTimeZone(14 * 3600),
                                        QTimeZone(0)};
    // From 1970 (zones' local mean times, with offsets in seconds, are long gone) to the last ISO 8601 year.
    const QDate day = QDate(1970, 1, 1).addDays(random.bounded(QDate(1970, 1, 1).daysTo(QDate(9999, 12, 30))));
    const QTime time = QTime(0, 0).addMSecs(random.bounded(86400000));
    return QDateTime(day, time, zones[random.bounded(zones.size())]);
}

// 64 alarms with every field varied: hostile texts, odd dates, no unlocker,
// extreme numbers, all seven notifications or none.
AlarmList variedAlarms()
{
    QRandomGenerator random(20261207);
    const QList<QString> texts = hostileTexts();
    const auto anyText = [&] { return texts[random.bounded(texts.size())]; };
    AlarmList alarms;
    for (int i = 0; i < 64; ++i) {
        auto alarm = std::make_shared<Alarm>(Alarm::Blank{});
        alarm->identifier = QStringLiteral("id%1").arg(i) + anyText(); // unique, so none is set aside on load
        alarm->repeatMask = quint32(random.bounded(128));
        // The first few at times before 1970, with an offset in seconds, before the year 1000.
        const QList<QDateTime> rare{QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59, 999), QTimeZone::utc()),
                                    QDateTime(QDate(1890, 6, 1), QTime(7, 0), QTimeZone("Europe/Berlin")),
                                    QDateTime(QDate(999, 1, 1), QTime(7, 0), QTimeZone(3600)),
                                    QDateTime(QDate(1960, 2, 29), QTime(0, 0, 0, 1), QTimeZone(-5 * 3600))};
        alarm->alarmTime = i < rare.size() ? rare[i] : someDate(random);
        alarm->soundFile = anyText();
        alarm->slogan = anyText();
        alarm->snooze = random.bounded(2);
        alarm->active = random.bounded(2);
        alarm->stop = random.bounded(2);
        if (i % 8 != 3) {
            alarm->unlocker = std::make_shared<Unlocker>(i % 7 - 1);
            alarm->unlocker->title = anyText();
            alarm->unlocker->subtitle = anyText();
            alarm->unlocker->gameLevel
                = i % 5 == 0 ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
        }
        for (unsigned bit = 1; bit <= 64; bit <<= 1) {
            if (!(alarm->repeatMask & bit) && !(alarm->repeatMask == 0 && bit == 1))
                continue;
            LocalNotification n;
            n.fireDate = i % 16 == 5 ? QDateTime() : someDate(random);
            n.timeZone = anyText();
            n.repeatCalendar = QStringLiteral("gregorian");
            n.repeatInterval = i % 2 ? LocalNotification::kRepeatSecond : LocalNotification::kRepeatNone;
            n.alertAction = anyText();
            n.alertBody = alarm->slogan;
            n.soundName = anyText();
            alarm->scheduledNotifications->insert(Alarm::notificationKeyForBit(alarm->repeatMask ? bit : 0), n);
        }
        alarms << alarm;
    }
    return alarms;
}
} // namespace

class TestAlarmFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::wipeUserData(); }

    // Each set of alarms is written by this build and by the first release's
    // writer: the bytes agree, and reading the file gives the alarms back.
    void writtenAsTheFirstReleaseWroteIt_data()
    {
        QTest::addColumn<AlarmList>("alarms");
        QTest::addColumn<QJsonArray>("asStored"); // the records as a file held them, if they came from one
        // The first release's own files, read by this build.
        const auto fromFixture = [](const QJsonArray &records) {
            AlarmList alarms;
            for (const QJsonValue &record : records)
                alarms << Alarm::fromArchive(record);
            return alarms;
        };
        const QJsonArray list = QJsonDocument::fromJson(fixture("accache")).object().value("root").toArray();
        const QJsonObject ringStatus = QJsonDocument::fromJson(fixture("acstatus")).object().value("root").toObject();
        const QJsonArray ringing{ringStatus.value("rAlarmClock")};
        QVERIFY(list.size() == 4 && ringing.first().isObject());
        QTest::newRow("alarm list of the first release") << fromFixture(list) << list;
        QTest::newRow("ringing alarm of the first release") << fromFixture(ringing) << ringing;
        QTest::newRow("64 varied alarms") << variedAlarms() << QJsonArray();
        QTest::newRow("no alarms") << AlarmList() << QJsonArray();
    }
    void writtenAsTheFirstReleaseWroteIt()
    {
        QFETCH(AlarmList, alarms);
        QFETCH(QJsonArray, asStored);
        QJsonArray records;
        for (const AlarmPtr &alarm : alarms) {
            QVERIFY(alarm);
            records.append(oldAlarm(*alarm));
        }
        QVERIFY(AlarmSchedule::shared().writeAlarmFile(alarms));
        const QByteArray written = alarmFileBytes();
        QCOMPARE(written, oldFile(records));
        if (!asStored.isEmpty())
            QCOMPARE(QJsonDocument::fromJson(written).object().value("root").toArray(), asStored);

        const AlarmList back = AlarmSchedule::shared().reload();
        QCOMPARE(AlarmSchedule::shared().fileProblem(), QString());
        QCOMPARE(back.size(), alarms.size());
        for (qsizetype i = 0; i < back.size(); ++i) {
            // Read back, each alarm writes its record again unchanged (texts with half a surrogate pair included).
            QCOMPARE(oldAlarm(*back[i]), records[i].toObject());
            QCOMPARE(*back[i]->scheduledNotifications, *alarms[i]->scheduledNotifications);
        }
    }

    // Files as a person or another program could leave them: this build loads
    // what Qt's reader finds in them, and keeps aside what Qt's reader refuses.
    void readAsQtReadsIt_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray record = R"({"$class":"ZEBAlarmClock","Identifier":"AbCdEfGh","DateChoosingMask":62,)"
                                  R"("AlarmTime":{"$date":"2026-12-07T07:00:00.000+01:00"},"Snooze":true,)";
        const auto file = [](const QByteArray &root) {
            return R"({"archive":"tolvek-keyed-archive","version":1,"root":)" + root + "}";
        };
        const auto list = [&](const QByteArray &rest) { return file("[" + record + rest + "}]"); };
        QTest::newRow("spaced") << file(" \n[\r\n\t" + record + R"("WakeupSlogan" : "Up" } ] )") + "\n";
        QTest::newRow("a key twice") << list(R"("WakeupSlogan":"first","Snooze":false,"WakeupSlogan":"last")");
        QTest::newRow("escapes") << list(
            "\"Wakeup\\u0053logan\":\"\\/\\u00e9\\ud83d\\ude80\\ud800 \\\"\\\\\\b\\f\\n\\r\\t\"");
        QTest::newRow("numbers written otherwise") << file(R"([{"$class":"ZEBAlarmClock","Identifier":"x",)"
                                                           R"("AlarmTime":{"$date":"2026-12-07T07:00:00Z"},)"
                                                           R"("DateChoosingMask":6.2e1,"Snooze":1}])");
        QTest::newRow("raw control characters") << list("\"WakeupSlogan\":\"a\tb\x01\"");
        QTest::newRow("unknown keys") << list(R"("Extra":{"a":[1,-2.5e-3,{"b":null}],"c":[]},"WakeupSlogan":"")");
        QTest::newRow("two records") << file("[" + record + R"("WakeupSlogan":"one"},)"
                                             + QByteArray(record).replace("AbCd", "WxYz")
                                             + R"("WakeupSlogan":"two"}])");
        const QByteArray notification = R"({"$class":"LocalNotification","fireDate":{"$date":"2026-12-08T07:00:00Z"},)";
        QTest::newRow("notifications, one key twice")
            << list(R"("ReferenceNotification":{"4":)" + notification + R"("alertBody":"first"},"2":)" + notification
                    + R"("alertBody":"two"},"4":)" + notification + R"("alertBody":"last"}})");
        QTest::newRow("notifications as a list")
            << list(R"("ReferenceNotification":[)" + notification + R"("alertBody":"listed"}])");
        QTest::newRow("byte order mark") << "\xef\xbb\xbf" + list(R"("WakeupSlogan":"Up")");
        QTest::newRow("invalid UTF-8") << list("\"WakeupSlogan\":\"\xc3\x28\"");
        QTest::newRow("surrogate in UTF-8") << list("\"WakeupSlogan\":\"\xed\xa0\x80\"");
        QTest::newRow("overlong UTF-8") << list("\"WakeupSlogan\":\"\xc0\xaf\"");
        QTest::newRow("leading zero") << file(R"([{"$class":"ZEBAlarmClock","DateChoosingMask":062}])");
        QTest::newRow("bad escape") << list("\"WakeupSlogan\":\"\\x41\"");
        QTest::newRow("something after") << list(R"("WakeupSlogan":"Up")") + "x";
        QTest::newRow("cut short") << list(R"("WakeupSlogan":"Up")").chopped(2);
    }
    void readAsQtReadsIt()
    {
        QFETCH(QByteArray, text);
        QFile file(AlarmSchedule::alarmFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        QJsonParseError error{};
        const QJsonArray records = QJsonDocument::fromJson(text, &error).object().value("root").toArray();
        const AlarmList loaded = AlarmSchedule::shared().reload();
        const QStringList aside
            = QDir(Paths::documentsDirectory()).entryList({QStringLiteral("accache.damaged-*")}, QDir::Files);
        if (error.error != QJsonParseError::NoError) {
            QVERIFY(loaded.isEmpty());
            QCOMPARE(aside.size(), 1);
            return;
        }
        QVERIFY(aside.isEmpty());
        QCOMPARE(loaded.size(), records.size());
        for (qsizetype i = 0; i < loaded.size(); ++i) {
            const QJsonObject record = records[i].toObject();
            QCOMPARE(loaded[i]->identifier, record.value("Identifier").toString());
            QCOMPARE(loaded[i]->slogan, record.value("WakeupSlogan").toString());
            QCOMPARE(loaded[i]->repeatMask, quint32(record.value("DateChoosingMask").toDouble()));
            QCOMPARE(loaded[i]->snooze, record.value("Snooze").toBool());
            const QString date = record.value("AlarmTime").toObject().value("$date").toString();
            QCOMPARE(loaded[i]->alarmTime, QDateTime::fromString(date, Qt::ISODateWithMs));
            const QJsonObject notifications = record.value("ReferenceNotification").toObject();
            QCOMPARE(loaded[i]->scheduledNotifications->keys(), notifications.keys());
            for (const QString &key : notifications.keys())
                QCOMPARE(loaded[i]->scheduledNotifications->value(key).alertBody,
                         notifications.value(key).toObject().value("alertBody").toString());
        }
    }
};

QTEST_GUILESS_MAIN(TestAlarmFile)
#include "tst_alarmfile.moc"
