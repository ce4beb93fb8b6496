// The editor's screens in the app's window (offscreen): taps on their views,
// the time panel confirmed by a tap anywhere (also while it slides in; a tap
// on the dimmed screen around it closes it without a time), the
// blur following the rows, and every control reachable by its accessible
// name, role, state and value, as assistive tools see them.
#include "EditorTestSupport.h"
#include "ItemLookup.h"
#include "TestSupport.h"
#include "assembly/AppWindow.h"
#include "editor/SoundPickerScreen.h"
#include "editor/TimePicker.h"
#include "platform/Preferences.h"

#include <QAccessible>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

namespace {
// The accessible objects on screen, by name (the front-most one wins).
QHash<QString, QAccessibleInterface *> accessibleByName(QAccessibleInterface *root)
{
    QHash<QString, QAccessibleInterface *> found;
    QList<QAccessibleInterface *> todo{root};
    while (!todo.isEmpty()) {
        QAccessibleInterface *node = todo.takeFirst();
        if (node->state().invisible)
            continue;
        const QString name = node->text(QAccessible::Name);
        if (!name.isEmpty())
            found.insert(name, node);
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface *child = node->child(i))
                todo.append(child);
    }
    return found;
}
} // namespace

class TestEditorViews : public QObject
{
    Q_OBJECT
    std::unique_ptr<AppWindow> window;
    std::unique_ptr<TestSupport::StoreOnlyScheduler> store;
    QPointer<AlarmSettingScreen> screen;

    // The last item of that name shown: the front screen's.
    QQuickItem *item(const QString &name) const { return findItem(window->window()->contentItem(), name, true); }
    bool tapAt(QQuickItem *target, QPointF at)
    {
        if (!target)
            return false;
        QTest::mouseClick(window->window(), Qt::LeftButton, {}, target->mapToScene(at).toPoint());
        return true;
    }
    bool tap(const QString &name)
    {
        QQuickItem *target = nullptr;
        if (!QTest::qWaitFor([&] { return (target = item(name)) != nullptr; }, 5000))
            return false;
        scrollIntoView(target);
        return tapAt(target, QPointF(target->width() / 2, target->height() / 2));
    }
    // Scrolls the setting screen's rows until `target` lies inside the window, as a person would.
    void scrollIntoView(QQuickItem *target)
    {
        QQuickItem *table = item(QStringLiteral("settingTable"));
        const qreal bottom = target->mapToScene(QPointF(0, target->height())).y();
        const qreal overflow = bottom - window->points().height() + 20;
        if (table && overflow > 0 && table->isAncestorOf(target))
            table->setProperty("contentY", table->property("contentY").toReal() + overflow);
    }
    QHash<QString, QAccessibleInterface *> accessible() const
    {
        return accessibleByName(QAccessible::queryAccessibleInterface(window->window()));
    }
    bool press(const QString &name)
    {
        QAccessibleInterface *target = accessible().value(name);
        if (!target || !target->actionInterface())
            return false;
        target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return true;
    }
    void typeText(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(window->window(), c.toLatin1());
    }
    TimePicker *panel() const { return screen->timePicker(); }

private Q_SLOTS:
    void initTestCase()
    {
        window = std::make_unique<AppWindow>();
        QVERIFY(window->load());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    }

    void init()
    {
        TestSupport::wipeUserData();
        Preferences::shared().setBool(StoredNames::kRingingNoticeDoNotShowKey, true);
        store = std::make_unique<TestSupport::StoreOnlyScheduler>();
        screen = new AlarmSettingScreen(nullptr);
        window->contentStack()->push(screen, false);
        QTRY_VERIFY(item(QStringLiteral("timeButton")));
        QVERIFY(window->contentStack()->isNavigationBarHidden());
    }

    void cleanup()
    {
        NavigationStack *stack = window->contentStack();
        stack->setScreens({stack->screens().first()}, false);
        // The next test's taps must not land on this screen's view on its way out.
        QTRY_VERIFY(!item(QStringLiteral("settingTable")));
        store.reset();
    }

