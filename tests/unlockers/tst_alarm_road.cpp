// One alarm's whole road through the app, headless: the app is put together
// by the same assembly as in main(), the notification arrives at launch (a
// one-time alarm firing while the app runs is the self-test's; see
// assembly/SelfTest.cpp), the unlock screen comes up in
// ringing mode with the ring looping on the audio server, the game is won by
// taps on the window, and the alarm is settled as the command-line tool sees
// it. Also: killed while ringing (a child run of this program, SIGKILLed) and
// started again, the app shows the same unlock screen. The shake game is won
// by fast drags across the window (this machine has no accelerometer), the
// blow game by blowing into a PulseAudio pipe microphone; their gauges are
// read the way assistive tools read them. Every win is followed through its
// sequence (silence, alert, jingle, settle, close) as the rest of the app sees it.
#include "PipeMicrophone.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "alarms/AlarmSchedule.h"
#include "app/LaunchArguments.h"
#include "platform/ApplicationLifecycle.h"
#include "assembly/AppWindow.h"
#include "platform/NotificationStore.h"
#include "ui/UiSetup.h"
#include "unlockers/games/blow/BlowGame.h"
#include "unlockers/games/shake/ShakeGame.h"

#include <QMediaDevices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>

using namespace UnlockHarness;

namespace {
const char kChildFlag[] = "--ringing-child";
const char kOffsetVariable[] = "TOLVEK_ROAD_CLOCK_OFFSET_MS";
constexpr int kScreenTimeoutMs = 15000;

// A whole minute a little ahead, so day and weekday stay those of today.
QDateTime nextRingMoment()
{
    const QDateTime now = QDateTime::currentDateTime().addSecs(120);
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
}

// The app from its assembly, in-process scheduler, no weather and no bus name
// (the killed child and this process both run one).
class RunningApp
{
public:
    // `windowFirst`: as the app's own start, the empty window on screen before the rest is built.
    explicit RunningApp(const QStringList &arguments, bool windowFirst = false)
        : assembly(
            LaunchArguments::parse(arguments),
            {.useNotificationService = false, .busEndpoint = false, .fetchWeather = false, .windowFirst = windowFirst})
    {
        error = LaunchArguments::parse(arguments).error;
        QSignalSpy launched(&assembly, &AppAssembly::launched);
        loaded = assembly.start() && (!launched.isEmpty() || launched.wait(10000)) && assembly.window()
                 && assembly.window()->window();
    }
    ~RunningApp()
    {
        ApplicationLifecycle::shared().enterBackground();
        closeAll();
    }
    QQuickWindow *window() const { return assembly.window()->window(); }

    UnlockScreen *unlockScreen() const
    {
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            if (auto *unlock = qobject_cast<UnlockScreen *>(screen))
                return unlock;
        return nullptr;
    }

    // The item of the front screen's view named `name`, once it can take a tap.
    QQuickItem *tappableItem(const QString &name) const
    {
        QQuickItem *found = nullptr;
        const bool ready = QTest::qWaitFor(
            [&] {
                found = findItem(window()->contentItem(), name);
                return found && found->isVisible() && found->opacity() > 0.99 && found->scale() > 0.99;
            },
            5000);
        return ready ? found : nullptr;
    }

    bool tap(const QString &name) const
    {
        QQuickItem *item = tappableItem(name);
        if (item)
            QTest::mouseClick(window(), Qt::LeftButton, {}, sceneRect(item).center().toPoint());
        return item != nullptr;
    }

    // Wins whichever game is in front by tapping its view.
    bool winByTaps() const
    {
        UnlockScreen *screen = unlockScreen();
        if (qobject_cast<TapGame *>(screen))
            return tap(QStringLiteral("closeButton"));
        if (auto *blow = qobject_cast<BlowGame *>(screen))
            return blow->usesFallback() && tap(QStringLiteral("closeButton"));
        auto *calculate = qobject_cast<SumGame *>(screen);
        if (!calculate)
            return false;
        for (QChar digit : QString::number(calculate->result()))
            if (!tap(QStringLiteral("key%1").arg(digit.digitValue())))
                return false;
        return true;
    }

