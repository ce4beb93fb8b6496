// The app's window on a desktop and on a phone: the size it opens at, full
// screen on phones, and the size it remembers. The rules alone first, then the
// real window on an offscreen screen of a 1366 x 768 laptop.
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "assembly/WindowPlacement.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QSize kDesign = AppWindow::kTallPoints;

double aspect(QSize s) { return double(s.width()) / s.height(); }
} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Preferences::shared().remove(StoredNames::kWindowSizeKey); }

    // On a laptop (with a top panel, a title bar, at scale 2) and on a second
    // monitor: as tall as fits, phone-shaped, centred on the free area.
    void opensAtTheLargestPhoneShapedSizeThatFits()
    {
        const QMargins titleBar(1, 30, 1, 1);
        const struct
        {
            QSize screen;
            QRect available;
            QMargins frame;
            int expectedHeight;
        } cases[] = {{{1366, 768}, {0, 27, 1366, 741}, {}, 741},
                     {{1366, 768}, {0, 27, 1366, 741}, titleBar, 710},
                     {{683, 384}, {0, 0, 683, 384}, {}, 384},
                     {{1280, 1024}, {1920, 0, 1280, 1024}, {}, 1024}};
        for (const auto &c : cases) {
            const WindowPlacement p
                = WindowPlacement::choose(kDesign, c.screen, c.available, c.frame, {}, std::nullopt);
            QVERIFY(!p.fullScreen);
            QCOMPARE(p.geometry.height(), c.expectedHeight);
            QVERIFY2(qAbs(aspect(p.geometry.size()) - 320.0 / 568.0) < 0.005,
                     qPrintable(QString::number(aspect(p.geometry.size()))));
            // The whole window, decorations included, lies on the free area, centred across it.
            QVERIFY(c.available.contains(p.geometry.marginsAdded(c.frame)));
            QVERIFY(qAbs(p.geometry.center().x() - c.available.center().x()) <= 1);
        }
    }

    void fullScreenOnPhones()
    {
        const QRect portrait(0, 0, 360, 720);
        const QRect landscape(0, 0, 1366, 768);
        QVERIFY(WindowPlacement::choose(kDesign, portrait.size(), portrait, {}, {}, std::nullopt).fullScreen);
        QVERIFY(!WindowPlacement::choose(kDesign, landscape.size(), landscape, {}, {}, std::nullopt).fullScreen);
        // TOLVEK_FULLSCREEN=1 / =0 decide whatever the screen's shape.
        QVERIFY(WindowPlacement::choose(kDesign, landscape.size(), landscape, {}, {}, true).fullScreen);
        const WindowPlacement rotatedMonitor
            = WindowPlacement::choose(kDesign, QSize(1080, 1920), QRect(0, 0, 1080, 1920), {}, {}, false);
        QVERIFY(!rotatedMonitor.fullScreen);
        QCOMPARE(rotatedMonitor.geometry.width(), 1080); // width-bound on a tall screen
    }

    void aRememberedSizeIsKeptButNeverLargerThanTheScreen()
    {
        const QRect laptop(0, 0, 1366, 768);
        auto sized = [&](QSize remembered) {
            return WindowPlacement::choose(kDesign, laptop.size(), laptop, {}, remembered, std::nullopt)
                .geometry.size();
        };
        QCOMPARE(sized(QSize(500, 600)), QSize(500, 600));
        QCOMPARE(sized(QSize(500, 2000)), QSize(500, 768));
        QCOMPARE(sized(QSize(40, 60)), QSize(160, 284)); // never below half the design
    }

    // The stored size reads back; anything else stored there is no size.
    void storedSizeText()
    {
        const std::pair<QString, QSize> cases[]
            = {{"432x768", {432, 768}}, {" 432x768\n", {432, 768}}, {"", {}},   {"0x768", {}},
               {"-4x768", {}},          {"99999999x1", {}},         {"big", {}}};
        for (const auto &[text, size] : cases)
            QCOMPARE(WindowPlacement::sizeFromText(text), size);
        QCOMPARE(WindowPlacement::sizeFromText(WindowPlacement::sizeToText(QSize(432, 768))), QSize(432, 768));
    }

    void theWindowFitsALaptopScreenAndRemembersItsSize()
    {
        AppAssembly::registerScreens();
        QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->availableGeometry().size(), QSize(1366, 768));
        {
            AppWindow window(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen);
            QVERIFY(window.load());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(window.window()));
            QCOMPARE(window.window()->visibility(), QWindow::Windowed);
            // As tall as the screen, its decorations included, and no taller.
            QCOMPARE(window.window()->frameGeometry().height(), 768);
            QVERIFY(screen->availableGeometry().contains(window.window()->frameGeometry()));
            QVERIFY(qAbs(aspect(window.window()->size()) - 320.0 / 568.0) < 0.005);
            QVERIFY(window.window()->minimumSize().width() > 0);
            // Only the user's own size is kept; back at the fitted size, the window follows the screen again.
            const QSize fitted = window.window()->size();
            window.window()->resize(400, 700);
            QTRY_COMPARE(Preferences::shared().stringForKey(StoredNames::kWindowSizeKey), QStringLiteral("400x700"));
            window.window()->resize(fitted);
            QTRY_VERIFY(!Preferences::shared().hasKey(StoredNames::kWindowSizeKey));
            window.window()->resize(400, 700);
            QTRY_VERIFY(Preferences::shared().hasKey(StoredNames::kWindowSizeKey));
        }
        AppWindow again(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen);
        QVERIFY(again.load());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(again.window()));
        QCOMPARE(again.window()->size(), QSize(400, 700));
    }

    void fullScreenWhenAsked()
    {
        qputenv("TOLVEK_FULLSCREEN", "1");
        AppWindow window(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen);
        QVERIFY(window.load());
        window.show();
        qunsetenv("TOLVEK_FULLSCREEN");
        QVERIFY(QTest::qWaitForWindowExposed(window.window()));
        QCOMPARE(window.window()->visibility(), QWindow::FullScreen);
        QCOMPARE(window.window()->size(), QSize(1366, 768));
    }
};

int main(int argc, char **argv)
{
    // An offscreen screen the size of a common laptop's, at scale 1.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1");
    QGuiApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_placement.moc"
