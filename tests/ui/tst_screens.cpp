// The screens' controllers without a window: the screen view,
// the texts in both languages, the navigation stack and the modal layer; the
// clock face and the thermometer; the alerts and progress overlays (the
// core's alerts, tapped on screen: tst_app_window).
#include "platform/ApplicationLifecycle.h"
#include "platform/Broadcaster.h"
#include "platform/Clock.h"
#include "ui/AlertQueue.h"
#include "ui/AlertView.h"
#include "ui/ClockTicker.h"
#include "ui/ProgressOverlay.h"
#include "ui/ThermometerShape.h"
#include "assembly/AppAssembly.h"
#include "menu/AboutScreen.h"
#include "menu/MoreScreen.h"
#include "ui/NavigationStack.h"
#include "ui/WindowPresence.h"

#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        AppAssembly::registerScreens();
        WindowPresence::setAnimatesTransitions(false);
    }

    // A view made with its controller loads the screen once: twice would load
    // every screen nested in it twice too (the app's start built its home
    // screen, and decoded its skin, eight times over).
    void screenViewLoadsItsScreenOnce()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Tolvek\nScreenView { width: 320; height: 568 }", QUrl());
        MoreScreen screen;
        std::unique_ptr<QObject> view(component.beginCreate(engine.rootContext()));
        QVERIFY2(view, qPrintable(component.errorString()));
        QObject *loader = nullptr;
        for (QObject *child : view->findChildren<QObject *>())
            if (QByteArray(child->metaObject()->className()).startsWith("QQuickLoader"))
                loader = child;
        QVERIFY(loader);
        QSignalSpy loaded(loader, SIGNAL(loaded()));
        view->setProperty("controller", QVariant::fromValue<QObject *>(&screen));
        component.completeCreate();
        QTRY_COMPARE(loader->property("status").toInt(), 1); // Loader.Ready
        QCOMPARE(loaded.count(), 1);
        view->setProperty("controller", QVariant::fromValue<QObject *>(new MoreScreen(&screen)));
        QCOMPARE(loaded.count(), 2); // another controller is shown
    }

    void aboutTextsInBothLanguages()
    {
        AboutScreen about;
        about.loadIfNeeded();
        QCOMPARE(about.versionText(), QStringLiteral("Version " TOLVEK_VERSION_SHORT));
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/i18n/tolvek_zh_CN.qm")));
        QCoreApplication::installTranslator(&chinese);
        AboutScreen translated;
        translated.loadIfNeeded();
        QCOMPARE(translated.versionText(), QStringLiteral("版本 " TOLVEK_VERSION_SHORT));
        QCOMPARE(translated.titleViewText(), QStringLiteral("关于"));
        QVERIFY(translated.credits().first().startsWith(QStringLiteral("开发者")));
        QCOMPARE(ClockTicker::weekdayAbbreviation(5), QStringLiteral("周四"));
        QCoreApplication::removeTranslator(&chinese);
    }

    void stackReleasesScreensItDoesNotOwn()
    {
        QObject owner;
        NavigationStack navigation;
        QPointer<ScreenController> kept = new AboutScreen(&owner);
        navigation.setScreens({kept}, false);
        QCOMPARE(kept->navigationStack(), &navigation);
        navigation.setScreens({}, false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a wrong deleteLater would strike now
        QVERIFY(!kept.isNull());
        QVERIFY(kept->parentScreen() == nullptr);
        QCOMPARE(kept->parent(), &owner);
    }

    void pressingAButtonRunsItsHandlerThenDismissesOnceAndShowsTheNext_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("with a handler") << 0 << QStringList{"ok", "dismissed"};
        QTest::newRow("without one it only closes") << 1 << QStringList{"dismissed"};
    }
    void pressingAButtonRunsItsHandlerThenDismissesOnceAndShowsTheNext()
    {
        QFETCH(int, button);
        QFETCH(QStringList, order);
        QStringList seen;
        auto *alert = new AlertView(QStringLiteral("Title"), QStringLiteral("Message"));
        alert->addButton(QStringLiteral("OK"), AlertView::ButtonType::Default,
                         [&](AlertView *) { seen << QStringLiteral("ok"); });
        alert->addButton(QStringLiteral("Cancel"), AlertView::ButtonType::Cancel);
        alert->setDidDismissHandler([&](AlertView *) { seen << QStringLiteral("dismissed"); });
        QSignalSpy broadcast(&Broadcaster::shared(), &Broadcaster::posted);
        QPointer<AlertView> watched(alert);
        auto *next = new AlertView(QStringLiteral("Next"), {});
        alert->show();
        next->show(); // alerts show one at a time, in order
        QCOMPARE(AlertQueue::shared().current(), alert);

        alert->pressButton(button);
        alert->pressButton(0); // a second tap on a closing alert does nothing
        QCOMPARE(seen, order);
        QCOMPARE(AlertQueue::shared().current(), next);
        QCOMPARE(broadcast.count(), 1);
        QCOMPARE(broadcast.first().first().toString(), AlertView::DidDismissNotification);
        QTRY_VERIFY(watched.isNull()); // a dismissed alert frees itself
        next->dismissAnimated(false);
        QVERIFY(AlertQueue::shared().current() == nullptr);
    }

    void progressOverlaysPerView()
    {
        QObject view, other;
        ProgressOverlay *first = ProgressOverlay::showOn(&view, true);
        ProgressOverlay::showOn(&view, true);
        ProgressOverlay::showOn(&other, false);
        QCOMPARE(first->mode(), ProgressOverlay::Mode::Indeterminate);
        QCOMPARE(ProgressOverlay::hideAllOn(&view, true), 2);
        QCOMPARE(ProgressOverlay::allOn(&view).size(), 0);
        QCOMPARE(ProgressOverlay::allOn(&other).size(), 1);
        QVERIFY(ProgressOverlay::showOn(nullptr, true) == nullptr);
    }

    // The clock shows no seconds: between changes of the minute nothing is
    // announced, so nothing on screen is redrawn; the date turns at midnight.
    void announcesOnlyWhenTheMinuteChanges()
    {
        const QTimeZone zone("Europe/Berlin");
        FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(7, 59, 42, 500), zone), zone); // a Thursday
        Clock::setCurrent(&clock);
        ClockTicker view;
        const auto shown = [&] { return view.hourText() + ':' + view.minuteText() + ' ' + view.dateText(); };
        QCOMPARE(shown(), QStringLiteral("07:59 05/03   THU"));
        QSignalSpy hour(&view, &ClockTicker::hourTextChanged), minute(&view, &ClockTicker::minuteTextChanged),
            date(&view, &ClockTicker::dateTextChanged);
        const auto announced = [&] { return QList<qsizetype>{hour.count(), minute.count(), date.count()}; };
        for (int i = 0; i < 5; ++i) { // up to 07:59:57.5
            clock.advanceSecs(3);
            view.tick();
        }
        QCOMPARE(announced(), (QList<qsizetype>{0, 0, 0}));
        clock.advanceSecs(3); // 08:00:00.5
        view.tick();
        QCOMPARE(shown(), QStringLiteral("08:00 05/03   THU"));
        QCOMPARE(announced(), (QList<qsizetype>{1, 1, 0}));
        clock.setNow(QDateTime(QDate(2026, 3, 8), QTime(0, 0, 1), zone));
        view.tick();
        QCOMPARE(announced().last(), 1);
        QCOMPARE(view.dateText(), QStringLiteral("08/03   SUN"));
        Clock::setCurrent(nullptr);

        // It ticks only while the app is active.
        QVERIFY(view.isTicking());
        ApplicationLifecycle::shared().becomeActive();
        ApplicationLifecycle::shared().enterBackground();
        QVERIFY(!view.isTicking());
        ApplicationLifecycle::shared().becomeActive();
        QVERIFY(view.isTicking());

        // 12 h dials read 12 at noon and midnight; 24 h dials keep the leading zero.
        // The next tick comes 20 ms after the minute turns. Out of range no weekday.
        const std::tuple<int, bool, const char *> dials[] = {{13, false, "01"}, {12, false, "12"}, {0, false, "12"},
                                                             {23, false, "11"}, {0, true, "00"},   {9, true, "09"}};
        for (const auto &[hour, is24h, shown] : dials)
            QCOMPARE(ClockTicker::twoDigits(ClockTicker::displayedHour(hour, is24h)), QLatin1String(shown));
        QCOMPARE(ClockTicker::msToNextTick(QTime(7, 59, 42, 500)), 17520);
        QCOMPARE(ClockTicker::msToNextTick(QTime(8, 0)), 60020);
        QCOMPARE(ClockTicker::msToNextTick(QTime(8, 0, 59, 999)), 21);
        QCOMPARE(ClockTicker::weekdayAbbreviation(0), QString());
        QCOMPARE(ClockTicker::weekdayAbbreviation(8), QString());
    }

    void thermometerOutline()
    {
        ThermometerShape view;
        view.setSize(QSizeF(20, 100));
        QCOMPARE(view.topCornerRadius(), 10.0);
        const QPainterPath path = ThermometerShape::thermometerPath(view.size(), view.topCornerRadius());
        QVERIFY(path.contains(QPointF(10, 1))); // top of the half circle
        QVERIFY(!path.contains(QPointF(1, 1))); // rounded away
        QVERIFY(path.contains(QPointF(1, 99))); // square bottom
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
