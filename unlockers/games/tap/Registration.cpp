#include "unlockers/games/tap/Registration.h"

#include "platform/StoredNames.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/tap/TapGame.h"

extern void qml_register_types_Tolvek_Games_Tap();

void registerTapGame()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    registerUnlockerScreens();
    qml_register_types_Tolvek_Games_Tap();
    registerUnlockScreen<TapGame>(StoredNames::kTapScreen);
    ScreenshotCatalog::shared().add(
        QStringLiteral("TapGame-won"),
        wonGameRecipe<TapGame>(StoredNames::kTapScreen, [](TapGame *game) { game->unlock(); }));
}
