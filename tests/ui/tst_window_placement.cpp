// The app's window on a desktop and on a phone: the size it opens at, full
// screen on phones, and the size it remembers. The rules alone first, then the
// real window on an offscreen screen of a 1366 x 768 laptop at scale 1
// (laptop-screen.json).
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "assembly/WindowPlacement.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {
const QSize kDesign = AppWindow::kTallPoints;

double aspect(QSize s) { return double(s.width()) / s.height(); }

// The app's window fitted to the screen, shown; null if it cannot be.
std::unique_ptr<AppWindow> fittedWindow()
{
    auto window = std::make_unique<AppWindow>(AppWindow::Height::Tall, AppWindow::Sizing::FitScreen);
    if (!window->load())
        return nullptr;
    window->show();
    return QTest::qWaitForWindowExposed(window->window()) ? std::move(window) : nullptr;
}
} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { AppAssembly::registerScreens(); }
    void init() { Preferences::shared().remove(StoredNames::kWindowSizeKey); }

    // On a laptop (with a top panel, a title bar, at scale 2) and on a second
    // monitor: as tall as fits, phone-shaped, centred on the free area.
    void opensAtTheLargestPhoneShapedSizeThatFitsOrTheRememberedOne()
    {
        const QMargins titleBar(1, 30, 1, 1);
        const std::tuple<QSize, QRect, QMargins, int> cases[] = {{{1366, 768}, {0, 27, 1366, 741}, {}, 741},
                                                                 {{1366, 768}, {0, 27, 1366, 741}, titleBar, 710},
                                                                 {{683, 384}, {0, 0, 683, 384}, {}, 384},
                                                                 {{1280, 1024}, {1920, 0, 1280, 1024}, {}, 1024}};
        for (const auto &[screen, available, frame, expectedHeight] : cases) {
            const WindowPlacement p = WindowPlacement::choose(kDesign, screen, available, frame, {}, std::nullopt);
            QVERIFY(!p.fullScreen);
            QCOMPARE(p.geometry.height(), expectedHeight);
            QVERIFY2(qAbs(aspect(p.geometry.size()) - 320.0 / 568.0) < 0.005,
                     qPrintable(QString::number(aspect(p.geometry.size()))));
            // The whole window, decorations included, lies on the free area, centred across it.
            QVERIFY(available.contains(p.geometry.marginsAdded(frame)));
            QVERIFY(qAbs(p.geometry.center().x() - available.center().x()) <= 1);
        }

        // A remembered size is kept, but never larger than the screen.
        const QRect laptop(0, 0, 1366, 768);
        auto sized = [&](QSize remembered) {
            return WindowPlacement::choose(kDesign, laptop.size(), laptop, {}, remembered, std::nullopt)
                .geometry.size();
        };
        QCOMPARE(sized(QSize(500, 600)), QSize(500, 600));
        QCOMPARE(sized(QSize(500, 2000)), QSize(500, 768));
        QCOMPARE(sized(QSize(40, 60)), QSize(160, 284)); // never below half the design

        // The stored size reads back; anything else stored there is no size.
        const std::pair<QString, QSize> texts[]
            = {{"432x768", {432, 768}}, {" 432x768\n", {432, 768}}, {"", {}},   {"0x768", {}},
               {"-4x768", {}},          {"99999999x1", {}},         {"big", {}}};
        for (const auto &[text, size] : texts)
            QCOMPARE(WindowPlacement::sizeFromText(text), size);
        QCOMPARE(WindowPlacement::sizeFromText(WindowPlacement::sizeToText(QSize(432, 768))), QSize(432, 768));
    }

    void fullScreenOnPhonesOrWhenAsked()
    {
        const QRect portrait(0, 0, 360, 720); // a laptop's landscape screen: above
        QVERIFY(WindowPlacement::choose(kDesign, portrait.size(), portrait, {}, {}, std::nullopt).fullScreen);
        // TOLVEK_FULLSCREEN=0 (and =1: the real window) decides whatever the screen's shape.
        const WindowPlacement rotatedMonitor
            = WindowPlacement::choose(kDesign, QSize(1080, 1920), QRect(0, 0, 1080, 1920), {}, {}, false);
        QVERIFY(!rotatedMonitor.fullScreen);
        QCOMPARE(rotatedMonitor.geometry.width(), 1080); // width-bound on a tall screen

        // TOLVEK_FULLSCREEN=1 on the real window.
        qputenv("TOLVEK_FULLSCREEN", "1");
        std::unique_ptr<AppWindow> window = fittedWindow();
        qunsetenv("TOLVEK_FULLSCREEN");
        QVERIFY(window);
        QCOMPARE(window->window()->visibility(), QWindow::FullScreen);
        QCOMPARE(window->window()->size(), QSize(1366, 768));
    }

    void theWindowFitsALaptopScreenAndRemembersItsSize()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->availableGeometry().size(), QSize(1366, 768));
        std::unique_ptr<AppWindow> window = fittedWindow();
        QVERIFY(window);
        QQuickWindow *shown = window->window();
        QCOMPARE(shown->visibility(), QWindow::Windowed);
        // As tall as the screen, its decorations included, and no taller.
        QCOMPARE(shown->frameGeometry().height(), 768);
        QVERIFY(screen->availableGeometry().contains(shown->frameGeometry()));
        QVERIFY(qAbs(aspect(shown->size()) - 320.0 / 568.0) < 0.005);
        QVERIFY(shown->minimumSize().width() > 0);
        // Only the user's own size is kept; back at the fitted size, the window follows the screen again.
        const QSize fitted = shown->size();
        shown->resize(400, 700);
        QTRY_COMPARE(Preferences::shared().stringForKey(StoredNames::kWindowSizeKey), QStringLiteral("400x700"));
        shown->resize(fitted);
        QTRY_VERIFY(!Preferences::shared().hasKey(StoredNames::kWindowSizeKey));
        shown->resize(400, 700);
        QTRY_VERIFY(Preferences::shared().hasKey(StoredNames::kWindowSizeKey));
        window.reset();
        window = fittedWindow();
        QVERIFY(window);
        QCOMPARE(window->window()->size(), QSize(400, 700));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_window_placement.moc"
