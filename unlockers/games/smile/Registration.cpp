#include "unlockers/games/smile/Registration.h"

#include "platform/StoredNames.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/smile/SmileGame.h"
#include "unlockers/games/sum/Registration.h"

extern void qml_register_types_Tolvek_Games_Smile();

void registerSmileGame()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    registerSumGame(); // the fallback's challenge and its view
    qml_register_types_Tolvek_Games_Smile();
    registerUnlockScreen<SmileGame>(StoredNames::kSmileScreen);
}