    // Fast drags back and forth across the middle of the window, until the
    // shake game's gauge is full.
    bool shakeByDrags() const
    {
        QPointer<ShakeGame> shake = qobject_cast<ShakeGame *>(unlockScreen());
        QQuickItem *area = tappableItem(QStringLiteral("dragArea"));
        if (!shake || !area)
            return false;
        const QPointF centre = sceneRect(area).center();
        QTest::mousePress(window(), Qt::LeftButton, {}, centre.toPoint());
        QElapsedTimer clock;
        clock.start();
        while (shake && !shake->flashing() && clock.elapsed() < 15000) {
            const double t = clock.elapsed() / 1000.0;
            QTest::mouseMove(window(), (centre + QPointF(40 * std::sin(2 * M_PI * 2.5 * t), 0)).toPoint());
            QTest::qWait(15);
        }
        if (shake)
            QTest::mouseRelease(window(), Qt::LeftButton, {}, centre.toPoint());
        return true;
    }

    Reading read(const QString &name) const { return Reading(findItem(window()->contentItem(), name)); }

    AppAssembly assembly;
    AppCore &delegate = assembly.core();
    // Presentations completed (the screen has slid in).
    QSignalSpy presented{&delegate, &AppCore::unlockScreenPresented};
    QString error;
    bool loaded = false;
};

// What the command-line tool prints for `command --json`.
QJsonArray tolvekctl(const char *command)
{
    const QStringList arguments{QLatin1String(command), QStringLiteral("--json")};
    return QJsonDocument::fromJson(TestSupport::run(QStringLiteral(TOLVEKCTL_PATH), arguments).out).array();
}

QList<QDateTime> fireDates(const QJsonArray &notifications)
{
    QList<QDateTime> dates;
    for (const QJsonValue &n : notifications)
        dates << QDateTime::fromString(n.toObject().value("fireDate").toString(), Qt::ISODate);
    std::sort(dates.begin(), dates.end());
    return dates;
}

int sinkInputsOfThisProcess()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(10000);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    return QString::fromUtf8(pactl.readAllStandardOutput())
        .count(QStringLiteral("application.process.id = \"%1\"").arg(pid));
}

AlarmPtr makeAlarm(const QDateTime &ring, quint32 mask, int kind)
{
    const AlarmPtr alarm = alarmRinging();
    alarm->setTimeOfDay(ring.time(), ring.date());
    alarm->repeatMask = mask;
    alarm->unlocker = std::make_shared<Unlocker>(kind);
    return alarm;
}

quint32 weekdayOf(const QDateTime &ring) { return Alarm::maskBitForQtDayOfWeek(ring.date().dayOfWeek()); }

// Schedules `alarm` the way the setting screen does, with nothing delivering yet.
LocalNotification schedule(const AlarmPtr &alarm)
{
    TestSupport::StoreOnlyScheduler store;
    AlarmSchedule &manager = AlarmSchedule::shared();
    if (alarm->repeatMask)
        manager.addRepeating(alarm);
    else
        manager.addOneTime(alarm);
    return alarm->scheduledNotifications->isEmpty() ? LocalNotification() : alarm->scheduledNotifications->first();
}

QStringList launchArguments(const LocalNotification &notification)
{
    return {QStringLiteral("tolvek-alarm"), QStringLiteral("--launch-notification"),
            QString::fromUtf8(QJsonDocument(notification.toJson().toObject()).toJson(QJsonDocument::Compact))};
}

// What the notification service does when it starts the app for a due notification.
QStringList deliverAtLaunch(const LocalNotification &notification)
{
    TestSupport::StoreOnlyScheduler store;
    store.scheduler().cancelLocalNotification(notification);
    return launchArguments(notification);
}

// The child run of the kill test: launch with the notification, ring, say so, wait to be killed.
int runRingingChild(const QStringList &arguments)
{
    ShiftedClock clock;
    clock.setOffsetMs(qEnvironmentVariable(kOffsetVariable).toLongLong());
    Clock::setCurrent(&clock);
    RunningApp app(arguments);
    if (!QTest::qWaitFor([&] { return app.unlockScreen() != nullptr; }, kScreenTimeoutMs))
        return 1;
    const QString line
        = QStringLiteral("RINGING %1 %2\n")
              .arg(app.unlockScreen()->alarm()->unlocker->screenName, app.unlockScreen()->alarm()->identifier);
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fflush(stdout); // stdout is a pipe: fully buffered otherwise
    return QCoreApplication::exec();
}
} // namespace

