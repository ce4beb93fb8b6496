#include "unlockers/UnlockerScreens.h"

#include "alarms/UnlockerCatalogue.h"
#include "unlockers/UnlockerPicker.h"

extern void qml_register_types_Tolvek_Unlockers();

namespace {
const QString kPickerScreen = QStringLiteral("UnlockerPicker");

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
} // namespace

void registerUnlockerScreens()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Unlockers();
    ScreenRegistry::shared().registerScreen(kPickerScreen,
                                            [](const AlarmPtr &alarm, bool) { return makePicker(alarm); });
    for (int page = 1; page < Unlocker::kKindCount; ++page) {
        ScreenshotCatalog::shared().add(QStringLiteral("%1-page-%2").arg(kPickerScreen).arg(page),
                                        {[page](ScreenHost &) {
                                             UnlockerPicker *picker = makePicker(nullptr);
                                             ModalLayer::shared().presentModal(picker, false, {});
                                             picker->scrollToUnlocker(page, false);
                                         },
                                         {},
                                         {},
                                         {}});
    }
}