    void everyControlHasItsName()
    {
        auto named = accessible();
        for (const char *name : {"Save", "Cancel", "Time", "Slogan", "Snooze", "Sound", "Use", "Preview",
                                 "Unlocker: Peaceful Universe", "Unlocker: Mass Calculator"}) {
            QVERIFY2(named.contains(name), name);
            QCOMPARE(named.value(name)->role(),
                     qstrcmp(name, "Slogan") ? QAccessible::Button : QAccessible::EditableText);
        }
        QCOMPARE(named.value("Time")->text(QAccessible::Description), QStringLiteral("07:00"));
        QCOMPARE(named.value("Sound")->text(QAccessible::Description), QStringLiteral("Airship"));
        QVERIFY(named.value("Snooze")->state().checkable && named.value("Snooze")->state().checked);
        for (const char *day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
            QVERIFY2(named.contains(day), day);
            QVERIFY(named.value(day)->state().checkable);
            QVERIFY(!named.value(day)->state().checked);
        }
        // The panel's controls appear with the panel.
        QVERIFY(!named.contains("Hour"));
        QVERIFY(press(QStringLiteral("Time")));
        QTRY_COMPARE(panel()->phase(), TimePicker::Phase::Shown);
        named = accessible();
        QCOMPARE(named.value("Hour")->role(), QAccessible::SpinBox);
        QCOMPARE(named.value("Minute")->role(), QAccessible::SpinBox);
        QCOMPARE(named.value("Done")->role(), QAccessible::Button);
        QVERIFY(!named.contains("AM/PM")); // the C locale writes 24-hour times

        // journey_editor.py sets the wheels through their values and confirms;
        // here their range, and the value following a wheel the controller moved.
        QAccessibleValueInterface *hour = named.value("Hour")->valueInterface();
        QAccessibleValueInterface *minute = named.value("Minute")->valueInterface();
        QVERIFY(hour && minute);
        QCOMPARE((QVariantList{hour->currentValue(), hour->minimumValue(), hour->maximumValue()}),
                 (QVariantList{7, 0, 23}));
        panel()->setMinute(50);
        QCOMPARE(minute->currentValue().toInt(), 50);
    }