class TestAlarmRoad : public QObject
{
    Q_OBJECT

private:
    ShiftedClock clock;

    // A weekly alarm ringing today at `ring`, scheduled 3 s before; the clock then stands 2 s after.
    std::pair<AlarmPtr, LocalNotification> weeklyAlarmFired(const QDateTime &ring, int kind)
    {
        clock.setNow(ring.addSecs(-3));
        const AlarmPtr alarm = makeAlarm(ring, weekdayOf(ring), kind);
        const LocalNotification fired = schedule(alarm);
        clock.setNow(ring.addSecs(2));
        return {alarm, fired};
    }

    // Waits for the unlock screen of `alarm` in ringing mode, with the ring looping.
    void checkRinging(const RunningApp &app, const AlarmPtr &alarm, const QString &className)
    {
        QTRY_COMPARE_WITH_TIMEOUT(app.presented.count(), 1, kScreenTimeoutMs);
        QCOMPARE(app.presented.first().at(1).toString(), className);
        UnlockScreen *screen = app.unlockScreen();
        QCOMPARE(screen->className(), UnlockHarness::gameClass(className));
        QVERIFY(!screen->previewMode());
        QVERIFY(!screen->hasDismissButton());
        QCOMPARE(screen->alarm()->identifier, alarm->identifier);
        QVERIFY(app.delegate.alarmRinging());
        QVERIFY(RingStatusFile::exists());
        QTRY_VERIFY(sound()->playing());
        QVERIFY(sound()->audioPlayer()->isLooping());
        QTRY_VERIFY(sinkInputsOfThisProcess() >= 1);
    }

    // Wins the game in front (by taps unless `play` says otherwise) and
    // follows the win sequence to the settled alarm.
    void winAndWaitForTheEnd(const RunningApp &app, std::function<bool()> play = {})
    {
        QPointer<UnlockScreen> screen = app.unlockScreen();
        WinRecorder recorder(screen);
        QSignalSpy settled(&app.delegate, &AppCore::alarmSettled);
        QVERIFY(play ? play() : app.winByTaps());
        QTRY_VERIFY_WITH_TIMEOUT(!screen, kWinTimeoutMs);
        QCOMPARE(recorder.events, expectedWin(false));
        QVERIFY2(recorder.problems.isEmpty(), qPrintable(recorder.problems.join("; ")));
        QCOMPARE(settled.count(), 1);
        QVERIFY(!app.delegate.alarmRinging());
        QVERIFY(!RingStatusFile::exists());
    }

    // The alarm stays on, due again a week after it rang, and that is all that is pending.
    void checkWeeklySettled(const AlarmPtr &alarm, const QDateTime &rang)
    {
        const QJsonArray alarms = tolvekctl("list");
        QCOMPARE(alarms.size(), 1);
        const QJsonObject stored = alarms.first().toObject();
        QCOMPARE(stored.value("id").toString(), alarm->identifier);
        QVERIFY(stored.value("active").toBool());
        QCOMPARE(fireDates(stored.value("notifications").toArray()), QList<QDateTime>{rang.addDays(7)});
        QCOMPARE(fireDates(tolvekctl("pending")), QList<QDateTime>{rang.addDays(7)});
    }

    void checkGauge(const RunningApp &app, const QString &item, const QString &name, int level)
    {
        const Reading gauge = app.read(item);
        QCOMPARE(gauge.role, QAccessible::ProgressBar);
        QCOMPARE(gauge.name, name);
        QCOMPARE(gauge.value.toInt(), level);
        QCOMPARE(gauge.minimum.toInt(), 0);
        QCOMPARE(gauge.maximum.toInt(), 100);
        const Reading notice = app.read(QStringLiteral("noticeLabel"));
        QCOMPARE(notice.role, QAccessible::StaticText);
        QCOMPARE(notice.name, app.unlockScreen()->noticeText());
    }

private Q_SLOTS:
    void initTestCase() { Clock::setCurrent(&clock); }
    void cleanupTestCase() { Clock::setCurrent(nullptr); }
    void init()
    {
        TestSupport::wipeUserData();
        AlarmSchedule::shared().reload();
        clock.setOffsetMs(0);
    }

