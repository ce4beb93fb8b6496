#include "unlockers/UnlockerScreens.h"
#include "platform/StoredNames.h"

#include "app/ScreenRegistry.h"
#include "ui/AlertQueue.h"
#include "ui/AppWindow.h"
#include "ui/ModalLayer.h"
#include "ui/ScreenshotCatalog.h"
#include "unlockers/UnlockerCatalogue.h"
#include "unlockers/UnlockerPicker.h"
#include "unlockers/games/calculate/CalculatorKeypad.h"
#include "unlockers/games/calculate/SumGame.h"
#include "unlockers/games/tap/TapGame.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
const QString kTapClass = StoredNames::kTapScreen;
const QString kCalculateClass = StoredNames::kSumScreen;
const QString kPickerClass = QStringLiteral("UnlockerPicker");
// The keys have all popped up well within this time.
constexpr int kKeypadReadyMs = 1200;

template<typename Screen>
void registerUnlockScreen(const QString &className)
{
    ScreenRegistry::shared().registerScreen(className, [](const AlarmPtr &alarm, bool previewMode) {
        auto *screen = new Screen;
        screen->setAlarm(alarm ? alarm : std::make_shared<Alarm>());
        screen->setPreviewMode(previewMode);
        return screen;
    });
}

// The picker as the alarm setting screen sets it up: all five games, the
// alarm's own one chosen and in view.
UnlockerPicker *makePicker(const AlarmPtr &alarm)
{
    auto *picker = new UnlockerPicker;
    picker->setUnlockers(UnlockerCatalogue::shared().all());
    const int chosen = alarm && alarm->unlocker ? alarm->unlocker->kind : 0;
    picker->setChosenUnlockerIndex(chosen);
    picker->scrollToUnlocker(chosen, false);
    return picker;
}

// A screen of a ringing alarm, presented and then won by `play`.
template<typename Screen>
ScreenshotCatalog::Recipe wonGame(const QString &className, std::function<void(Screen *)> play)
{
    return {[className, play](AppWindow &) {
                auto *screen = qobject_cast<Screen *>(
                    ScreenRegistry::shared().create(className, std::make_shared<Alarm>(), false));
                ModalLayer::shared().presentModal(screen, false, {});
                play(screen);
            },
            {}, {},
            [](AppWindow &) { return AlertQueue::shared().current() != nullptr; }};
}

// The calculation game in preview, grabbed once its keys have all popped up.
ScreenshotCatalog::Recipe calculateWithKeypad()
{
    auto screen = std::make_shared<QPointer<SumGame>>();
    return {[screen](AppWindow &) {
                *screen = qobject_cast<SumGame *>(
                    ScreenRegistry::shared().create(kCalculateClass, std::make_shared<Alarm>(), true));
                ModalLayer::shared().presentModal(*screen, false, {});
            },
            {}, {},
            [screen](AppWindow &) { return !*screen || (*screen)->buttonCountFlag() == CalculatorKeypad::kKeyCount; }};
}

void addScreenshotRecipes()
{
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(kCalculateClass, calculateWithKeypad());
    for (int page = 1; page < Unlocker::kKindCount; ++page) {
        catalog.add(QStringLiteral("%1-page-%2").arg(kPickerClass).arg(page),
                    {[page](AppWindow &) {
                         UnlockerPicker *picker = makePicker(nullptr);
                         ModalLayer::shared().presentModal(picker, false, {});
                         picker->scrollToUnlocker(page, false);
                     },
                     {}, {}, {}});
    }
    catalog.add(kTapClass + QStringLiteral("-won"), wonGame<TapGame>(
                                                         kTapClass, [](auto *screen) { screen->unlock(); }));
    catalog.add(kCalculateClass + QStringLiteral("-won"),
                wonGame<SumGame>(kCalculateClass, [](auto *screen) {
                    QTimer::singleShot(kKeypadReadyMs, screen, [screen] {
                        for (QChar digit : QString::number(screen->result()))
                            screen->pressKey(digit.digitValue());
                    });
                }));
}
} // namespace

void registerUnlockerScreens()
{
    ScreenRegistry &registry = ScreenRegistry::shared();
    if (registry.contains(kTapClass))
        return;
    registerUnlockScreen<TapGame>(kTapClass);
    registerUnlockScreen<SumGame>(kCalculateClass);
    registry.registerScreen(kPickerClass, [](const AlarmPtr &alarm, bool) { return makePicker(alarm); });
    addScreenshotRecipes();
}

// Once the application object exists (after every static of the program is
// made), so the app and the tests know these screens without their start-up
// code knowing this library.
Q_COREAPP_STARTUP_FUNCTION(registerUnlockerScreens)
