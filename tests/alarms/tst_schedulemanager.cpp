// The schedule's own rules below the screens (the setting screen's save and
// budget: tst_alarmsetting; switching and deleting: tst_home_screen; the
// command-line tool and damaged files: tst_tolvekctl, tst_fault_injection).
#include "alarms/AlarmSchedule.h"
#include "platform/AlertPresenter.h"
#include "platform/NotificationStore.h"
#include "TestSupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <optional>

using TestSupport::at;

namespace {
using TestSupport::RecordingAlerts;

AlarmPtr alarmAt(int hour, int minute, quint32 mask)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->repeatMask = mask;
    return alarm;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList asideCopies(const QString &name)
{
    return QDir(Paths::documentsDirectory()).entryList({name + QStringLiteral(".damaged-*")}, QDir::Files);
}

QJsonValue archivedRoot()
{
    return QJsonDocument::fromJson(readAll(AlarmSchedule::alarmFilePath())).object().value(QStringLiteral("root"));
}
} // namespace

class TestScheduleManager : public QObject
{
    Q_OBJECT
    AlarmSchedule &manager = AlarmSchedule::shared();
    std::optional<TestSupport::PinnedClock> pinned;
    std::optional<TestSupport::StoreOnlyScheduler> store;

private Q_SLOTS:
    // Every test starts on Wednesday 2026-12-09 08:00 in Berlin with nothing stored.
    void init()
    {
        TestSupport::wipeUserData();
        pinned.emplace(at("Europe/Berlin", 2026, 12, 9, 8, 0));
        store.emplace();
        manager.reload();
    }
    void cleanup()
    {
        store.reset();
        pinned.reset();
    }

    void randomSoundIsPickedOncePerAdd()
    {
        for (int round = 0; round < 20; ++round) {
            const AlarmPtr alarm = alarmAt(7, 0, 127);
            alarm->soundFile = QStringLiteral("RandomSound");
            QVERIFY(manager.addRepeating(alarm));
            QSet<QString> sounds;
            for (const LocalNotification &n : std::as_const(*alarm->scheduledNotifications)) {
                sounds.insert(n.soundName);
                QCOMPARE(n.alertAction, QStringLiteral("Rock & Roll")); // the desktop bubble's button
            }
            QCOMPARE(sounds.size(), 1);
            // Never the marker itself: that would ring in silence.
            QVERIFY(sounds.values().first().endsWith(QLatin1String(".mp3")));
            manager.remove(alarm);
        }
    }

    // An order taken before someone else added an alarm keeps the newcomer.
    void reorderingKeepsNewcomers()
    {
        const AlarmPtr a = alarmAt(6, 0, 0), b = alarmAt(7, 0, 0), c = alarmAt(8, 0, 0);
        for (const AlarmPtr &alarm : {a, b, c})
            QVERIFY(manager.addOneTime(alarm));
        QVERIFY(manager.reorder({b->identifier, a->identifier, QStringLiteral("gone")}));
        QStringList order;
        for (const AlarmPtr &alarm : manager.reload())
            order << alarm->identifier;
        QCOMPARE(order, (QStringList{b->identifier, a->identifier, c->identifier}));
    }

    // Records nobody could use are never loaded as blank alarms, and never lost:
    // the file as it was is kept aside once, and the good records stay in it.
    void badRecordsAreKeptAsideAndGoodOnesStay()
    {
        const Alarm alarm;
        QJsonObject blank = KeyedArchiver::archivedObject(&alarm).toObject();
        blank.remove(QStringLiteral("Identifier"));
        const QJsonArray root{KeyedArchiver::archivedObject(&alarm), QJsonObject{{"$class", "Something"}}, 42, blank,
                              KeyedArchiver::archivedObject(&alarm)};
        QVERIFY(KeyedArchive::writeFile(AlarmSchedule::alarmFilePath(), root));
        const QByteArray original = readAll(AlarmSchedule::alarmFilePath());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("4 records in .* cannot be read; kept them in .*accache.damaged-"));
        const AlarmList list = manager.reload();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0]->identifier, alarm.identifier);
        const QStringList aside = asideCopies(QStringLiteral("accache"));
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(Paths::documentPath(aside[0])), original);
        // Kept once: the file now holds the good record only.
        QCOMPARE(manager.reload().size(), 1);
        QCOMPARE(asideCopies(QStringLiteral("accache")).size(), 1);
        QCOMPARE(archivedRoot().toArray().size(), 1);
    }

    // A full disk: the write fails, the previous files stay byte for byte, the
    // user is told. So too for a file larger than the reader accepts: it would
    // be set aside as damaged at the next start, every alarm with it. (Every
    // change of the command-line tool at every file-size limit: tst_fault_injection.)
    void failedWriteChangesNothingAndSaysSo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"add", "settle", "too large to read back"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void failedWriteChangesNothingAndSaysSo()
    {
        QFETCH(QString, change);
        RecordingAlerts alerts;
        const AlarmPtr stored = alarmAt(7, 30, 62);
        QVERIFY(manager.addRepeating(stored));
        const QByteArray alarms = readAll(AlarmSchedule::alarmFilePath());
        const QByteArray pending = readAll(NotificationStore::path());
        const AlarmPtr target = manager.alarmWithIdentifier(stored->identifier);
        const AlarmPtr huge = alarmAt(9, 0, 0);
        huge->slogan = QString(17 << 20, QLatin1Char('z'));
        const QMap<QString, std::function<bool()>> changes{
            {"add", [&] { return manager.addOneTime(alarmAt(9, 0, 0)); }},
            {"settle", [&] { return manager.settleRungAlarm(target); }},
            {"too large to read back", [&] { return manager.addOneTime(huge); }}};
        bool done = true;
        {
            std::optional<TestSupport::FileSizeLimit> full;
            if (change != QLatin1String("too large to read back"))
                full.emplace();
            done = changes[change]();
        }
        QVERIFY(!done);
        QCOMPARE(manager.lastFailure(), AlarmSchedule::Failure::Storage);
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].title, QStringLiteral("Alarms Not Saved"));
        QCOMPARE(readAll(AlarmSchedule::alarmFilePath()), alarms);
        QCOMPARE(readAll(NotificationStore::path()), pending);
        QCOMPARE(manager.reload().size(), 1);
        QVERIFY(manager.reload()[0]->active);
        QVERIFY(asideCopies(QStringLiteral("accache")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScheduleManager)
#include "tst_schedulemanager.moc"
