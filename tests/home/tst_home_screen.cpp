#include "ItemLookup.h"
#include "TestSupport.h"
#include "alarms/AlarmSchedule.h"
#include "alarms/UnlockerCatalogue.h"
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "home/AlarmListModel.h"
#include "home/ClockFace.h"
#include "home/HomeScreen.h"
#include "home/NextRing.h"
#include "home/TemperatureText.h"
#include "home/VolumeArc.h"
#include "home/WeekdayStrip.h"
#include "ui/Pictures.h"
#include "platform/Broadcaster.h"
#include "platform/KeyedArchive.h"
#include "platform/StoredNames.h"
#include "sound/MediaVolume.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "unlockers/UnlockScreen.h"

#include <QJsonArray>
#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {
using TestSupport::RecordingAlerts;

AlarmPtr storeAlarm(int hour, int minute, quint32 mask, const QString &slogan, int kind = Unlocker::Tap)
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(hour, minute));
    alarm->repeatMask = mask;
    alarm->slogan = slogan;
    alarm->unlocker = UnlockerCatalogue::shared().all().at(kind);
    AlarmSchedule::shared().activate(alarm);
    return alarm;
}

QStringList storedSlogans()
{
    QStringList slogans;
    for (const AlarmPtr &alarm : AlarmSchedule::shared().reload())
        slogans << alarm->slogan;
    return slogans;
}

QStringList shownSlogans(const AlarmListModel &model)
{
    QStringList slogans;
    for (int row = 0; row < model.count(); ++row)
        slogans << model.data(model.index(row), AlarmListModel::SloganRole).toString();
    return slogans;
}

int pendingCount() { return int(LocalNotificationScheduler::shared().scheduledLocalNotifications().size()); }

// A screen as the side menu makes it, loaded.
std::unique_ptr<HomeScreen> loadedScreen(HomeScreen::Sources sources = {})
{
    auto screen = std::make_unique<HomeScreen>(std::move(sources));
    screen->loadIfNeeded();
    return screen;
}

void openOverlay(HomeScreen &screen, int row)
{
    screen.selectRow(row);
    screen.overlayDidOpen(); // what the view reports when its flip has ended
}
} // namespace

class TestHomeScreen : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestSupport::StoreOnlyScheduler> scheduler_;
    static QString litDays(quint32 mask)
    {
        QString lit;
        for (const WeekdayStrip::Day &day : WeekdayStrip::days(mask))
            lit += day.lit ? day.text.left(2) + QLatin1Char(' ') : QString();
        return lit.trimmed();
    }