    // A weekly alarm whose notification starts the app, won on the window:
    // the tap game by a tap; the shake game, with no accelerometer here, by
    // drags (the notice says why); the blow game, with no microphone here, by
    // the tap challenge that stands in.
    void weeklyAlarmArrivingAtLaunch_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<bool>("windowFirst");
        QTest::newRow("tap") << int(Unlocker::Tap) << kTap << false;
        QTest::newRow("tap, the window shown before the rest is built") << int(Unlocker::Tap) << kTap << true;
        QTest::newRow("shake by drags") << int(Unlocker::ShakeToLaunch) << kShake << false;
        QTest::newRow("blow without a microphone") << int(Unlocker::BlowUFO) << kBlow << false;
    }
    void weeklyAlarmArrivingAtLaunch()
    {
        QFETCH(int, kind);
        QFETCH(QString, screenName);
        QFETCH(bool, windowFirst);
        const QDateTime ring = nextRingMoment();
        const auto [alarm, fired] = weeklyAlarmFired(ring, kind);
        QCOMPARE(fired.fireDate, ring);

        RunningApp app(deliverAtLaunch(fired), windowFirst);
        QVERIFY(app.error.isEmpty());
        QVERIFY(app.loaded);
        checkRinging(app, alarm, screenName);
        std::function<bool()> play;
        if (auto *shake = qobject_cast<ShakeGame *>(app.unlockScreen())) {
            QVERIFY(shake->usesStandIn());
            QVERIFY(app.tappableItem(QStringLiteral("standInLabel")));
            QCOMPARE(app.read(QStringLiteral("standInLabel")).name, shake->standInText());
            checkGauge(app, QStringLiteral("shakeGauge"), QStringLiteral("Shake gauge"), 0);
            play = [&] { return app.shakeByDrags(); };
        } else if (auto *blow = qobject_cast<BlowGame *>(app.unlockScreen())) {
            QTRY_VERIFY_WITH_TIMEOUT(blow->usesFallback(), 5000); // the output's monitor hears the ring, not the room
            QVERIFY(blow->fallbackText().startsWith(QStringLiteral("There is no microphone here.")));
            QCOMPARE(app.read(QStringLiteral("closeButton")).role, QAccessible::Button);
            QCOMPARE(app.read(QStringLiteral("fallbackLabel")).name, blow->fallbackText());
        }
        if (QTest::currentTestFailed())
            return;
        winAndWaitForTheEnd(app, play);
        if (!QTest::currentTestFailed())
            checkWeeklySettled(alarm, ring);
    }

    // Two alarms fell due together; the service starts the app with the first
    // and hands the second over while the first screen still slides in. The
    // second rings once the first is won, and both are settled.
    void secondAlarmArrivingWhileTheFirstSlidesIn()
    {
        const QDateTime ring = nextRingMoment();
        clock.setNow(ring.addSecs(-3));
        const AlarmPtr first = makeAlarm(ring, 0, Unlocker::Tap);
        const AlarmPtr second = makeAlarm(ring.addSecs(60), weekdayOf(ring), Unlocker::Calculate);
        const LocalNotification firstFired = schedule(first);
        const LocalNotification secondFired = schedule(second);
        clock.setNow(ring.addSecs(62));
        // The service takes both off the pending list (it has looked at them now) and hands them over.
        NotificationStore::Contents contents = NotificationStore::load();
        for (const LocalNotification &n : {firstFired, secondFired})
            NotificationStore::cancel(contents, n);
        contents.lastCheck = Clock::current().now();
        NotificationStore::save(contents);

        RunningApp app(launchArguments(firstFired));
        QVERIFY(app.loaded);
        QCOMPARE(ModalLayer::shared().presentedScreens().size(), 1);
        QCOMPARE(app.presented.count(), 0); // sliding in
        app.delegate.notificationReceived(secondFired);
        checkRinging(app, first, kTap);

        QPointer<UnlockScreen> firstScreen = app.unlockScreen();
        QSignalSpy settled(&app.delegate, &AppCore::alarmSettled);
        QVERIFY(app.winByTaps());
        QTRY_VERIFY_WITH_TIMEOUT(!firstScreen, kWinTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(app.presented.count(), 2, kScreenTimeoutMs);
        QCOMPARE(app.presented.last().at(1).toString(), kCalculate);
        QPointer<UnlockScreen> secondScreen = app.unlockScreen();
        QCOMPARE(secondScreen->alarm()->identifier, second->identifier);
        QVERIFY(app.winByTaps());
        QTRY_VERIFY_WITH_TIMEOUT(!secondScreen, kWinTimeoutMs);
        QCOMPARE(settled.count(), 2);
        QVERIFY(!RingStatusFile::exists());

        // The one-time alarm is off; the weekly one is due again a week on.
        const QJsonArray alarms = tolvekctl("list");
        QCOMPARE(alarms.size(), 2);
        for (const QJsonValue &value : alarms) {
            const QJsonObject alarm = value.toObject();
            const bool isFirst = alarm.value("id").toString() == first->identifier;
            QCOMPARE(alarm.value("active").toBool(isFirst), !isFirst);
            QCOMPARE(fireDates(alarm.value("notifications").toArray()),
                     isFirst ? QList<QDateTime>{} : QList<QDateTime>{ring.addSecs(60).addDays(7)});
        }
    }

    // A one-time blow alarm fires while the app runs and is blown away.
    void oneTimeBlowAlarmWonByBlowing()
    {
        PipeMicrophone microphone(QStringLiteral("tolvek_road_mic"));
        QVERIFY(microphone.isReady());
        QTRY_VERIFY(QMediaDevices::defaultAudioInput().id() == "tolvek_road_mic");
        microphone.playInstead(Sox::quietRoom(30));
        const QDateTime ring = nextRingMoment();
        clock.setNow(ring.addMSecs(-2500));
        const AlarmPtr alarm = makeAlarm(ring, 0, Unlocker::BlowUFO);
        QCOMPARE(schedule(alarm).fireDate, ring);

        RunningApp app({QStringLiteral("tolvek-alarm")});
        checkRinging(app, alarm, kBlow);
        auto *blow = qobject_cast<BlowGame *>(app.unlockScreen());
        QVERIFY(!blow->usesFallback());
        QCOMPARE(blow->noticeText(), QStringLiteral("Blow the UFO away"));
        checkGauge(app, QStringLiteral("blowGauge"), QStringLiteral("Blow gauge"), 0);
        if (QTest::currentTestFailed())
            return;
        microphone.playInstead(Sox::blow(1.5, -6) + Sox::quietRoom(30));
        QTRY_VERIFY_WITH_TIMEOUT(blow->pushLevel() >= 30, 5000);
        QCOMPARE(app.read(QStringLiteral("blowGauge")).value.toInt(), blow->pushLevel());
        // Full, the microphone closes and the UFO leaves from the end of its sweep.
        winAndWaitForTheEnd(app, [&] {
            microphone.playInstead(Sox::blow(6, -6));
            return QTest::qWaitFor([&] { return blow->ufoLeaving(); }, 8000) && blow->pushLevel() == 100
                   && qAbs(blow->ufoAngle() - (BlowGame::kUfoStartAngle + BlowGame::kUfoSweep)) < 1e-9
                   && !blow->challenge().isListening() && !blow->dismissButtonEnabled();
        });
        const QJsonArray alarms = tolvekctl("list");
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms.first().toObject().value("active").toBool(true), false);
    }

    // The data files of the first release (alarm list, pending notifications,
    // a ring in progress, preferences) load as they are and the ring goes on.
    void firstReleaseFilesRingUnchanged()
    {
        const QDir fixtures(qEnvironmentVariable("TOLVEK_SOURCE_DIR") + QStringLiteral("/tests/fixtures/stored-v1"));
        for (const char *file : {"accache", "notifications", "acstatus"})
            QVERIFY(QFile::copy(fixtures.filePath(QStringLiteral("data/%1").arg(QLatin1String(file))),
                                Paths::documentPath(QLatin1String(file))));
        QFile::remove(Paths::preferencesFile());
        QVERIFY(QFile::copy(fixtures.filePath(QStringLiteral("config/preferences.conf")), Paths::preferencesFile()));
        Preferences::shared().synchronize();
        const QDateTime rang(QDate(2026, 12, 7), QTime(6, 45), QTimeZone::utc());
        clock.setNow(rang.addSecs(20));

        RunningApp app({QStringLiteral("tolvek-alarm")});
        const auto ringing = std::make_shared<Alarm>();
        ringing->identifier = QStringLiteral("FLIakm40");
        checkRinging(app, ringing, kCalculate);
        QCOMPARE(app.unlockScreen()->alarm()->slogan, QStringLiteral("Fixture weekly"));
        winAndWaitForTheEnd(app);

        QCOMPARE(Preferences::shared().stringForKey(StoredNames::kSkinKey), QStringLiteral("skin-1-big"));
        QCOMPARE(Preferences::shared().stringForKey(StoredNames::kWeatherUnitKey), QStringLiteral("C"));
        QVERIFY(QDir(Paths::documentsDirectory()).entryList({QStringLiteral("*.damaged-*")}).isEmpty());
        QMap<QString, QJsonObject> bySlogan;
        for (const QJsonValue &value : tolvekctl("list"))
            bySlogan.insert(value.toObject().value("slogan").toString(), value.toObject());
        QCOMPARE(bySlogan.size(), 4);
        const auto datesOf = [&](const char *slogan) {
            return fireDates(bySlogan.value(QLatin1String(slogan)).value("notifications").toArray());
        };
        // The rung Monday+Saturday alarm goes on to Saturday and next Monday.
        QVERIFY(bySlogan.value("Fixture weekly").value("active").toBool());
        QCOMPARE(datesOf("Fixture weekly"), (QList<QDateTime>{rang.addDays(5), rang.addDays(7)}));
        QCOMPARE(datesOf("Tea"), QList<QDateTime>{QDateTime(rang.date(), QTime(14, 30), QTimeZone::utc())});
        QVERIFY(!bySlogan.value("Off one").value("active").toBool(true));
        QVERIFY(datesOf("Off one").isEmpty());
        // Nothing pending that no alarm holds, nothing an active alarm lacks.
        qsizetype held = 0;
        for (const QJsonObject &alarm : std::as_const(bySlogan))
            held += alarm.value("notifications").toArray().size();
        QCOMPARE(tolvekctl("pending").size(), held);
    }

    void killedWhileRingingComesBack()
    {
        const QDateTime ring = nextRingMoment();
        const auto [alarm, fired] = weeklyAlarmFired(ring, Unlocker::Calculate);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kOffsetVariable), QString::number(clock.offsetMs()));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{QString::fromLatin1(kChildFlag)} + deliverAtLaunch(fired).mid(1));
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("RINGING")
                                     || child.state() == QProcess::NotRunning,
                                 kScreenTimeoutMs * 2);
        QVERIFY2(said.contains(("RINGING " + kCalculate + ' ' + alarm->identifier).toUtf8()), said.constData());
        QCOMPARE(child.state(), QProcess::Running);
        QVERIFY(RingStatusFile::exists());
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(RingStatusFile::exists());

        // Started again by hand, with no notification: the same screen comes back.
        RunningApp app({QStringLiteral("tolvek-alarm")});
        checkRinging(app, alarm, kCalculate);
        winAndWaitForTheEnd(app);
        checkWeeklySettled(alarm, ring);
    }
};

int main(int argc, char **argv)
{
    UiSetup::prepareEnvironment(argc, argv);
    QGuiApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0) {
        QStringList arguments = QCoreApplication::arguments();
        arguments.removeAt(1);
        return runRingingChild(arguments);
    }
    TestAlarmRoad test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_alarm_road.moc"
