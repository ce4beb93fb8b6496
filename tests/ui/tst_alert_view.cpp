#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "ItemLookup.h"
#include "ui/AlertQueue.h"
#include "ui/ProgressOverlay.h"
#include "ui/AlertViewPresenter.h"
#include "ui/AlertView.h"
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
        auto *alert = new AlertView(QStringLiteral("Title"), QStringLiteral("Message"));
        alert->addButton(QStringLiteral("OK"), AlertView::ButtonType::Default,
                                  [&](AlertView *) { order << QStringLiteral("ok"); });
        alert->addButton(QStringLiteral("Cancel"), AlertView::ButtonType::Cancel);
        alert->setDidDismissHandler([&](AlertView *) { order << QStringLiteral("dismissed"); });
        QSignalSpy broadcast(&Broadcaster::shared(), &Broadcaster::posted);
        QPointer<AlertView> watched(alert);
        alert->show();
        QCOMPARE(AlertQueue::shared().current(), alert);

        alert->pressButton(0);
        QCOMPARE(order, QStringList({"ok", "dismissed"}));
        QVERIFY(AlertQueue::shared().current() == nullptr);
        QCOMPARE(broadcast.count(), 1);
        QCOMPARE(broadcast.first().first().toString(), AlertView::DidDismissNotification);
        QTRY_VERIFY(watched.isNull()); // a dismissed alert frees itself
    }

    void aButtonWithoutHandlerOnlyCloses()
    {
        auto *alert = new AlertView(QStringLiteral("T"), QStringLiteral("M"));
        alert->addButton(QStringLiteral("Dismiss"), AlertView::ButtonType::Cancel);
        QSignalSpy dismissed(alert, &AlertView::dismissed);
        alert->show();
        alert->pressButton(0);
        QCOMPARE(dismissed.count(), 1);
        alert->pressButton(0); // a second tap on a closing alert does nothing
        QCOMPARE(dismissed.count(), 1);
    }

    void alertsShowOneAtATimeInOrder()
    {
        auto *first = new AlertView(QStringLiteral("1"), {});
        auto *second = new AlertView(QStringLiteral("2"), {});
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
        auto *alert = new AlertView(QStringLiteral("T"), {});
        bool after = false;
        alert->setDidDismissHandler([&](AlertView *) { after = true; });
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
        AlertView alert(QStringLiteral("T"), {});
        for (int i = 0; i < buttons; ++i)
            alert.addButton(QString::number(i), AlertView::ButtonType::Default);
        alert.setVerticalLayoutButtonCount(verticalFrom);
        QCOMPARE(alert.verticalLayout(), vertical);
    }

    void corePresenterUsesTheHouseStyle()
    {
        AlertViewPresenter presenter;
        bool pressed = false;
        presenter.presentAlert({QStringLiteral("Add Alarm Failed"), QStringLiteral("No room"),
                                {{QStringLiteral("Dismiss"), AlertButton::Type::Cancel, [&] { pressed = true; }}}});
        AlertView *shown = AlertQueue::shared().current();
        QVERIFY(shown);
        QCOMPARE(shown->cornerRadius(), 5.0);
        QCOMPARE(shown->transitionStyle(), AlertView::TransitionStyle::DropDown);
        QCOMPARE(shown->buttonType(0), AlertView::ButtonType::Cancel);
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

        auto *alert = new AlertView(QStringLiteral("NOTICE"), QStringLiteral("Message"));
        bool tapped = false, closed = false;
        alert->addButton(QStringLiteral("Dismiss"), AlertView::ButtonType::Cancel,
                                  [&](AlertView *) { tapped = true; });
        alert->setDidDismissHandler([&](AlertView *) { closed = true; });
        alert->show();
        auto *button = findItem(window->contentItem(), QStringLiteral("alertButton0"));
        QQuickItem *box = findItem(window->contentItem(), QStringLiteral("alertBox"));
        QVERIFY(button && box);
        QTRY_COMPARE(box->y(), box->property("centreY").toReal()); // dropped in
        QTest::mouseClick(window, Qt::LeftButton, {}, sceneRect(button).center().toPoint());
        QVERIFY(tapped);
        QVERIFY(!closed); // still falling out
        QTRY_VERIFY(closed);
    }

    void progressOverlaysPerView()
    {
        QObject view, other;
        ProgressOverlay *first = ProgressOverlay::showOn(&view, true);
        ProgressOverlay::showOn(&view, true);
        ProgressOverlay::showOn(&other, false);
        QCOMPARE(first->mode(), ProgressOverlay::Mode::Indeterminate);
        QCOMPARE(ProgressOverlay::allOn(&view).size(), 2);
        QCOMPARE(ProgressOverlay::hideAllOn(&view, true), 2);
        QCOMPARE(ProgressOverlay::allOn(&view).size(), 0);
        QCOMPARE(ProgressOverlay::allOn(&other).size(), 1);
        QVERIFY(ProgressOverlay::showOn(nullptr, true) == nullptr);
    }
};

QTEST_MAIN(TestAlertView)
#include "tst_alert_view.moc"
