// Faults injected from outside into the real programs on real files: tolvekctl
// killed at random points of its changes, a full disk (a file-size limit) for
// every kind of change and for the app's start, a stale lock and a stuck
// holder, many writers at once, hostile alarm, pending, ring-status and
// preference files, and the notification service repairing at its start.
// Every test prints its figures; a loss is any alarm not found old or new,
// any active alarm not armed, any user file not kept.
#include "NotifydHarness.h"
#include "ToolHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {
// What a user sees of an alarm, and what must be whole after any fault.
struct AlarmView
{
    QString time;
    qint64 mask = 0;
    bool active = false;
    bool operator==(const AlarmView &) const = default;
};
using Listing = QMap<QString, AlarmView>; // by id

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QJsonValue archiveRoot(const QString &path)
{
    return QJsonDocument::fromJson(bytesOf(path)).object().value(QStringLiteral("root"));
}

qint64 msecsOf(const QJsonValue &date)
{
    return QDateTime::fromString(date.toObject().value(QStringLiteral("$date")).toString(), Qt::ISODateWithMs)
        .toMSecsSinceEpoch();
}

// The alarms as the alarm file holds them, read without the programs' own code.
Listing listingOf(const ToolHome &home)
{
    Listing listing;
    for (const QJsonValue &value : archiveRoot(home.alarmFile()).toArray()) {
        const QJsonObject alarm = value.toObject();
        listing.insert(
            alarm.value(QStringLiteral("Identifier")).toString(),
            {alarm.value(QStringLiteral("AlarmTime")).toObject().value(QStringLiteral("$date")).toString().mid(11, 5),
             alarm.value(QStringLiteral("DateChoosingMask")).toInteger(),
             alarm.value(QStringLiteral("Active")).toBool()});
    }
    return listing;
}

QString describe(const Listing &listing)
{
    QStringList lines;
    for (auto it = listing.cbegin(); it != listing.cend(); ++it)
        lines << QStringLiteral("%1 %2 %3 %4").arg(it.key(), it->time).arg(it->mask).arg(it->active ? "on" : "off");
    return lines.join(QStringLiteral("; "));
}

// "" when every active alarm has one notification per day (one when it rings
// once), none is off with notifications, and exactly those are pending.
QString armingProblem(const ToolHome &home)
{
    QList<qint64> claimed;
    for (const QJsonValue &value : archiveRoot(home.alarmFile()).toArray()) {
        const QJsonObject alarm = value.toObject();
        const QJsonObject notifications = alarm.value(QStringLiteral("ReferenceNotification")).toObject();
        const quint32 mask = quint32(alarm.value(QStringLiteral("DateChoosingMask")).toInteger());
        const int expected
            = alarm.value(QStringLiteral("Active")).toBool() ? (mask == 0 ? 1 : qPopulationCount(mask)) : 0;
        if (notifications.size() != expected)
            return QStringLiteral("alarm %1 has %2 notifications, not %3")
                .arg(alarm.value(QStringLiteral("Identifier")).toString())
                .arg(notifications.size())
                .arg(expected);
        for (const QJsonValue &n : notifications)
            claimed << msecsOf(n.toObject().value(QStringLiteral("fireDate")));
    }
    QList<qint64> pending;
    for (const QJsonValue &n : archiveRoot(home.dataFile(QStringLiteral("notifications")))
                                   .toObject()
                                   .value(QStringLiteral("pending"))
                                   .toArray())
        pending << msecsOf(n.toObject().value(QStringLiteral("fireDate")));
    std::sort(claimed.begin(), claimed.end());
    std::sort(pending.begin(), pending.end());
    if (claimed != pending)
        return QStringLiteral("the alarms claim %1 notifications, %2 are pending")
            .arg(claimed.size())
            .arg(pending.size());
    return {};
}

// A time of day far from now, so nothing falls due (and is fired) while the suite runs.
QString farTime(QRandomGenerator &random)
{
    const int hour = (QTime::currentTime().hour() + 3 + int(random.bounded(18))) % 24;
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(int(random.bounded(60)), 2, 10, QLatin1Char('0'));
}

