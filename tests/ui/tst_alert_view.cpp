#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "ui/AlertQueue.h"
#include "ui/ProgressOverlay.h"
#include "ui/AlertViewPresenter.h"
#include "ui/AlertView.h"
#include "ui/WindowPresence.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

// The alert's rules without a window; tapped on screen in tst_app_window.
class TestAlertView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { WindowPresence::setAnimatesTransitions(false); }

    void pressingAButtonRunsItsHandlerThenDismissesOnce_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("with a handler") << 0 << QStringList{"ok", "dismissed"};
        QTest::newRow("without one it only closes") << 1 << QStringList{"dismissed"};
    }
    void pressingAButtonRunsItsHandlerThenDismissesOnce()
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
        alert->show();
        QCOMPARE(AlertQueue::shared().current(), alert);

        alert->pressButton(button);
        alert->pressButton(0); // a second tap on a closing alert does nothing
        QCOMPARE(seen, order);
        QVERIFY(AlertQueue::shared().current() == nullptr);
        QCOMPARE(broadcast.count(), 1);
        QCOMPARE(broadcast.first().first().toString(), AlertView::DidDismissNotification);
        QTRY_VERIFY(watched.isNull()); // a dismissed alert frees itself
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

    void corePresenterUsesTheHouseStyle()
    {
        AlertViewPresenter presenter;
        bool pressed = false;
        presenter.presentAlert({QStringLiteral("Add Alarm Failed"),
                                QStringLiteral("No room"),
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
};

QTEST_MAIN(TestAlertView)
#include "tst_alert_view.moc"
