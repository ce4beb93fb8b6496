#include "assembly/SelfTest.h"

#include "alarms/AlarmSchedule.h"
#include "app/RingStatusFile.h"
#include "app/ScreenRegistry.h"
#include "assembly/AppAssembly.h"
#include "assembly/ScreenLibraries.h"
#include "platform/Clock.h"
#include "platform/LocalNotificationScheduler.h"
#include "ui/ModalLayer.h"
#include "ui/ScreenController.h"
#include "unlockers/games/tap/TapGame.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int kRingTimeoutMs = 15000;
constexpr int kWinTimeoutMs = 20000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool check(bool ok, const QString &what)
{
    out() << (ok ? "ok    " : "FAIL  ") << what << Qt::endl;
    return ok;
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Every registered screen's QML compiles and takes its controller.
bool loadEveryScreen()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    bool all = true;
    for (const QString &name : ScreenRegistry::shared().classNames()) {
        std::unique_ptr<QObject> object(ScreenRegistry::shared().create(name, std::make_shared<Alarm>(), true));
        auto *screen = qobject_cast<ScreenController *>(object.get());
        if (!screen)
            continue;
        QQmlComponent component(&engine, screen->viewUrl());
        std::unique_ptr<QObject> view(component.isReady() ? component.createWithInitialProperties(
                                          {{QStringLiteral("controller"), QVariant::fromValue(screen)}})
                                                          : nullptr);
        all &= check(view != nullptr, QStringLiteral("screen %1 (%2) %3")
                                          .arg(name, screen->viewUrl().toString(), component.errorString().trimmed()));
    }
    return all;
}

TapGame *frontTapGame()
{
    for (ScreenController *screen : ModalLayer::shared().presentedScreens())
        if (auto *game = qobject_cast<TapGame *>(screen))
            return game;
    return nullptr;
}

// One one-time tap-game alarm, due two seconds from now, rung and won.
bool ringOneAlarm()
{
    ShiftedClock clock;
    const QDateTime now = QDateTime::currentDateTime().addSecs(120);
    const QDateTime ring(now.date(), QTime(now.time().hour(), now.time().minute()));
    clock.setNow(ring.addSecs(-2));
    Clock::setCurrent(&clock);

    AppAssembly::Options options;
    options.useNotificationService = false; // never the user's service and data
    options.busEndpoint = false;
    options.fetchWeather = false;
    AppAssembly assembly(LaunchArguments{}, options);
    bool ok = check(assembly.start(), QStringLiteral("app assembled and launched"));
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(ring.time(), ring.date());
    alarm->repeatMask = 0;
    alarm->slogan = QStringLiteral("Self-test");
    ok &= check(AlarmSchedule::shared().addOneTime(alarm), QStringLiteral("one-time alarm scheduled"));

    QString settled;
    QObject::connect(&assembly.core(), &AppCore::alarmSettled, [&settled](const QString &id) { settled = id; });
    ok &= check(waitFor([] { return frontTapGame() != nullptr; }, kRingTimeoutMs),
                QStringLiteral("the alarm rings with its game in front"));
    if (TapGame *game = frontTapGame()) {
        ok &= check(assembly.core().alarmRinging() && RingStatusFile::exists(), QStringLiteral("ring state kept"));
        game->unlock();
    }
    ok &= check(waitFor([&] { return settled == alarm->identifier && !frontTapGame() && !RingStatusFile::exists(); },
                        kWinTimeoutMs),
                QStringLiteral("game won, alarm settled, screen closed, ring state gone"));
    AlarmSchedule::shared().reload();
    const AlarmPtr reloaded = AlarmSchedule::shared().alarmWithIdentifier(alarm->identifier);
    ok &= check(reloaded && !reloaded->active && reloaded->scheduledNotifications->isEmpty(),
                QStringLiteral("the one-time alarm is stored off, nothing left scheduled"));
    const LocalNotificationList pending = LocalNotificationScheduler::shared().scheduledLocalNotifications();
    const bool stillPending
        = std::any_of(pending.cbegin(), pending.cend(), [&](const LocalNotification &n) { return n.fireDate == ring; });
    ok &= check(!stillPending, QStringLiteral("nothing pending for it"));
    Clock::setCurrent(nullptr);
    return ok;
}
} // namespace

int SelfTest::run()
{
    registerScreenLibraries();
    bool ok = loadEveryScreen();
    ok &= ringOneAlarm();
    out() << (ok ? "self-test passed" : "self-test FAILED") << Qt::endl;
    return ok ? 0 : 1;
}
