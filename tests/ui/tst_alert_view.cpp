#include "platform/AlertPresenter.h"
#include "platform/NotificationCenter.h"
#include "ItemLookup.h"
#include "ui/AlertQueue.h"
#include "ui/MBProgressHUD.h"
#include "ui/SIAlertPresenter.h"
#include "ui/SIAlertView.h"
#include "ui/UiSetup.h"
#include "ui/WindowPresence.h"

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

class TestAlertView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { WindowPresence::setAnimatesTransitions(false); }

    void pressingAButtonRunsItsHandlerThenDismisses()
    {
        QStringList order;
        auto *alert = new SIAlertView(QStringLiteral("Title"), QStringLiteral("Message"));
        alert->addButtonWithTitle(QStringLiteral("OK"), SIAlertView::ButtonType::Default,
                                  [&](SIAlertView *) { order << QStringLiteral("ok"); });
        alert->addButtonWithTitle(QStringLiteral("Cancel"), SIAlertView::ButtonType::Cancel);
        alert->setDidDismissHandler([&](SIAlertView *) { order << QStringLiteral("dismissed"); });
        QSignalSpy broadcast(&NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QPointer<SIAlertView> watched(alert);
        alert->show();
        QCOMPARE(AlertQueue::shared().current(), alert);

        alert->pressButton(0);
        QCOMPARE(order, QStringList({"ok", "dismissed"}));
        QVERIFY(AlertQueue::shared().current() == nullptr);
        QCOMPARE(broadcast.count(), 1);
        QCOMPARE(broadcast.first().first().toString(), SIAlertView::DidDismissNotification);
        QTRY_VERIFY(watched.isNull()); // a dismissed alert frees itself
    }

    void aButtonWithoutHandlerOnlyCloses()
    {
        auto *alert = new SIAlertView(QStringLiteral("T"), QStringLiteral("M"));
        alert->addButtonWithTitle(QStringLiteral("Dismiss"), SIAlertView::ButtonType::Cancel);
        QSignalSpy dismissed(alert, &SIAlertView::dismissed);
        alert->show();
        alert->pressButton(0);
        QCOMPARE(dismissed.count(), 1);
        alert->pressButton(0); // a second tap on a closing alert does nothing
        QCOMPARE(dismissed.count(), 1);
    }

    void alertsShowOneAtATimeInOrder()
    {
        auto *first = new SIAlertView(QStringLiteral("1"), {});
        auto *second = new SIAlertView(QStringLiteral("2"), {});
        first->show();
        second->show();
        QCOMPARE(AlertQueue::shared().current(), first);
        first->dismissAnimated(false);
        QCOMPARE(AlertQueue::shared().current(), second);
        second->dismissAnimated(false);
        QVERIFY(AlertQueue::shared().current() == nullptr);
    }

    void animatedDismissalWaitsForTheTransition()
    {
        WindowPresence::setAnimatesTransitions(true);
        auto *alert = new SIAlertView(QStringLiteral("T"), {});
        bool after = false;
        alert->setDidDismissHandler([&](SIAlertView *) { after = true; });
        alert->show();
        alert->dismissAnimated(true);
        QVERIFY(alert->isDismissing());
        QVERIFY(!after);
        alert->transitionFinished();
        QVERIFY(after);
    }

    void verticalLayoutFromTheButtonCount_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("verticalFrom");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("two side by side") << 2 << 3 << false;
        QTest::newRow("three stacked") << 3 << 3 << true;
        QTest::newRow("one stacked when asked") << 1 << 1 << true;
    }
    void verticalLayoutFromTheButtonCount()
    {
        QFETCH(int, buttons);
        QFETCH(int, verticalFrom);
        QFETCH(bool, vertical);
        SIAlertView alert(QStringLiteral("T"), {});
        for (int i = 0; i < buttons; ++i)
            alert.addButtonWithTitle(QString::number(i), SIAlertView::ButtonType::Default);
        alert.setVerticalLayoutButtonCount(verticalFrom);
        QCOMPARE(alert.verticalLayout(), vertical);
    }

    void corePresenterUsesTheHouseStyle()
    {
        SIAlertPresenter presenter;
        bool pressed = false;
        presenter.presentAlert({QStringLiteral("Add Alarm Failed"), QStringLiteral("No room"),
                                {{QStringLiteral("Dismiss"), AlertButton::Type::Cancel, [&] { pressed = true; }}}});
        SIAlertView *shown = AlertQueue::shared().current();
        QVERIFY(shown);
        QCOMPARE(shown->cornerRadius(), 5.0);
        QCOMPARE(shown->transitionStyle(), SIAlertView::TransitionStyle::DropDown);
        QCOMPARE(shown->buttonType(0), SIAlertView::ButtonType::Cancel);
        shown->pressButton(0);
        QVERIFY(pressed);
        QVERIFY(AlertQueue::shared().current() == nullptr);
    }

    void tappingTheAlertOnScreen()
    {
        UiSetup::initialize();
        QQmlApplicationEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        engine.loadData("import QtQuick\nimport Tolvek\nWindow { width: 320; height: 568; visible: true\n"
                        "AlertLayer { anchors.fill: parent } }");
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        WindowPresence::setAnimatesTransitions(true);

        auto *alert = new SIAlertView(QStringLiteral("NOTICE"), QStringLiteral("Message"));
        bool tapped = false, closed = false;
        alert->addButtonWithTitle(QStringLiteral("Dismiss"), SIAlertView::ButtonType::Cancel,
                                  [&](SIAlertView *) { tapped = true; });
        alert->setDidDismissHandler([&](SIAlertView *) { closed = true; });
        alert->show();
        auto *button = findItem(window->contentItem(), QStringLiteral("alertButton0"));
        QVERIFY(button);
        QTest::qWait(600); // the drop-in ends
        const QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
        QVERIFY(tapped);
        QVERIFY(!closed); // still falling out
        QTRY_VERIFY(closed);
    }

    void progressOverlaysPerView()
    {
        QObject view, other;
        MBProgressHUD *first = MBProgressHUD::showHUDAddedTo(&view, true);
        MBProgressHUD::showHUDAddedTo(&view, true);
        MBProgressHUD::showHUDAddedTo(&other, false);
        QCOMPARE(first->mode(), MBProgressHUD::Mode::Indeterminate);
        QCOMPARE(MBProgressHUD::allHUDsForView(&view).size(), 2);
        QCOMPARE(MBProgressHUD::hideAllHUDsForView(&view, true), 2);
        QCOMPARE(MBProgressHUD::allHUDsForView(&view).size(), 0);
        QCOMPARE(MBProgressHUD::allHUDsForView(&other).size(), 1);
        QVERIFY(MBProgressHUD::showHUDAddedTo(nullptr, true) == nullptr);
    }
};

QTEST_MAIN(TestAlertView)
#include "tst_alert_view.moc"
