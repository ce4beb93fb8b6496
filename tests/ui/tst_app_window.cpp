#include "ItemLookup.h"
#include "app/ScreenPresenter.h"
#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "ui/AlertQueue.h"
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "ui/ProgressOverlay.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/QmlScreens.h"
#include "ui/SideMenu.h"
#include "assembly/ScreenshotCommand.h"
#include "ui/AlertView.h"
#include "ui/RatingPrompt.h"
#include "ui/UiSetup.h"

#include <QFontInfo>

#include <QAccessible>
#include <QDirIterator>
#include <QProcess>
#include <QQmlComponent>
#include <QQuickItem>
#include <QTest>

// Starts the window offscreen, loads every QML file of the app and grabs screens.
class TestAppWindow : public QObject
{
    Q_OBJECT
private:
    static bool hasVisibleContent(const QImage &image)
    {
        int bright = 0;
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                bright += qGray(image.pixel(x, y)) > 150;
        return bright > 10;
    }

    // The front alert's box has come to rest in the middle of the window.
    static void waitUntilDroppedIn(QQuickWindow *window)
    {
        QQuickItem *box = findItem(window->contentItem(), QStringLiteral("alertBox"));
        QVERIFY(box);
        QTRY_COMPARE(box->y(), box->property("centreY").toReal());
    }

private Q_SLOTS:
    void initTestCase() { AppAssembly::registerScreens(); }

