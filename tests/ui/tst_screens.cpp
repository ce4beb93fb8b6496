#include "app/ScreenPresenter.h"
#include "home/ZEBTimeView.h"
#include "menu/MenuScreens.h"
#include "menu/ZEBAboutViewController.h"
#include "menu/ZEBMoreViewController.h"
#include "menu/ZEBRootViewController.h"
#include "menu/ZEBSideMenuRootViewController.h"
#include "ui/IRate.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationController.h"
#include "ui/ScreenMetrics.h"
#include "ui/WindowPresence.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerMenuScreens();
        WindowPresence::setAnimatesTransitions(false);
    }

    void menuButtonInsideANavigationController()
    {
        ZEBSideMenuRootViewController container;
        auto *navigation = new NavigationController;
        container.setContentViewController(navigation);
        auto *screen = new ZEBMoreViewController;
        navigation->setViewControllers({screen}, false);
        screen->loadViewIfNeeded();
        QCOMPARE(screen->leftBarButtonPicture(), QStringLiteral("home-menu"));
        QVERIFY(screen->menuButtonFrame().isEmpty());
        QSignalSpy willShow(&container, &RESideMenu::willShowMenuViewController);
        screen->triggerLeftBarButton();
        QVERIFY(container.isMenuVisible());
        QCOMPARE(willShow.count(), 1);
    }

    void menuButtonWithoutANavigationController()
    {
        ZEBMoreViewController screen;
        screen.loadViewIfNeeded();
        QVERIFY(screen.leftBarButtonPicture().isEmpty());
        QCOMPARE(screen.menuButtonFrame(), QRectF(10, 10, 50, 50));
        screen.showMenu(); // no container: nothing happens, nothing breaks
        QVERIFY(screen.sideMenuViewController() == nullptr);
    }

    void sideMenuShowsAndHides()
    {
        RESideMenu container;
        QSignalSpy didShow(&container, &RESideMenu::didShowMenuViewController);
        QSignalSpy didHide(&container, &RESideMenu::didHideMenuViewController);
        container.presentMenuViewController();
        container.presentMenuViewController();
        QCOMPARE(didShow.count(), 1);
        container.hideMenuViewController();
        QVERIFY(!container.isMenuVisible());
        QCOMPARE(didHide.count(), 1);
    }

    void rootContainerSetUp_data()
    {
        QTest::addColumn<QSize>("mode");
        QTest::addColumn<QString>("background");
        QTest::newRow("tall") << ScreenMetrics::kTallMode << "menu-bg-568h.jpg";
        QTest::newRow("normal") << ScreenMetrics::kNormalMode << "menu-bg.jpg";
    }
    void rootContainerSetUp()
    {
        QFETCH(QSize, mode);
        QFETCH(QString, background);
        ScreenMetrics::shared().setDisplayMode(mode);
        ZEBSideMenuRootViewController root;
        root.awakeFromNib();
        QCOMPARE(root.backgroundImage(), background);
        QVERIFY(!root.backgroundImageUrl().isEmpty());
        QCOMPARE(root.thirdControllers().size(), 1);
        QCOMPARE(root.thirdControllers().first()->className(), QStringLiteral("ZEBAboutViewController"));
        auto *content = qobject_cast<NavigationController *>(root.contentViewController());
        QVERIFY(content);
        // Until the home screen is built in, the about screen is the first content.
        QCOMPARE(content->topViewController(), root.thirdControllers().first());
        QCOMPARE(content->topViewController()->sideMenuViewController(), &root);
    }

    void aboutTexts()
    {
        ZEBAboutViewController about;
        about.loadViewIfNeeded();
        QCOMPARE(about.titleViewText(), QStringLiteral("About"));
        QCOMPARE(about.appName(), QStringLiteral("Tolvek"));
        QCOMPARE(about.versionText(), QStringLiteral("Version " TOLVEK_VERSION_SHORT));
        QCOMPARE(ZEBAboutViewController::versionText(QStringLiteral("1.2")), QStringLiteral("Version 1.2"));
        QCOMPARE(about.slogan(), QStringLiteral("Exploring the Universe. It's a brand new day."));
        QCOMPARE(about.credits().size(), 5);
        QCOMPARE(about.contentHeight(), 660.0);
    }

    void simplifiedChineseTexts()
    {
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/i18n/tolvek_zh_CN.qm")));
        QCoreApplication::installTranslator(&chinese);
        ZEBAboutViewController about;
        about.loadViewIfNeeded();
        QCOMPARE(about.versionText(), QStringLiteral("版本 " TOLVEK_VERSION_SHORT));
        QCOMPARE(about.titleViewText(), QStringLiteral("关于"));
        QVERIFY(about.credits().first().startsWith(QStringLiteral("开发者")));
        QCOMPARE(ZEBTimeView::weekdayAbbreviation(5), QStringLiteral("周四"));
        QCoreApplication::removeTranslator(&chinese);
    }

    void moreScreenRatesAndShowsAbout()
    {
        QUrl opened;
        IRate::sharedInstance().setUrlOpener([&](const QUrl &url) {
            opened = url;
            return true;
        });
        NavigationController navigation;
        auto *more = new ZEBMoreViewController;
        navigation.setViewControllers({more}, false);
        navigation.setNavigationBarHidden(true, false);
        navigation.beginAppearance(false);
        QVERIFY(!navigation.isNavigationBarHidden()); // the more screen shows the bar
        QCOMPARE(more->title(), QStringLiteral("More"));
        QCOMPARE(more->rateUsTitle(), QStringLiteral("Rate Tolvek Alarm"));

        more->rateUs();
        QCOMPARE(IRate::sharedInstance().appStoreID, 556203718u);
        QCOMPARE(opened, QUrl(QStringLiteral("https://apps.apple.com/app/id556203718?action=write-review")));

        more->aboutUs();
        QCOMPARE(navigation.viewControllers().size(), 2);
        QPointer<ViewController> about = navigation.topViewController();
        QCOMPARE(about->className(), QStringLiteral("ZEBAboutViewController"));
        navigation.popViewControllerAnimated(true);
        QCOMPARE(navigation.topViewController(), more);
        QTRY_VERIFY(about.isNull()); // pushed screens belong to the stack
    }

    void stackReleasesScreensItDoesNotOwn()
    {
        QObject owner;
        NavigationController navigation;
        QPointer<ViewController> kept = new ZEBAboutViewController(&owner);
        navigation.setViewControllers({kept}, false);
        QCOMPARE(kept->navigationController(), &navigation);
        navigation.setViewControllers({}, false);
        QCoreApplication::processEvents();
        QVERIFY(!kept.isNull());
        QVERIFY(kept->parentViewController() == nullptr);
        QCOMPARE(kept->parent(), &owner);
    }

    void modalLayerPresentsAndDismisses()
    {
        ScreenPresenter::setShared(&ModalLayer::shared());
        bool shown = false;
        auto *screen = new ZEBAboutViewController;
        QPointer<ViewController> watched(screen);
        ScreenPresenter::shared()->presentModal(screen, true, [&] { shown = true; });
        QVERIFY(shown);
        QCOMPARE(ModalLayer::shared().presentedScreens(), QList<ViewController *>{screen});
        QVERIFY(screen->isOnScreen());
        auto *above = new ZEBMoreViewController;
        screen->presentViewController(above, false);
        QCOMPARE(ModalLayer::shared().presentedScreens().size(), 2);
        screen->dismissViewControllerAnimated(true); // takes the one above with it
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        QTRY_VERIFY(watched.isNull());
        ScreenPresenter::setShared(nullptr);
    }

    void modalLayerRefusesWhatIsNotAScreen()
    {
        QPointer<QObject> stranger = new QObject;
        ModalLayer::shared().presentModal(stranger, false, {});
        QVERIFY(stranger.isNull());
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
