#include "unlockers/games/sum/Registration.h"

#include "platform/StoredNames.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/sum/CalculatorKeypad.h"
#include "unlockers/games/sum/SumGame.h"

#include <QPointer>
#include <QTimer>

extern void qml_register_types_Tolvek_Games_Sum();

namespace {
// The keys have all popped up well within this time.
constexpr int kKeypadReadyMs = 1200;

// The game in preview, grabbed once its keys have all popped up.
ScreenshotCatalog::Recipe keypadRecipe()
{
    auto game = std::make_shared<QPointer<SumGame>>();
    return {[game](ScreenHost &) {
                *game = qobject_cast<SumGame *>(
                    ScreenRegistry::shared().create(StoredNames::kSumScreen, std::make_shared<Alarm>(), true));
                ModalLayer::shared().presentModal(*game, false, {});
            },
            {},
            {},
            [game](ScreenHost &) { return !*game || (*game)->shownKeyCount() == CalculatorKeypad::kKeyCount; }};
}
} // namespace

void registerSumGame()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    registerUnlockerScreens();
    qml_register_types_Tolvek_Games_Sum();
    registerUnlockScreen<SumGame>(StoredNames::kSumScreen);
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("SumGame"), keypadRecipe());
    catalog.add(QStringLiteral("SumGame-won"), wonGameRecipe<SumGame>(StoredNames::kSumScreen, [](SumGame *game) {
                    QTimer::singleShot(kKeypadReadyMs, game, [game] {
                        for (QChar digit : QString::number(game->result()))
                            game->pressKey(digit.digitValue());
                    });
                }));
}