const QStringList kDayNames{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

// One change made with tolvekctl, and the listing it leads to from `before`.
struct Change
{
    QStringList arguments;
    QString kind;
    QString id;      // the alarm changed (empty for add)
    AlarmView added; // add: what the new alarm looks like

    bool isOutcome(const Listing &before, const Listing &after) const
    {
        Listing expected = before;
        if (kind == QLatin1String("add")) {
            if (after.size() != before.size() + 1)
                return false;
            for (auto it = after.cbegin(); it != after.cend(); ++it)
                if (!before.contains(it.key()))
                    expected.insert(it.key(), added);
        } else if (kind == QLatin1String("delete")) {
            expected.remove(id);
        } else if (kind == QLatin1String("off")) {
            expected[id].active = false;
        } else if (kind == QLatin1String("on")) {
            expected[id].active = true;
        } else if (kind == QLatin1String("edit")) {
            expected[id].time = arguments.at(3);
        }
        return after == expected;
    }
};

Change randomChange(QRandomGenerator &random, const Listing &current)
{
    const QStringList ids = current.keys();
    const int pick = current.size() < 3 ? 0 : current.size() > 7 ? 1 + int(random.bounded(4)) : int(random.bounded(5));
    Change change;
    if (pick == 0) {
        const QString time = farTime(random);
        quint32 mask = random.bounded(2) ? quint32(random.bounded(1, 128)) : 0;
        QStringList days;
        for (int i = 0; i < 7; ++i)
            if (mask & (1u << i))
                days << kDayNames[i];
        change.kind = QStringLiteral("add");
        change.arguments = {"add", "--time", time, "--days", days.isEmpty() ? QStringLiteral("once") : days.join(',')};
        change.added = {time, mask, true};
        return change;
    }
    change.id = ids.at(int(random.bounded(qsizetype(ids.size()))));
    static const char *const kinds[] = {"delete", "off", "on", "edit"};
    change.kind = QLatin1String(kinds[pick - 1]);
    change.arguments = {change.kind, change.id};
    if (change.kind == QLatin1String("edit"))
        change.arguments << QStringLiteral("--time") << farTime(random);
    return change;
}

QStringList asideCopies(const QString &path)
{
    const QFileInfo info(path);
    QStringList found;
    for (const QString &name :
         QDir(info.absolutePath())
             .entryList({info.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden | QDir::System))
        found << info.absolutePath() + QLatin1Char('/') + name;
    return found;
}

bool crashed(const ToolHome::Result &r) { return r.exitCode < 0; }

// The notification service on `bus`, on the files of `home`, starting nothing when a notification fires.
QProcessEnvironment serviceEnvironmentFor(const PrivateBus &bus, const ToolHome &home)
{
    QProcessEnvironment env = home.onThisHome(serviceEnvironment(bus));
    env.insert(QStringLiteral("TOLVEK_ALARM_BINARY"), QStringLiteral("/bin/true"));
    return env;
}
} // namespace

class TestFaultInjection : public QObject
{
    Q_OBJECT

private:
    quint32 seed_ = 0;
    QRandomGenerator random_;
    ToolHome base_;               // three alarms (one weekly, one once, one off) and preferences, made by the programs
    QString weekly_, once_, off_; // their ids

    // Gives `home` the base home's files.
    void addBaseAlarms(ToolHome &home)
    {
        QVERIFY(QDir().mkpath(QFileInfo(home.alarmFile()).absolutePath()));
        QVERIFY(QDir().mkpath(QFileInfo(home.preferencesFile()).absolutePath()));
        for (const QString &name : {QStringLiteral("accache"), QStringLiteral("notifications")})
            writeBytes(home.dataFile(name), bytesOf(base_.dataFile(name)));
        writeBytes(home.preferencesFile(), bytesOf(base_.preferencesFile()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QByteArray given = qgetenv("TOLVEK_FAULT_SEED");
        seed_ = given.isEmpty() ? QRandomGenerator::system()->generate() : given.toUInt();
        random_.seed(seed_);
        std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure printed as it comes, not at the end
        std::printf("fault injection: seed %u (set TOLVEK_FAULT_SEED to repeat)\n", seed_);
        QVERIFY(base_.app({"--once"}).exitCode == 0);
        QVERIFY(base_.ctl({"delete", listingOf(base_).firstKey()}).exitCode == 0);
        weekly_ = base_.ctl({"add", "--time", "06:45", "--days", "mon,tue,wed,thu,fri"}).out.trimmed();
        once_ = base_.ctl({"add", "--time", "23:10", "--slogan", "Tea"}).out.trimmed();
        off_ = base_.ctl({"add", "--time", "09:30", "--days", "sat,sun"}).out.trimmed();
        QVERIFY(base_.ctl({"off", off_}).exitCode == 0);
        QVERIFY(!weekly_.isEmpty() && !once_.isEmpty() && !off_.isEmpty());
        QCOMPARE(listingOf(base_).size(), 3);
    }

    // tolvekctl killed with SIGKILL at random moments of random changes; after
    // each kill the app starts once (its start-up repair), then every alarm is
    // as before or as after the change, and every active alarm is armed.
    void killedChangesLeaveOldOrNew()
    {
        constexpr int kTries = 200;
        ToolHome home;
        addBaseAlarms(home);
        PrivateBus bus;
        QVERIFY(bus.isValid());
        const QProcessEnvironment serviceEnv = serviceEnvironmentFor(bus, home);
        QVERIFY(home.app({"--once"}).exitCode == 0);
        Listing current = listingOf(home);

        // How long a change takes here (the median of a few): the kills are
        // spread over most of that, where the writes are.
        QList<qint64> durations;
        for (int i = 0; i < 7; ++i) {
            QElapsedTimer timer;
            timer.start();
            QVERIFY(home.ctl({"edit", current.firstKey(), "--time", current.first().time}).exitCode == 0);
            durations << timer.nsecsElapsed() / 1000;
        }
        std::sort(durations.begin(), durations.end());
        const qint64 typicalUs = durations.at(durations.size() / 2);
        current = listingOf(home);

        int killed = 0, completed = 0, halfway = 0, repairedStarts = 0, losses = 0;
        for (int i = 0; i < kTries; ++i) {
            const Change change = randomChange(random_, current);
            const std::unique_ptr<QProcess> process = home.startCtl(change.arguments);
            QVERIFY(process->waitForStarted());
            const auto delay = std::chrono::microseconds(typicalUs / 3 + qint64(random_.bounded(typicalUs * 3 / 4)));
            std::this_thread::sleep_for(delay);
            ::kill(pid_t(process->processId()), SIGKILL);
            QVERIFY(process->waitForFinished());
            const bool wasKilled = process->exitStatus() == QProcess::CrashExit;
            if (wasKilled)
                ++killed;
            else
                QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
            const bool betweenFiles = !armingProblem(home).isEmpty();
            halfway += betweenFiles; // between the alarm file and the pending list: the start mends it

            // The next start: the notification service's, every tenth time the app's.
            QByteArray said;
            if (i % 10 == 9) {
                const ToolHome::Result start = home.app({"--once"});
                QVERIFY2(!crashed(start), qPrintable(start.describe()));
                said = start.err.toUtf8();
            } else {
                ServiceProcess service(bus, serviceEnv);
                QVERIFY(service.start());
                // Its repair runs right after it takes its bus name, and says what it mended.
                QTRY_VERIFY_WITH_TIMEOUT(armingProblem(home).isEmpty(), 10000);
                if (betweenFiles)
                    QTRY_VERIFY_WITH_TIMEOUT((service.readOutput(), service.output().contains("repaired:")), 10000);
                service.killHard();
                said = service.output();
            }
            if (said.contains("repaired:"))
                ++repairedStarts;
            const Listing after = listingOf(home);
            const bool isNew = change.isOutcome(current, after);
            const bool isOld = after == current;
            const QString arming = armingProblem(home);
            if ((!isNew && !isOld) || (!wasKilled && !isNew) || !arming.isEmpty()) {
                ++losses;
                qWarning().noquote() << "try" << i << change.arguments.join(' ') << "killed" << wasKilled
                                     << "\nbefore:" << describe(current) << "\nafter: " << describe(after) << "\n"
                                     << arming;
            }
            if (isNew && !isOld)
                ++completed;
            current = after;
        }
        std::printf("kill -9 during changes: %d tries, %d killed (at %lld to %lld us of a change taking %lld us), "
                    "%d completed, %d left between the two files, %d starts repaired, losses %d\n",
                    kTries, killed, typicalUs / 3, typicalUs * 13 / 12, typicalUs, completed, halfway, repairedStarts,
                    losses);
        QCOMPARE(losses, 0);
        QVERIFY(killed > kTries / 4);
    }

    // Every kind of change under file-size limits from a few bytes up to more
    // than it needs: done whole (exit 0) or refused whole (exit 3, a message,
    // both files byte for byte as they were).
    void fullDiskRefusesWholeChanges_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("add one-time") << QStringList{"add", "--time", "05:05"};
        QTest::newRow("add weekly") << QStringList{"add", "--time", "05:05", "--days", "mon,wed,fri,sun"};
        QTest::newRow("edit") << QStringList{"edit",  weekly_,    "--time",
                                             "04:20", "--slogan", "A much longer slogan than before"};
        QTest::newRow("delete") << QStringList{"delete", once_};
        QTest::newRow("off") << QStringList{"off", weekly_};
        QTest::newRow("on") << QStringList{"on", off_};
    }
    void fullDiskRefusesWholeChanges()
    {
        QFETCH(QStringList, arguments);
        ToolHome home;
        addBaseAlarms(home);
        const QByteArray alarms = bytesOf(home.alarmFile());
        const QByteArray pending = bytesOf(home.dataFile(QStringLiteral("notifications")));
        const qint64 largest = std::max(alarms.size(), pending.size()) * 2;

        int tries = 0, done = 0, refused = 0, losses = 0;
        for (qint64 limit = 1; limit <= largest; limit += std::max<qint64>(largest / 16, 1)) {
            writeBytes(home.alarmFile(), alarms);
            writeBytes(home.dataFile(QStringLiteral("notifications")), pending);
            home.setFileSizeLimit(limit);
            const ToolHome::Result r = home.ctl(arguments);
            home.setFileSizeLimit(0);
            ++tries;
            if (r.exitCode == 0) {
                ++done;
                if (!armingProblem(home).isEmpty() || bytesOf(home.alarmFile()) == alarms)
                    ++losses;
                continue;
            }
            ++refused;
            const bool intact = bytesOf(home.alarmFile()) == alarms
                                && bytesOf(home.dataFile(QStringLiteral("notifications"))) == pending;
            if (r.exitCode != 3 || !r.err.contains(QLatin1String("not saved"), Qt::CaseInsensitive) || !intact) {
                ++losses;
                qWarning().noquote() << "limit" << limit << "intact" << intact << r.describe();
            }
        }
        QVERIFY(!QFile::exists(home.alarmFile() + QStringLiteral(".saving")));
        std::printf("full disk, %s: %d limits from 1 to %lld bytes, %d done, %d refused whole, losses %d\n",
                    QTest::currentDataTag(), tries, largest, done, refused, losses);
        QCOMPARE(losses, 0);
        QVERIFY(refused > 0 && done > 0);
    }

    // The app's own start on a full disk: the first-run alarm, and the repair of a lost pending list.
    void fullDiskAtTheAppsStartIsReported()
    {
        ToolHome home;
        home.setFileSizeLimit(16);
        const ToolHome::Result first = home.app({"--once"});
        QVERIFY2(!crashed(first), qPrintable(first.describe()));
        QVERIFY2(first.err.contains(QLatin1String("Alarms Not Saved")), qPrintable(first.describe()));
        QVERIFY(!QFile::exists(home.alarmFile()));
        home.setFileSizeLimit(0);
        QVERIFY(home.app({"--once"}).exitCode == 0);
        QCOMPARE(listingOf(home).size(), 1);
        QCOMPARE(armingProblem(home), QString());

        const QByteArray alarms = bytesOf(home.alarmFile());
        QVERIFY(QFile::remove(home.dataFile(QStringLiteral("notifications"))));
        home.setFileSizeLimit(16);
        const ToolHome::Result unarmed = home.app({"--once"});
        QVERIFY2(unarmed.err.contains(QLatin1String("Alarms May Not Ring")), qPrintable(unarmed.describe()));
        QCOMPARE(bytesOf(home.alarmFile()), alarms);
        home.setFileSizeLimit(0);
        const ToolHome::Result repaired = home.app({"--once"});
        QVERIFY2(repaired.err.contains(QLatin1String("repaired:")), qPrintable(repaired.describe()));
        QCOMPARE(armingProblem(home), QString());
    }

    // A lock file left empty by a killed process holds nobody up; many writers at
    // once each get their turn and none is lost.
    void staleLockAndManyWriters()
    {
        ToolHome home;
        QVERIFY(home.ctl({"list"}).exitCode == 0); // makes the data folder
        writeBytes(home.dataFile(QStringLiteral(".data.lock")), QByteArray());
        QElapsedTimer timer;
        timer.start();
        const ToolHome::Result added = home.ctl({"add", "--time", "06:00"});
        QVERIFY2(added.exitCode == 0, qPrintable(added.describe()));
        const qint64 staleMs = timer.elapsed();

        constexpr int kWriters = 12;
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int i = 0; i < kWriters; ++i)
            writers.push_back(home.startCtl({"add", "--time", farTime(random_), "--days", kDayNames[i % 7]}));
        int succeeded = 0;
        for (const auto &writer : writers) {
            QVERIFY(writer->waitForFinished(60000));
            succeeded += writer->exitStatus() == QProcess::NormalExit && writer->exitCode() == 0;
        }
        const int stored = int(listingOf(home).size()) - 1;
        std::printf("lock: a change past a stale empty lock file took %lld ms; %d writers at once: %d succeeded, "
                    "%d stored, losses %d\n",
                    staleMs, kWriters, succeeded, stored, succeeded - stored);
        QCOMPARE(succeeded, kWriters);
        QCOMPARE(stored, kWriters);
        QCOMPARE(armingProblem(home), QString());
    }

    // A live holder that does not let go: changes are refused with a message,
    // never made without the lock; once it lets go they go through.
    void stuckHolderRefusesChanges()
    {
        ToolHome home;
        addBaseAlarms(home);
        const QByteArray alarms = bytesOf(home.alarmFile());
        const int fd = ::open(QFile::encodeName(home.dataFile(QStringLiteral(".data.lock"))).constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        QVERIFY(::flock(fd, LOCK_EX) == 0);
        const ToolHome::Result add = home.ctl({"add", "--time", "05:00"});
        const ToolHome::Result off = home.ctl({"off", listingOf(home).firstKey()});
        ::close(fd);
        for (const ToolHome::Result &r : {add, off}) {
            QCOMPARE(r.exitCode, 3);
            QVERIFY2(r.err.contains(QLatin1String("in use by another program")), qPrintable(r.describe()));
        }
        QCOMPARE(bytesOf(home.alarmFile()), alarms);
        QVERIFY(home.ctl({"add", "--time", "05:00"}).exitCode == 0);
        QCOMPARE(listingOf(home).size(), 4);
        std::printf("stuck holder: 2 changes refused with a message, 0 made without the lock\n");
    }

    // Each file of the data folder and the preferences replaced by something
    // hostile: the app starts, the tool lists and adds, nothing crashes or
    // hangs, and nothing of the user's is lost: the hostile file is kept (aside
    // or in place), the other files' alarms stay and are armed.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const char *file : {"accache", "notifications", "acstatus", "preferences.conf"})
            for (const char *kind :
                 {"empty", "truncated", "random", "deep nesting", "200 MB", "wrong shape", "symlink", "directory"})
                QTest::addRow("%s %s", file, kind) << QString::fromLatin1(file) << QString::fromLatin1(kind);
    }
    void hostileFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        ToolHome home;
        addBaseAlarms(home);
        const Listing base = listingOf(home);
        const auto kindIs = [&](const char *name) { return kind == QLatin1String(name); };
        const bool isPreferences = file == QLatin1String("preferences.conf");
        const QString path = isPreferences ? home.preferencesFile() : home.dataFile(file);
        const bool isAlarmFile = file == QLatin1String("accache");
        if (file == QLatin1String("acstatus")) // as written while an alarm rings, but not ringing now
            writeBytes(path, QJsonDocument(
                                 QJsonObject{{"archive", "tolvek-keyed-archive"},
                                             {"version", 1},
                                             {"root", QJsonObject{{"rStatus", false},
                                                                  {"rAlarmClock",
                                                                   archiveRoot(home.alarmFile()).toArray().first()}}}})
                                 .toJson());
        const QByteArray valid = bytesOf(path);

        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        const QByteArray victimBytes
            = isPreferences ? QByteArray("[General]\nDefaultWeatherUnit=F\n") : QByteArray("someone else's file\n");
        QFile::remove(path);
        QByteArray hostile;
        if (kindIs("truncated")) {
            hostile = valid.left(valid.size() / 2);
        } else if (kindIs("random")) {
            hostile.resize(4096);
            for (char &c : hostile)
                c = char(random_.bounded(256));
        } else if (kindIs("deep nesting")) {
            hostile = QByteArray(100000, '[');
        } else if (kindIs("wrong shape")) {
            hostile = isPreferences ? QByteArray("{\"DefaultWeatherUnit\": \"F\"}\n")
                      : file == QLatin1String("notifications")
                          ? QByteArray("{\"archive\": \"tolvek-keyed-archive\", \"version\": 1, \"root\": [1, 2]}")
                          : QByteArray(
                              "{\"archive\": \"tolvek-keyed-archive\", \"version\": 1, \"root\": {\"pending\": []}}");
        }
        if (kindIs("symlink")) {
            writeBytes(victim, victimBytes);
            QVERIFY(QFile::link(victim, path));
        } else if (kindIs("directory")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kindIs("200 MB")) {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(qint64(200) << 20)); // sparse: reads as zeros
        } else {
            writeBytes(path, hostile);
        }
        const qint64 hostileSize = QFileInfo(path).size();

        const ToolHome::Result start = home.app({"--once"});
        const ToolHome::Result list = home.ctl({"list", "--json"});
        const ToolHome::Result add = home.ctl({"add", "--time", "05:55"});
        for (const ToolHome::Result &r : {start, list, add})
            QVERIFY2(!crashed(r) && (r.exitCode == 0 || r.exitCode == 3), qPrintable(r.describe()));

        // Kept: in place, aside, or (a link) its target untouched.
        if (kindIs("directory")) {
            QVERIFY(QFileInfo(path).isDir());
        } else if (kindIs("symlink")) {
            QCOMPARE(bytesOf(victim), victimBytes);
            QVERIFY(!QFileInfo(path).isSymLink() || bytesOf(path) == victimBytes);
        } else {
            const QStringList aside = asideCopies(path);
            bool kept = bytesOf(path) == hostile && QFileInfo(path).size() == hostileSize;
            for (const QString &copy : aside)
                kept
                    = kept || (QFileInfo(copy).size() == hostileSize && (kindIs("200 MB") || bytesOf(copy) == hostile));
            // An empty or truncated file is still text a program can read: what it held is kept in it.
            if (kindIs("empty") || (kindIs("truncated") && isPreferences))
                kept = true;
            QVERIFY2(kept, qPrintable(aside.join(' ')));
        }

        if (isAlarmFile && kindIs("directory")) {
            // Unreadable is not empty: every change refused, with the reason.
            QCOMPARE(list.exitCode, 3);
            QCOMPARE(add.exitCode, 3);
            QVERIFY2(add.err.contains(QLatin1String("folder")), qPrintable(add.describe()));
            return;
        }
        if (file == QLatin1String("notifications") && kindIs("directory")) {
            QCOMPARE(add.exitCode, 3); // its notifications could not be stored: the alarm is not added
            QCOMPARE(listingOf(home), base);
            return;
        }
        QVERIFY2(add.exitCode == 0, qPrintable(add.describe()));
        const Listing after = listingOf(home);
        if (!isAlarmFile) {
            // Every alarm the user had is there, and armed.
            for (auto it = base.cbegin(); it != base.cend(); ++it)
                QCOMPARE(after.value(it.key()), *it);
            QCOMPARE(armingProblem(home), QString());
        }
        QCOMPARE(after.size(), isAlarmFile ? qsizetype(1) : base.size() + 1);
    }

    // The notification service, too, mends at its start what a killed writer
    // left: an alarm file with an active alarm and no pending notifications.
    void serviceRepairsAtItsStart()
    {
        ToolHome home;
        addBaseAlarms(home);
        QVERIFY(QFile::remove(home.dataFile(QStringLiteral("notifications"))));
        QVERIFY(!armingProblem(home).isEmpty());
        PrivateBus bus;
        QVERIFY(bus.isValid());
        ServiceProcess service(bus, serviceEnvironmentFor(bus, home));
        QVERIFY(service.start());
        QTRY_COMPARE(armingProblem(home), QString());
        // And says what it mended.
        QTRY_VERIFY2((service.readOutput(), service.output().contains("repaired:")), service.output().constData());
    }
};

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "tst_fault_injection.moc"
