#include "unlockers/games/blow/Registration.h"

#include "platform/StoredNames.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/blow/BlowGame.h"

#include <QPointer>

extern void qml_register_types_Tolvek_Games_Blow();

namespace {
// The game in preview, grabbed once the UFO is pushed 40 per cent away (while
// someone blows into the microphone) or the game has fallen back to the tap.
ScreenshotCatalog::Recipe blownRecipe()
{
    auto screen = std::make_shared<QPointer<BlowGame>>();
    return {[screen](ScreenHost &) {
                *screen = qobject_cast<BlowGame *>(
                    ScreenRegistry::shared().create(StoredNames::kBlowScreen, std::make_shared<Alarm>(), true));
                ModalLayer::shared().presentModal(*screen, false, {});
            },
            {},
            {},
            [screen](ScreenHost &) { return !*screen || (*screen)->pushLevel() >= 40 || (*screen)->usesFallback(); }};
}
} // namespace

void registerBlowGame()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    registerUnlockerScreens();
    qml_register_types_Tolvek_Games_Blow();
    registerUnlockScreen<BlowGame>(StoredNames::kBlowScreen);
    ScreenshotCatalog::shared().add(QStringLiteral("BlowGame-blown"), blownRecipe());
}
