#include "editor/EditorScreens.h"

#include "alarms/SoundCatalogue.h"
#include "alarms/UnlockerCatalogue.h"
#include "app/ScreenRegistry.h"
#include "editor/AlarmSettingScreen.h"
#include "editor/SoundPickerScreen.h"
#include "editor/TimePicker.h"
#include "ui/NavigationStack.h"
#include "ui/ScreenHost.h"
#include "ui/ScreenshotCatalog.h"

extern void qml_register_types_Tolvek_Editor();

namespace {
const QString kSettingScreen = QStringLiteral("AlarmSettingScreen");
const QString kSoundPicker = QStringLiteral("SoundPickerScreen");
constexpr qreal kRowsScroll = 1000; // to the last row

// What the screenshots of an existing alarm show.
AlarmPtr sampleAlarm()
{
    auto alarm = std::make_shared<Alarm>();
    alarm->setTimeOfDay(QTime(6, 45));
    alarm->repeatMask = Alarm::kMonday | Alarm::kSaturday;
    alarm->slogan = QStringLiteral("Morning run in the park");
    alarm->soundFile = QStringLiteral("Mineral.mp3");
    alarm->unlocker = UnlockerCatalogue::shared().all().at(Unlocker::Calculate);
    return alarm;
}

// Pushes a setting screen onto the window's content stack, as the home screen
// does, with its rows moved up by `scrolledBy` points.
AlarmSettingScreen *pushSettingScreen(ScreenHost &host, const AlarmPtr &alarm, qreal scrolledBy = 0)
{
    auto *screen = new AlarmSettingScreen(alarm);
    screen->scrolledTo(scrolledBy);
    host.contentStack()->push(screen, false);
    return screen;
}

// Ready once the unlocker strip has come to rest on the alarm's game.
bool pickerAtRest(ScreenHost &host)
{
    const auto *setting = qobject_cast<AlarmSettingScreen *>(host.contentStack()->topScreen());
    return !setting
           || (setting->picker()->currentPage() == setting->picker()->chosenUnlockerIndex()
               && setting->picker()->textAlpha() == 1.0);
}

void addRecipe(const QString &name, std::function<void(ScreenHost &)> prepare)
{
    ScreenshotCatalog::shared().add(name, {std::move(prepare), {}, {}, pickerAtRest});
}
} // namespace

void registerEditorScreens()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Editor();
    ScreenRegistry &registry = ScreenRegistry::shared();
    registry.registerScreen(kSettingScreen, [](const AlarmPtr &alarm, bool) { return new AlarmSettingScreen(alarm); });
    registry.registerScreen(kSoundPicker, [](const AlarmPtr &alarm, bool) {
        const qsizetype row = alarm ? SoundCatalogue::fileNames().indexOf(alarm->soundFile) : 0;
        return new SoundPickerScreen(int(qMax<qsizetype>(row, 0)));
    });

    addRecipe(QStringLiteral("editor-new"), [](ScreenHost &host) { pushSettingScreen(host, nullptr); });
    addRecipe(QStringLiteral("editor-edit"), [](ScreenHost &host) { pushSettingScreen(host, sampleAlarm()); });
    addRecipe(QStringLiteral("editor-time"),
              [](ScreenHost &host) { pushSettingScreen(host, sampleAlarm())->openTimePicker(); });
    // The rows below the strip: the slogan, snooze and the sound.
    addRecipe(QStringLiteral("editor-rows"),
              [](ScreenHost &host) { pushSettingScreen(host, sampleAlarm(), kRowsScroll); });
    addRecipe(QStringLiteral("editor-odd-slogan"), [](ScreenHost &host) {
        AlarmPtr alarm = sampleAlarm();
        alarm->slogan = QStringLiteral("صباح الخير 🌅👨‍👩‍👧 wake\nup\t")
                        + QString(10000, QLatin1Char('z'));
        pushSettingScreen(host, alarm, kRowsScroll);
    });
    addRecipe(QStringLiteral("sound-picker"), [](ScreenHost &host) {
        AlarmSettingScreen *screen = pushSettingScreen(host, sampleAlarm());
        screen->openSoundPicker();
        screen->soundPicker()->tapRow(int(SoundCatalogue::fileNames().indexOf(QStringLiteral("Stars.mp3"))));
    });
}
