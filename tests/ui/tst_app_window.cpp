#include "ItemLookup.h"
#include "app/ScreenPresenter.h"
#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "ui/AlertQueue.h"
#include "ui/AlertView.h"
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "menu/AboutScreen.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/SideMenu.h"
#include "ui/UiSetup.h"

#include <QFontInfo>
#include <QPointer>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

// Starts the window offscreen, taps through it and grabs screens (every screen's QML: self_test).
class TestAppWindow : public QObject
{
    Q_OBJECT
private:
    static bool open(AppWindow &window)
    {
        if (!window.load())
            return false;
        window.show();
        return QTest::qWaitForWindowExposed(window.window());
    }
    static void tap(QQuickWindow *window, QQuickItem *item, QPoint at = {})
    {
        QTest::mouseClick(window, Qt::LeftButton, {}, at.isNull() ? sceneRect(item).center().toPoint() : at);
    }
    static bool hasVisibleContent(const QImage &image)
    {
        int bright = 0;
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                bright += qGray(image.pixel(x, y)) > 150;
        return bright > 10;
    }

private Q_SLOTS:
    void initTestCase() { AppAssembly::registerScreens(); }

    // Whatever size the window gets, the design space fills as much of it as
    // it can at its own proportions, centred and not cut off.
    // Whatever size the window gets (as designed, a phone's full screen, a
    // short desktop window, half size), the design space fills as much of it
    // as it can at its own proportions, centred and not cut off, and the
    // screens inside take their touches where they are drawn.
    void designSpaceScalesToTheWindow()
    {
        for (const QSize windowSize : {QSize(320, 568), QSize(360, 760), QSize(800, 500), QSize(160, 284)}) {
            AppWindow window;
            QVERIFY(window.load());
            window.window()->resize(windowSize);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(window.window()));
            QTRY_COMPARE(window.window()->size(), windowSize);
            QQuickItem *designSpace = findItem(window.window()->contentItem(), QStringLiteral("designSpace"));
            QVERIFY(designSpace);
            const QRectF shown = sceneRect(designSpace);
            const QRectF whole{QPointF(), QSizeF(windowSize)};
            QVERIFY(whole.adjusted(-0.01, -0.01, 0.01, 0.01).contains(shown));
            QVERIFY(qAbs(shown.width() / shown.height() - 320.0 / 568) < 1e-6);
            QVERIFY(qFuzzyCompare(shown.width(), whole.width()) || qFuzzyCompare(shown.height(), whole.height()));
            QVERIFY((shown.center() - whole.center()).manhattanLength() < 0.02);
            tap(window.window(), findItem(window.window()->contentItem(), QStringLiteral("leftBarButton")));
            QVERIFY(window.rootScreen()->isMenuVisible());
        }
    }

    // The menu opens from its button (journey_menu.py checks its name and state,
    // and that the window opens on the home screen), even tapped on its edge
    // side, and from a swipe off the left edge.
    void startsOnHomeWithTheMenuAtHand()
    {
        AppWindow window;
        QVERIFY(open(window));
        QQuickWindow *w = window.window();
        SideMenu *menu = window.rootScreen();
        QTRY_VERIFY(findItem(w->contentItem(), QStringLiteral("alarmList")));
        QQuickItem *button = findItem(w->contentItem(), QStringLiteral("leftBarButton"));
        tap(w, button, sceneRect(button).topLeft().toPoint() + QPoint(4, 22));
        QTRY_VERIFY(menu->isMenuVisible());
        menu->hideMenu();

        // A slow swipe from the edge across the content.
        QTRY_VERIFY(findItem(w->contentItem(), QStringLiteral("menuEdge"))->isEnabled());
        const QPoint start(3, 100);
        QTest::mousePress(w, Qt::LeftButton, {}, start);
        for (int dx = 10; dx <= 120; dx += 10)
            QTest::mouseMove(w, start + QPoint(dx, 0));
        QTest::mouseRelease(w, Qt::LeftButton, {}, start + QPoint(120, 0));
        QTRY_VERIFY(menu->isMenuVisible());
    }

    // The core's alerts drop into the window, take a tap on their button and fall out.
    void alertsAndModalsInTheWindow()
    {
        AppWindow window;
        QVERIFY(open(window));
        bool pressed = false;
        AlertPresenter::shared().presentAlert(
            {QStringLiteral("NOTICE"),
             QStringLiteral("Hello"),
             {{QStringLiteral("Dismiss"), AlertButton::Type::Cancel, [&] { pressed = true; }}}});
        QVERIFY(AlertQueue::shared().current());
        QQuickItem *box = findItem(window.window()->contentItem(), QStringLiteral("alertBox"));
        QVERIFY(box);
        QTRY_COMPARE(box->y(), box->property("centreY").toReal()); // dropped in
        tap(window.window(), findItem(window.window()->contentItem(), QStringLiteral("alertButton0")));
        QVERIFY(pressed);
        QVERIFY(AlertQueue::shared().current()); // still falling out
        QTRY_VERIFY(AlertQueue::shared().current() == nullptr);

        // A modal slides in and out; it closes with the ones above it, and is
        // freed with its view; what is no screen is refused.
        bool shown = false;
        QPointer<ScreenController> screen = qobject_cast<ScreenController *>(
            ScreenRegistry::shared().create(QStringLiteral("MoreScreen"), nullptr, false));
        ScreenPresenter::shared()->presentModal(screen, true, [&] { shown = true; });
        QVERIFY(!shown); // the slide is still running
        QTRY_VERIFY(shown);
        QVERIFY(findItem(window.window()->contentItem(), QStringLiteral("rateUsButton")));
        screen->present(new AboutScreen, false);
        QCOMPARE(ModalLayer::shared().presentedScreens().size(), 2);
        screen->close(true);
        QTRY_VERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        QTRY_VERIFY(!findItem(window.window()->contentItem(), QStringLiteral("rateUsButton")));
        QTRY_VERIFY(screen.isNull());
        QPointer<QObject> stranger = new QObject;
        ModalLayer::shared().presentModal(stranger, false, {});
        QVERIFY(stranger.isNull());
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
    }

    void theLightFontIsBundled()
    {
        UiSetup::initialize();
        const QFontInfo light(QFont(QString::fromLatin1(UiSetup::kLightFontFamily)));
        QVERIFY2(light.family().startsWith(QStringLiteral("Open Sans")), qPrintable(light.family()));
    }

    // The app's own screenshots of screens and recipes, in both heights, into
    // a folder of the test's own; an unknown name fails and writes nothing.
    void screenshotsInBothHeights()
    {
        const QString app = qEnvironmentVariable("TOLVEK_APP");
        QVERIFY2(QFile::exists(app), "TOLVEK_APP names the app binary");
        QTemporaryDir dir;
        const std::pair<QString, bool> shots[] = {{"about", false}, {"more", true},          {"skin-5-blur", false},
                                                  {"home", true},   {"home-overlay", false}, {"no-such-screen", false}};
        for (const auto &[name, shortScreen] : shots) {
            const QString out = dir.filePath(name + QStringLiteral(".png"));
            QProcess process;
            process.start(app, QStringList{QStringLiteral("--screenshot"), name, out}
                                   + (shortScreen ? QStringList{QStringLiteral("--short")} : QStringList()));
            QVERIFY(process.waitForFinished(60000));
            const bool known = name != QLatin1String("no-such-screen");
            QCOMPARE(process.exitCode(), known ? 0 : 1);
            const QImage image(out);
            QCOMPARE(image.isNull(), !known);
            if (known) {
                QCOMPARE(image.size(), shortScreen ? QSize(640, 960) : QSize(640, 1136));
                QVERIFY2(hasVisibleContent(image), qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(TestAppWindow)
#include "tst_app_window.moc"