    // A tap anywhere on the panel confirms: on its body as soon as the body is
    // in the window (sliding in, or just up), far from the "Done" mark, or on
    // a wheel (a tap, not a drag). A tap on the dimmed screen closes without a time.
    void aTapOnThePanelConfirms()
    {
        QSignalSpy picked(panel(), &TimePicker::timePicked);
        QQuickItem *panelView = nullptr;
        const std::function<bool()> taps[] = {[&] { return tapAt(panelView, QPointF(20, 60)); },
                                              [&] { return tapAt(panelView, QPointF(20, panelView->height() - 10)); },
                                              [&] { return tap(QStringLiteral("minuteWheel")); },
                                              [&] { return tapAt(item("timePickerMask"), QPointF(160, 100)); }};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(tap(QStringLiteral("timeButton")));
            QVERIFY(panel()->isRaised());
            panelView = item(QStringLiteral("timePickerPanel"));
            QVERIFY(panelView);
            if (i == 0) // still sliding in
                QTRY_VERIFY(panelView->y() + 70 < window->points().height());
            else
                QTRY_COMPARE(panel()->phase(), TimePicker::Phase::Shown);
            // Up, it sits on the bottom edge of the window.
            if (i == 1)
                QCOMPARE(panelView->mapToScene(QPointF(0, panelView->height())).y(), qreal(window->points().height()));
            QVERIFY(taps[i]());
            QTRY_COMPARE(panel()->phase(), TimePicker::Phase::Hidden);
            QCOMPARE(picked.count(), std::min(i + 1, 3));
        }
        // Right after, the time row takes taps again (the dimming fades out by itself).
        QVERIFY(tap(QStringLiteral("timeButton")));
        QVERIFY(panel()->isRaised());
    }

    void daysSnoozeSloganAndCancelOnTheView()
    {
        QVERIFY(tap(QStringLiteral("dayButton1")));
        QCOMPARE(screen->alarm()->repeatMask, 2u);
        QVERIFY(accessible().value("Monday")->state().checked);

        QVERIFY(tap(QStringLiteral("snoozeSwitch")));
        QVERIFY(!screen->alarm()->snooze);
        QVERIFY(!accessible().value("Snooze")->state().checked);

        QVERIFY(tap(QStringLiteral("sloganField")));
        QTest::keyClick(window->window(), Qt::Key_A, Qt::ControlModifier);
        typeText(QStringLiteral("Test"));
        QCOMPARE(screen->alarm()->slogan, QStringLiteral("Test"));
        QCOMPARE(accessible().value("Slogan")->text(QAccessible::Value), QStringLiteral("Test"));
        typeText(QString(120, QLatin1Char('z')));
        QCOMPARE(screen->alarm()->slogan.size(), 100);
        QTRY_VERIFY(item(QStringLiteral("sloganNotice")));
        // Cancel on the editor's own bar (what it leaves stored: tst_alarmsetting, journey_editor).
        QVERIFY(tap(QStringLiteral("barLeftButton")));
        QTRY_VERIFY(!screen);
    }

    // The blur comes in over the first 44 points the rows are scrolled.
    void blurFollowsTheRows()
    {
        auto *table = item(QStringLiteral("settingTable"));
        QVERIFY(table);
        QCOMPARE(screen->blurAlpha(), 0.0);
        table->setProperty("contentY", 44);
        QCOMPARE(screen->blurAlpha(), 1.0);
        table->setProperty("contentY", 22);
        QCOMPARE(screen->blurAlpha(), 0.5);
    }

    void gameAndSoundChosenOnTheView()
    {
        // The game chosen through its page's name and "Use".
        QTRY_COMPARE(screen->picker()->currentPage(), 0);
        QVERIFY(press(QStringLiteral("Unlocker: Mass Calculator")));
        QTRY_COMPARE(screen->picker()->currentPage(), 1);
        QTRY_VERIFY(!accessible().value("Use")->state().checked);
        QVERIFY(press(QStringLiteral("Use")));
        QCOMPARE(screen->picker()->chosenUnlockerIndex(), 1);
        QVERIFY(accessible().value("Use")->state().checked);
        QVERIFY(accessible().value("Unlocker: Mass Calculator")->state().selected);

        QVERIFY(tap(QStringLiteral("soundButton")));
        QTRY_VERIFY(qobject_cast<SoundPickerScreen *>(window->contentStack()->topScreen()));
        const QStringList names = qobject_cast<SoundPickerScreen *>(window->contentStack()->topScreen())->soundNames();
        QCOMPARE(names.size(), 15); // the fourteen sounds, then "Random"
        QCOMPARE(names.last(), QStringLiteral("Random"));
        QTRY_VERIFY(accessible().contains("Mineral"));
        auto named = accessible();
        QCOMPARE(named.value("Airship")->role(), QAccessible::Button);
        QVERIFY(named.value("Airship")->state().selected);
        QVERIFY(!named.value("Mineral")->state().selected);
        QVERIFY(named.contains("Back"));
        QVERIFY(press(QStringLiteral("Mineral")));
        QVERIFY(accessible().value("Mineral")->state().selected);
        QVERIFY(tap(QStringLiteral("barLeftButton")));
        QTRY_COMPARE(window->contentStack()->topScreen(), screen.data());
        QCOMPARE(screen->soundName(), QStringLiteral("Mineral"));
        QTRY_COMPARE(accessible().value("Sound")->text(QAccessible::Description), QStringLiteral("Mineral"));
        // The editor draws its own bar; the stack's stays hidden.
        QVERIFY(window->contentStack()->isNavigationBarHidden());
    }
};

QTEST_MAIN(TestEditorViews)
#include "tst_editor_views.moc"
