#include "home/HomeScreens.h"

#include "alarms/AlarmSchedule.h"
#include "alarms/UnlockerCatalogue.h"
#include "app/ScreenRegistry.h"
#include "home/ClockFace.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"
#include "ui/NavigationStack.h"
#include "ui/ScreenHost.h"
#include "ui/ScreenshotCatalog.h"

#include <QTimer>

extern void qml_register_types_Tolvek_Home();

namespace {
const QString kHomeScreen = QStringLiteral("HomeScreen");

HomeScreen::Sources &sources()
{
    static HomeScreen::Sources current;
    return current;
}

// The screenshots' alarms: a weekday one, a weekend one switched off, a one-time one.
void storeSampleAlarms()
{
    AlarmSchedule &schedule = AlarmSchedule::shared();
    schedule.unscheduleAll();
    struct Sample
    {
        QTime time;
        quint32 mask;
        const char *slogan;
        int kind;
        bool on;
    };
    const Sample samples[]
        = {{QTime(21, 30), 0, "Water the plants", Unlocker::ShakeToLaunch, true},
           {QTime(8, 15), Alarm::kWeekend, "Long run by the river", Unlocker::Tap, false},
           {QTime(6, 45), Alarm::kWeekdays, "Rise and shine, astronaut!", Unlocker::Calculate, true}};
    for (const Sample &sample : samples) {
        auto alarm = std::make_shared<Alarm>();
        alarm->setTimeOfDay(sample.time);
        alarm->repeatMask = sample.mask;
        alarm->slogan = QString::fromUtf8(sample.slogan);
        alarm->unlocker = UnlockerCatalogue::shared().all().at(sample.kind);
        schedule.activate(alarm);
        if (!sample.on)
            schedule.switchAlarm(alarm->identifier, false);
    }
}

Weather sampleWeather()
{
    Weather weather;
    weather.city = QStringLiteral("Hangzhou");
    weather.conditionText = QStringLiteral("Partly Cloudy");
    weather.conditionCode = QStringLiteral("30");
    weather.temperatureUnit = QStringLiteral("C");
    weather.nowTemp = QStringLiteral("21");
    return weather;
}

// The home screen with the sample alarms and weather, the unit and the ring's volume given.
ScreenshotCatalog::Recipe homeRecipe(const QString &unit, qreal volume, bool overlayOpen)
{
    ScreenshotCatalog::Recipe recipe;
    recipe.prepare = [unit, volume, overlayOpen](ScreenHost &window) {
        storeSampleAlarms();
        Preferences::shared().setString(StoredNames::kWeatherUnitKey, unit);
        Preferences::shared().synchronize();
        setHomeScreenSources({[] { return std::optional<Weather>(sampleWeather()); }, false});
        auto *screen = qobject_cast<HomeScreen *>(ScreenRegistry::shared().create(kHomeScreen, nullptr, false));
        if (!screen || !window.contentStack())
            return;
        window.contentStack()->setScreens({screen}, false);
        screen->loadIfNeeded();
        // Shown only: the screenshot never changes the machine's own volume.
        screen->clockFace()->dragVolume(volume, false);
        // Once the rows are laid out, so the editor flips in over its row.
        if (overlayOpen)
            QTimer::singleShot(300, screen, [screen] { screen->selectRow(1); });
    };
    recipe.ready = [overlayOpen](ScreenHost &window) {
        auto *screen = qobject_cast<HomeScreen *>(window.contentStack() ? window.contentStack()->topScreen() : nullptr);
        return screen && (!overlayOpen || screen->overlayState() == HomeScreen::OverlayState::Open);
    };
    return recipe;
}
} // namespace

void setHomeScreenSources(const HomeScreen::Sources &given) { sources() = given; }

void registerHomeScreen()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Home();
    ScreenRegistry::shared().registerScreen(kHomeScreen,
                                            [](const AlarmPtr &, bool) { return new HomeScreen(sources()); });
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("home"), homeRecipe(QStringLiteral("C"), 0.5, false));
    catalog.add(QStringLiteral("home-fahrenheit"), homeRecipe(QStringLiteral("F"), 0.5, false));
    catalog.add(QStringLiteral("home-overlay"), homeRecipe(QStringLiteral("C"), 0.5, true));
    catalog.add(QStringLiteral("home-volume-0"), homeRecipe(QStringLiteral("C"), 0, false));
}
