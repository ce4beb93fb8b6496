#include "app/ScreenPresenter.h"
#include "ui/ClockTicker.h"
#include "assembly/AppAssembly.h"
#include "menu/AboutScreen.h"
#include "menu/MoreScreen.h"
#include "menu/AppSideMenu.h"
#include "ui/RatingPrompt.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/ScreenMetrics.h"
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

    // In a navigation stack the menu button sits in the bar, else in the
    // corner; the menu announces each showing and hiding once.
    void menuButton()
    {
        AppSideMenu container;
        auto *navigation = new NavigationStack;
        container.setContentScreen(navigation);
        auto *screen = new MoreScreen;
        navigation->setScreens({screen}, false);
        screen->loadIfNeeded();
        QCOMPARE(screen->leftBarButtonPicture(), QStringLiteral("home-menu"));
        QVERIFY(!screen->hasMenuCornerButton());
        QSignalSpy willShow(&container, &SideMenu::menuWillShow), didShow(&container, &SideMenu::menuDidShow),
            didHide(&container, &SideMenu::menuDidHide);
        screen->triggerLeftBarButton();
        container.showMenu();
        QVERIFY(container.isMenuVisible());
        QCOMPARE(willShow.count(), 1);
        QCOMPARE(didShow.count(), 1);
        container.hideMenu();
        QVERIFY(!container.isMenuVisible());
        QCOMPARE(didHide.count(), 1);

        MoreScreen alone;
        alone.loadIfNeeded();
        QVERIFY(alone.leftBarButtonPicture().isEmpty());
        QVERIFY(alone.hasMenuCornerButton());
        alone.showMenu(); // no container: nothing happens, nothing breaks
        QVERIFY(alone.sideMenu() == nullptr);
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

    // The background's choice by display is tested in tst_image_effects.
    void rootContainerSetUp()
    {
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kTallMode);
        AppSideMenu root;
        root.build();
        QCOMPARE(root.backgroundImage(), QStringLiteral("menu-bg-568h.jpg"));
        QVERIFY(!root.backgroundImageUrl().isEmpty());
        QCOMPARE(root.aboutStack().first()->className(), QStringLiteral("AboutScreen"));
        auto *content = qobject_cast<NavigationStack *>(root.contentScreen());
        QVERIFY(content);
        QCOMPARE(root.homeStack().size(), 1);
        QCOMPARE(content->topScreen(), root.homeStack().first());
        QCOMPARE(content->topScreen()->className(), QStringLiteral("HomeScreen"));
        QCOMPARE(content->topScreen()->sideMenu(), &root);
    }

    void aboutTextsInBothLanguages()
    {
        AboutScreen about;
        about.loadIfNeeded();
        QCOMPARE(about.versionText(), QStringLiteral("Version " TOLVEK_VERSION_SHORT));
        QCOMPARE(about.credits().size(), 5);
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

    void moreScreenRatesAndShowsAbout()
    {
        QUrl opened;
        RatingPrompt::shared().setUrlOpener([&](const QUrl &url) {
            opened = url;
            return true;
        });
        NavigationStack navigation;
        auto *more = new MoreScreen;
        navigation.setScreens({more}, false);
        navigation.setNavigationBarHidden(true, false);
        navigation.beginAppearance(false);
        QVERIFY(!navigation.isNavigationBarHidden()); // the more screen shows the bar
        more->rateUs();
        QCOMPARE(opened, QUrl(QStringLiteral("https://tolvek.org/alarm/rate?app=556203718")));
        more->aboutUs();
        QPointer<ScreenController> about = navigation.topScreen();
        QCOMPARE(about->className(), QStringLiteral("AboutScreen"));
        navigation.pop(true);
        QCOMPARE(navigation.topScreen(), more);
        QTRY_VERIFY(about.isNull()); // pushed screens belong to the stack
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

    // A modal closes with the ones above it and is freed; what is no screen is refused.
    void modalLayerPresentsAndDismisses()
    {
        ScreenPresenter::setShared(&ModalLayer::shared());
        bool shown = false;
        auto *screen = new AboutScreen;
        QPointer<ScreenController> watched(screen);
        ScreenPresenter::shared()->presentModal(screen, true, [&] { shown = true; });
        QVERIFY(shown);
        QVERIFY(screen->isOnScreen());
        screen->present(new MoreScreen, false);
        QCOMPARE(ModalLayer::shared().presentedScreens().size(), 2);
        screen->close(true);
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
        QTRY_VERIFY(watched.isNull());
        ScreenPresenter::setShared(nullptr);

        QPointer<QObject> stranger = new QObject;
        ModalLayer::shared().presentModal(stranger, false, {});
        QVERIFY(stranger.isNull());
        QVERIFY(ModalLayer::shared().presentedScreens().isEmpty());
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