private Q_SLOTS:
    void initTestCase() { AppAssembly::registerScreens(); }

    void init()
    {
        scheduler_ = std::make_unique<TestSupport::StoreOnlyScheduler>();
        TestSupport::wipeUserData();
        AlarmSchedule::shared().unscheduleAll();
        // Not the first run, same version: no release notes.
        Preferences::shared().setString(StoredNames::kVersionKey, QStringLiteral(TOLVEK_VERSION));
        Preferences::shared().setString(StoredNames::kWeatherUnitKey, QStringLiteral("C"));
        Preferences::shared().synchronize();
    }
    void cleanup() { scheduler_.reset(); }

    void listsNewestFirstWithWhatEachRowShows()
    {
        storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("first"));
        storeAlarm(9, 30, 0, QStringLiteral("second"), Unlocker::Calculate);
        auto screen = loadedScreen();
        const AlarmListModel &model = *screen->alarms();
        QCOMPARE(shownSlogans(model), (QStringList{"second", "first"}));
        QCOMPARE(model.data(model.index(1), AlarmListModel::TimeTextRole).toString(), QStringLiteral("07:00"));
        QCOMPARE(model.data(model.index(0), AlarmListModel::AccessibleNameRole).toString(),
                 QStringLiteral("09:30, Once, second, on"));
        QVERIFY(screen->nextRingText().startsWith(QStringLiteral("Next alarm in ")));

        // Its weekday strip: all seven days always shown, Sunday first; bits above the week are no days.
        const std::tuple<quint32, const char *, const char *> strips[]
            = {{62, "MO TU WE TH FR", "Mon Tue Wed Thu Fri"},
               {65, "SU SA", "Sun Sat"},
               {127, "SU MO TU WE TH FR SA", "Sun Mon Tue Wed Thu Fri Sat"},
               {0, "", "Once"},
               {62 | 128 | 1024, "MO TU WE TH FR", "Mon Tue Wed Thu Fri"}};
        for (const auto &[mask, lit, spoken] : strips) {
            QCOMPARE(WeekdayStrip::days(mask).size(), 7);
            QCOMPARE(WeekdayStrip::days(mask).first().text, QStringLiteral("SUN"));
            QCOMPARE(litDays(mask), QLatin1String(lit));
            QCOMPARE(WeekdayStrip::spoken(mask), QLatin1String(spoken));
        }
    }

    void switchingOffAndOnKeepsThePlace()
    {
        storeAlarm(6, 0, Alarm::kWeekdays, QStringLiteral("a"));
        storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("b"));
        storeAlarm(8, 0, Alarm::kWeekdays, QStringLiteral("c"));
        auto screen = loadedScreen();
        screen->setRowActive(1, false);
        QCOMPARE(pendingCount(), 10); // the others' rings stay (it stored off, its switch off: journey_home)
        screen->setRowActive(1, true);
        QCOMPARE(pendingCount(), 15);
        QCOMPARE(storedSlogans(), (QStringList{"a", "b", "c"})); // switched on, still in its place
        QCOMPARE(shownSlogans(*screen->alarms()), (QStringList{"c", "b", "a"}));
    }

    // The answer to "delete?": "No" keeps it; "Yes" removes it at once and its
    // row once the editor has flipped back; a delete that cannot be stored
    // keeps the alarm ringing and says so.
    void deleteAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("no") << "No" << false << QStringList{"stay", "go"};
        QTest::newRow("yes") << "Yes" << false << QStringList{"stay"};
        QTest::newRow("yes on a full disk") << "Yes" << true << QStringList{"stay", "go"};
    }
    void deleteAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(bool, diskFull);
        QFETCH(QStringList, stored);
        RecordingAlerts alerts;
        storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("stay"));
        storeAlarm(8, 0, Alarm::kWeekdays, QStringLiteral("go"));
        auto screen = loadedScreen();
        openOverlay(*screen, 0);
        screen->deleteSelected();
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown[0].message, QStringLiteral("Do you wish to delete this alarm?"));
        QSignalSpy failed(screen.get(), &HomeScreen::changeFailed);
        {
            std::optional<TestSupport::FileSizeLimit> limit;
            if (diskFull)
                limit.emplace();
            const QList<AlertButton> buttons = alerts.shown.last().buttons;
            const auto button = std::find_if(buttons.cbegin(), buttons.cend(),
                                             [&](const AlertButton &b) { return b.title == answer; });
            QVERIFY(button != buttons.cend());
            if (button->handler)
                button->handler();
        }
        QCOMPARE(storedSlogans(), stored);
        QCOMPARE(pendingCount(), 5 * int(stored.size()));
        QCOMPARE(failed.count(), diskFull ? 1 : 0);
        QCOMPARE(alerts.shown.size(), diskFull ? 2 : 1);
        if (diskFull)
            QVERIFY(alerts.shown[1].message.contains(QStringLiteral("could not be saved")));
        const bool removed = stored.size() == 1;
        QCOMPARE(screen->overlayState(), removed ? HomeScreen::OverlayState::Closing : HomeScreen::OverlayState::Open);
        QCOMPARE(screen->alarms()->count(), 2); // a removed row waits for the flip back
        if (removed) {
            screen->overlayDidClose();
            QCOMPARE(shownSlogans(*screen->alarms()), stored);
            QVERIFY(screen->addEnabled());
        }
    }

    // The list follows saves: an edited row moves to the top, a new alarm comes in
    // at the top; and it follows the file when another program changes it.
    void theListFollowsSavesAndTheFile()
    {
        storeAlarm(6, 0, Alarm::kWeekdays, QStringLiteral("a"));
        const AlarmPtr b = storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("b"));
        storeAlarm(8, 0, Alarm::kWeekdays, QStringLiteral("c"));
        auto screen = loadedScreen();
        QSignalSpy moved(screen->alarms(), &QAbstractItemModel::rowsMoved);
        QSignalSpy inserted(screen->alarms(), &QAbstractItemModel::rowsInserted);
        // The editor saves a changed copy, then says so.
        const AlarmPtr edited = AlarmSchedule::shared().alarmWithIdentifier(b->identifier)->copy();
        edited->slogan = QStringLiteral("b edited");
        QVERIFY(AlarmSchedule::shared().activate(edited));
        Broadcaster::shared().post(StoredNames::Broadcast::kAlarmSaved);
        QCOMPARE(shownSlogans(*screen->alarms()), (QStringList{"b edited", "c", "a"}));
        QCOMPARE(moved.count(), 1);
        storeAlarm(9, 0, 0, QStringLiteral("new"));
        Broadcaster::shared().post(StoredNames::Broadcast::kAlarmSaved);
        QCOMPARE(shownSlogans(*screen->alarms()), (QStringList{"new", "b edited", "c", "a"}));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 0);

        // Another program rewrites the file (as tolvekctl does, by a rename).
        QJsonArray root;
        auto other = std::make_shared<Alarm>();
        other->setTimeOfDay(QTime(5, 5));
        other->slogan = QStringLiteral("from the shell");
        root.append(KeyedArchiver::archivedObject(AlarmSchedule::shared().reload().first().get()));
        root.append(KeyedArchiver::archivedObject(other.get()));
        QVERIFY(KeyedArchive::writeFile(AlarmSchedule::alarmFilePath(), root));
        QTRY_COMPARE_WITH_TIMEOUT(shownSlogans(*screen->alarms()), (QStringList{"from the shell", "a"}), 1000);
    }

    void aRungOneTimeAlarmShowsOffAndNothingElseChanges()
    {
        const AlarmPtr once = storeAlarm(6, 0, 0, QStringLiteral("once"));
        storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("weekly"));
        auto screen = loadedScreen();
        // Row 0 is selected last (the weekly one): the broadcast must not touch it.
        openOverlay(*screen, 0);
        screen->closeOverlay();
        screen->overlayDidClose();
        AlarmSchedule::shared().settleRungAlarm(AlarmSchedule::shared().alarmWithIdentifier(once->identifier));
        const AlarmListModel &model = *screen->alarms();
        QCOMPARE(model.count(), 2);
        const int onceRow = model.rowOf(once->identifier), weeklyRow = 1 - onceRow;
        QVERIFY(onceRow >= 0);
        QVERIFY(!model.data(model.index(onceRow), AlarmListModel::ActiveRole).toBool());
        QVERIFY(model.data(model.index(weeklyRow), AlarmListModel::ActiveRole).toBool());
        QCOMPARE(model.data(model.index(weeklyRow), AlarmListModel::SloganRole).toString(), QStringLiteral("weekly"));
        QCOMPARE(pendingCount(), 5);
    }

    void previewPlaysTheAlarmsGameInPreviewMode()
    {
        storeAlarm(7, 0, Alarm::kWeekdays, QStringLiteral("a"), Unlocker::Tap);
        auto screen = loadedScreen();
        openOverlay(*screen, 0);
        screen->previewSelected();
        QTRY_COMPARE(ModalLayer::shared().presentedScreens().size(), 1);
        auto *game = qobject_cast<UnlockScreen *>(ModalLayer::shared().presentedScreens().first());
        QVERIFY(game);
        QVERIFY(game->previewMode());
        QCOMPARE(screen->overlayState(), HomeScreen::OverlayState::Open); // the editor stays open
        game->close(false);
        QTRY_VERIFY(ModalLayer::shared().presentedScreens().isEmpty());
    }

    void releaseNotesOnceAfterAnUpdateNeverOnTheFirstRun()
    {
        RecordingAlerts alerts;
        Preferences::shared().remove(StoredNames::kVersionKey);
        loadedScreen();
        QCOMPARE(alerts.shown.size(), 0);
        Preferences::shared().setString(StoredNames::kVersionKey, QStringLiteral("0.9"));
        loadedScreen();
        QCOMPARE(alerts.shown.size(), 1);
        QVERIFY(alerts.shown[0].title.startsWith(QStringLiteral("What's new in version")));
        loadedScreen();
        QCOMPARE(alerts.shown.size(), 1);
    }

    void becomingActiveAsksWhetherAnAlarmRings()
    {
        auto screen = loadedScreen();
        QSignalSpy posted(&Broadcaster::shared(), &Broadcaster::posted);
        Broadcaster::shared().post(StoredNames::Broadcast::kDidBecomeActive);
        QVERIFY(std::any_of(posted.cbegin(), posted.cend(), [](const QList<QVariant> &post) {
            return post.at(0).toString() == StoredNames::Broadcast::kHomeScreenDidLoad;
        }));
    }

    void statusLines()
    {
        auto quiet = loadedScreen({{}, true});
        QCOMPARE(quiet->serviceNotice(), QStringLiteral("Alarms ring only while this window is open"));
        QCOMPARE(quiet->nextRingText(), QStringLiteral("No alarm is set to ring"));
        auto served = loadedScreen({{}, false});
        QVERIFY(served->serviceNotice().isEmpty());
        // The time left to the next ring.
        const QList<std::pair<qint64, QString>> texts{{7 * 3600 + 25 * 60, "in 7 h 25 min"},
                                                      {7 * 3600 + 24 * 60 + 50, "in 7 h 25 min"}, // rounded up
                                                      {25 * 60, "in 25 min"},
                                                      {2 * 86400 + 3 * 3600, "in 2 d 3 h"},
                                                      {20, "in less than a minute"}};
        for (const auto &[seconds, text] : texts)
            QCOMPARE(NextRing::timeLeftText(seconds), text);
    }

    void clockFaceWeather()
    {
        auto screen = loadedScreen();
        ClockFace &face = *screen->clockFace();
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchBegin);
        QVERIFY(face.noteShown());
        QCOMPARE(face.noteText(), QStringLiteral("Loading"));
        // A failed fetch ends "Loading" at once.
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchFailed);
        QCOMPARE(face.noteText(), QStringLiteral("Fetching weather information needs internet connection."));
        Weather weather;
        weather.conditionText = QStringLiteral("Fair");
        weather.conditionCode = QStringLiteral("34");
        weather.temperatureUnit = QStringLiteral("C");
        weather.nowTemp = QStringLiteral("20");
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchComplete, QVariant::fromValue(weather));
        QVERIFY(!face.noteShown());
        QCOMPARE((QStringList{face.temperatureText(), face.unitText(), face.iconName()}),
                 (QStringList{"20", "°C", "weather-sunny"}));
        face.toggleUnit();
        QCOMPARE(face.temperatureText(), QStringLiteral("68")); // the unit's name: journey_home
        // With a record, a failed fetch keeps showing it.
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchBegin);
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchFailed);
        QVERIFY(!face.noteShown());
        QCOMPARE(face.temperatureText(), QStringLiteral("68"));
        // A fetch that ends without a record found no place.
        Broadcaster::shared().post(StoredNames::Broadcast::kWeatherFetchComplete);
        QCOMPARE(face.noteText(), QStringLiteral("Fetching weather information needs location service."));
    }

    // Another program turns the volume fast (a held volume key, a mixer's slider):
    // the ring ends where the sink ends, and a drag of the user's own wins meanwhile.
    void theRingFollowsTheRealMediaVolume()
    {
        // A drag released at the far left sets 0, at the far right 1, in the middle 0.5.
        for (const auto &[x, volume] : QList<std::pair<double, double>>{{0, 0}, {500, 1}, {120, 0.5}})
            QVERIFY(std::abs(VolumeArc::volumeForX(x, 120) - volume) < 1e-9);
        if (!MediaVolume::shared().hasAudioServer())
            QSKIP("no PulseAudio server (scripts/session-services.sh starts one)");
        auto screen = loadedScreen();
        ClockFace &face = *screen->clockFace();
        // One pactl per step: each one is a change made by another process.
        for (int percent = 0; percent <= 100; percent += 2) {
            QProcess pactl;
            pactl.start(QStringLiteral("pactl"), {QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"),
                                                  QStringLiteral("%1%").arg(percent)});
            QVERIFY(pactl.waitForFinished(5000));
        }
        QTRY_COMPARE(face.volumePercent(), 100);
        QCOMPARE(face.knobPicture(), ClockFace::kKnobOn);
        face.dragVolume(0.25, false);
        MediaVolume::shared().setVolume(0.8f); // as if from outside: ignored while the finger holds the knob
        QCOMPARE(face.volumePercent(), 25);
        face.dragVolume(0.5, true);
        QTRY_COMPARE(qRound(MediaVolume::shared().volume() * 100), 50);
        face.setVolumePercent(3); // a screen reader's value
        QCOMPARE(face.volumePercent(), 3);
        QCOMPARE(face.knobPicture(), ClockFace::kKnobOff);
        QTRY_COMPARE(qRound(MediaVolume::shared().volume() * 100), 3);
    }

    // The view: rows drawn from the model, the editor's flips, long slogans elided.
    void theViewFlipsTheEditorInAndOut()
    {
        storeAlarm(7, 0, Alarm::kWeekdays, QString(10000, QLatin1Char('W')));
        storeAlarm(8, 0, 0, QStringLiteral("שלום עולם 🚀 مرحبا بالعالم"));
        AppWindow window;
        QVERIFY(window.load());
        window.show();
        // The window opens on the home screen.
        auto *screen = qobject_cast<HomeScreen *>(window.contentStack()->topScreen());
        QVERIFY(screen);
        QQuickItem *root = window.window()->contentItem();
        QTRY_VERIFY(findItem(root, QStringLiteral("alarmList")));
        auto *list = findItem(root, QStringLiteral("alarmList"));
        QTRY_COMPARE(list->property("count").toInt(), 2);
        // Scroll the first rows into view, then look at the slogans.
        QMetaObject::invokeMethod(list, "positionViewAtEnd");
        const auto slogans = [list] {
            QList<QQuickItem *> found, todo{list};
            while (!todo.isEmpty()) {
                QQuickItem *item = todo.takeLast();
                if (item->objectName() == QLatin1String("sloganLabel") && item->isVisible())
                    found << item;
                todo << item->childItems();
            }
            return found;
        };
        QTRY_COMPARE(slogans().size(), 2);
        bool longOneCut = false;
        for (QQuickItem *slogan : slogans()) {
            QCOMPARE(slogan->property("lineCount").toInt(), 1); // one line, never over the next row
            QCOMPARE(slogan->width(), 160.0);
            longOneCut
                = longOneCut
                  || (slogan->property("text").toString().size() == 10000 && slogan->property("truncated").toBool());
        }
        QVERIFY(longOneCut);

        screen->selectRow(0);
        QTRY_COMPARE(screen->overlayState(), HomeScreen::OverlayState::Open);
        QVERIFY(findItem(root, QStringLiteral("cellEditor"))->isVisible());
        screen->closeOverlay();
        QTRY_COMPARE(screen->overlayState(), HomeScreen::OverlayState::Closed);
        QVERIFY(!findItem(root, QStringLiteral("cellEditor"))->isVisible());

        // A long press picks the top row up; dragged one row down and dropped, it stays there.
        const AlarmListModel &model = *screen->alarms();
        const QString top = model.data(model.index(0), AlarmListModel::IdentifierRole).toString();
        QQuickItem *row = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, 0));
        QVERIFY(row);
        const QPoint start = row->mapToScene(QPointF(100, 40)).toPoint();
        QTest::mousePress(window.window(), Qt::LeftButton, {}, start);
        QTRY_VERIFY(screen->reordering());
        QVERIFY(model.data(model.index(0), AlarmListModel::PlaceholderRole).toBool()); // its slot blank meanwhile
        QCOMPARE(model.data(model.index(0), AlarmListModel::SloganRole).toString(), QString());
        for (int dy = 10; dy <= 110; dy += 10)
            QTest::mouseMove(window.window(), start + QPoint(0, dy));
        QTest::mouseRelease(window.window(), Qt::LeftButton, {}, start + QPoint(0, 110));
        QTRY_VERIFY(!screen->reordering());
        QVERIFY(!model.isDragging());
        QCOMPARE(model.data(model.index(1), AlarmListModel::IdentifierRole).toString(), top);
        QCOMPARE(AlarmSchedule::shared().reload().first()->identifier, top); // stored order: the display reversed
        QCOMPARE(screen->overlayState(), HomeScreen::OverlayState::Closed);  // a drag is no tap
    }

    // Whole degrees cut, not rounded; what is no believable reading shows "--".
    void weatherShownInThePreferredUnitWithItsPicture()
    {
        const struct
        {
            const char *reading, *recordUnit, *preferred, *shown;
        } temperatures[]
            = {{"20", "C", "F", "68"},   {"21", "C", "F", "69"},   {"70", "F", "C", "21"},   {"-5", "C", "F", "23"},
               {"-20", "C", "F", "-4"},  {"21", "C", "C", "21"},   {"20", "C", "X", "68"},   {nullptr, "C", "C", "--"},
               {"warm", "C", "F", "--"}, {"9999", "C", "C", "--"}, {"-500", "F", "C", "--"}, {"nan", "C", "F", "--"}};
        for (const auto &t : temperatures)
            QCOMPARE(TemperatureText::shown(QLatin1String(t.reading), QLatin1String(t.recordUnit),
                                            QLatin1String(t.preferred)),
                     QLatin1String(t.shown));
        // Every condition code has a picture the app draws; what is not a known
        // code shows clouds.
        for (int code = 0; code <= 47; ++code) {
            const QString icon = TemperatureText::iconForConditionCode(QString::number(code));
            QVERIFY2(!Pictures::path(icon).isEmpty(), qPrintable(QString::number(code) + QLatin1Char(' ') + icon));
        }
        QCOMPARE(TemperatureText::iconForConditionCode(QStringLiteral("31")), QStringLiteral("weather-night"));
        QCOMPARE(TemperatureText::iconForConditionCode(QStringLiteral(" 36")), QStringLiteral("weather-sunny"));
        for (const char *unknown : {"3200", "-3", "", "48", "sunny"})
            QCOMPARE(TemperatureText::iconForConditionCode(QLatin1String(unknown)), QStringLiteral("weather-cloudy"));
    }
};

QTEST_MAIN(TestHomeScreen)
#include "tst_home_screen.moc"