    // Whatever size the window gets, the design space fills as much of it as
    // it can at its own proportions, centred and not cut off.
    void designSpaceScalesToTheWindow_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("as designed") << QSize(320, 568);
        QTest::newRow("phone, full screen") << QSize(360, 760);
        QTest::newRow("short desktop window") << QSize(800, 500);
        QTest::newRow("half size") << QSize(160, 284);
    }
    void designSpaceScalesToTheWindow()
    {
        QFETCH(QSize, windowSize);
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
        QVERIFY(qAbs(shown.left() - (whole.right() - shown.right())) < 0.01);
        QVERIFY(qAbs(shown.top() - (whole.bottom() - shown.bottom())) < 0.01);
        // The screens inside take their touches where they are drawn.
        auto *menuButton = findItem(window.window()->contentItem(), QStringLiteral("leftBarButton"));
        QVERIFY(menuButton);
        QTest::mouseClick(window.window(), Qt::LeftButton, {}, sceneRect(menuButton).center().toPoint());
        QVERIFY(window.rootScreen()->isMenuVisible());
    }

    // The menu opens from its button (which then reads as checked) and from a
    // swipe off the left edge; a tap on the button's edge side still works.
    void menuOpensFromItsButtonAndFromTheLeftEdge()
    {
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        QQuickWindow *w = window.window();
        SideMenu *menu = window.rootScreen();
        QTRY_VERIFY(findItem(w->contentItem(), QStringLiteral("alarmList")));
        QQuickItem *button = findItem(w->contentItem(), QStringLiteral("leftBarButton"));
        QVERIFY(button);
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Menu"));
        QVERIFY(spoken->state().checkable);
        QVERIFY(!spoken->state().checked);

        const QPoint buttonLeft = sceneRect(button).topLeft().toPoint() + QPoint(4, 22);
        QTest::mouseClick(w, Qt::LeftButton, {}, buttonLeft);
        QTRY_VERIFY(menu->isMenuVisible());
        QTRY_VERIFY(QAccessible::queryAccessibleInterface(button)->state().checked);
        menu->hideMenu();
        QTRY_VERIFY(!QAccessible::queryAccessibleInterface(button)->state().checked);

        // A slow swipe from the edge across the content.
        QTRY_VERIFY(findItem(w->contentItem(), QStringLiteral("menuEdge"))->isEnabled());
        const QPoint start(3, 100);
        QTest::mousePress(w, Qt::LeftButton, {}, start);
        for (int dx = 10; dx <= 120; dx += 10)
            QTest::mouseMove(w, start + QPoint(dx, 0));
        QTest::mouseRelease(w, Qt::LeftButton, {}, start + QPoint(120, 0));
        QTRY_VERIFY(menu->isMenuVisible());
    }

    void windowStartsIntoTheSideMenu()
    {
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        QCOMPARE(window.window()->size(), AppWindow::kTallPoints);
        QVERIFY(window.rootScreen()->isOnScreen());
        QCOMPARE(window.contentStack()->topScreen()->className(),
                 QStringLiteral("HomeScreen"));
        QTRY_VERIFY(findItem(window.window()->contentItem(), QStringLiteral("alarmList")));
        auto *add = findItem(window.window()->contentItem(), QStringLiteral("rightBarButton"));
        QVERIFY(add && add->isVisible());

        // The core's alerts come up in the window and go away with their button.
        bool pressed = false;
        AlertPresenter::shared().presentAlert(
            {QStringLiteral("NOTICE"), QStringLiteral("Hello"),
             {{QStringLiteral("Dismiss"), AlertButton::Type::Cancel, [&] { pressed = true; }}}});
        QVERIFY(AlertQueue::shared().current());
        auto *button = findItem(window.window()->contentItem(), QStringLiteral("alertButton0"));
        QVERIFY(button);
        waitUntilDroppedIn(window.window());
        QTest::mouseClick(window.window(), Qt::LeftButton, {}, sceneRect(button).center().toPoint());
        QVERIFY(pressed);
        QTRY_VERIFY(AlertQueue::shared().current() == nullptr);

        // The overlay shows on the container and hides again.
        ProgressOverlay::showOn(window.rootScreen(), true);
        QCOMPARE(ProgressOverlay::hideAllOn(window.rootScreen(), true), 1);

        // The menu button opens the menu.
        auto *menuButton = findItem(window.window()->contentItem(), QStringLiteral("leftBarButton"));
        QVERIFY(menuButton && menuButton->isVisible());
        QTest::mouseClick(window.window(), Qt::LeftButton, {}, sceneRect(menuButton).center().toPoint());
        QVERIFY(window.rootScreen()->isMenuVisible());
    }

    void modalScreensSlideInAndOut()
    {
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        bool shown = false;
        auto *screen = qobject_cast<ScreenController *>(
            ScreenRegistry::shared().create(QStringLiteral("MoreScreen"), nullptr, false));
        ScreenPresenter::shared()->presentModal(screen, true, [&] { shown = true; });
        QVERIFY(!shown); // the slide is still running
        QTRY_VERIFY(shown);
        QVERIFY(findItem(window.window()->contentItem(), QStringLiteral("rateUsButton")));
        screen->close(true);
        QTRY_VERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        QTRY_VERIFY(!findItem(window.window()->contentItem(), QStringLiteral("rateUsButton")));
    }

    void lightFontAndRatingSettings()
    {
        UiSetup::initialize();
        const QFontInfo light(QFont(QString::fromLatin1(UiSetup::kLightFontFamily)));
        QVERIFY2(light.family().startsWith(QStringLiteral("Open Sans")), qPrintable(light.family()));
        QVERIFY(!RatingPrompt::shared().onlyPromptIfLatestVersion);
        QVERIFY(!RatingPrompt::shared().previewMode);
    }

    void everyQmlFileLoads()
    {
        AppWindow window;
        QVERIFY(window.load());
        int files = 0;
        for (const QString &folder : {QStringLiteral(":/Tolvek"), QStringLiteral(":/screens")}) {
            QDirIterator it(folder, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QQmlComponent component(&window.qmlEngine(), QUrl(QLatin1String("qrc") + path));
                QVERIFY2(component.isReady(), qPrintable(path + component.errorString()));
                ++files;
            }
        }
        QVERIFY(files >= 15);
    }

    void screenshotsInBothHeights_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shortScreen");
        QTest::newRow("about tall") << "about" << false;
        QTest::newRow("more short") << "more" << true;
        QTest::newRow("blurred skin") << "skin-5-blur" << false;
        QTest::newRow("home tall") << "home" << false;
        QTest::newRow("home short") << "home" << true;
        QTest::newRow("home overlay") << "home-overlay" << false;
    }
    void screenshotsInBothHeights()
    {
        QFETCH(QString, name);
        QFETCH(bool, shortScreen);
        const QString app = qEnvironmentVariable("TOLVEK_APP");
        QVERIFY2(QFile::exists(app), "TOLVEK_APP names the app binary");
        const QString out = QDir::temp().filePath(QStringLiteral("tolvek-shot-%1.png").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        QStringList arguments{QStringLiteral("--screenshot"), name, out};
        if (shortScreen)
            arguments << QStringLiteral("--short");
        QProcess process;
        process.start(app, arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QImage image(out);
        QCOMPARE(image.size(), shortScreen ? QSize(640, 960) : QSize(640, 1136));
        QVERIFY(hasVisibleContent(image));
        QFile::remove(out);
    }

    void unknownScreenshotNameFails()
    {
        QProcess process;
        process.start(qEnvironmentVariable("TOLVEK_APP"),
                      {QStringLiteral("--screenshot"), QStringLiteral("no-such-screen"), QStringLiteral("/tmp/x.png")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
    }
};

QTEST_MAIN(TestAppWindow)
#include "tst_app_window.moc"
