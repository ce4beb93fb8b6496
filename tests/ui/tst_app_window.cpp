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

private Q_SLOTS:
    void initTestCase() { AppAssembly::registerScreens(); }

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
        QTest::qWait(500);
        auto *button = findItem(window.window()->contentItem(), QStringLiteral("alertButton0"));
        QVERIFY(button);
        QTest::mouseClick(window.window(), Qt::LeftButton, {},
                          button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
        QVERIFY(pressed);
        QTRY_VERIFY(AlertQueue::shared().current() == nullptr);

        // The overlay shows on the container and hides again.
        ProgressOverlay::showOn(window.rootScreen(), true);
        QCOMPARE(ProgressOverlay::hideAllOn(window.rootScreen(), true), 1);

        // The menu button opens the menu.
        auto *menuButton = findItem(window.window()->contentItem(), QStringLiteral("leftBarButton"));
        QVERIFY(menuButton && menuButton->isVisible());
        QTest::mouseClick(window.window(), Qt::LeftButton, {},
                          menuButton->mapToScene(QPointF(22, 22)).toPoint());
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
            QDirIterator it(folder, {QStringLiteral("*.qml")});
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
        QTest::newRow("about short") << "AboutScreen" << true;
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
