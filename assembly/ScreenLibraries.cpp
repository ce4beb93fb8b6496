#include "assembly/ScreenLibraries.h"

#include "home/HomeScreens.h"
#include "editor/EditorScreens.h"
#include "menu/MenuScreens.h"
#include "skins/SkinScreens.h"
#include "themes/Themes.h"
#include "ui/UiSetup.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/blow/Registration.h"
#include "unlockers/games/shake/Registration.h"
#include "unlockers/games/smile/Registration.h"
#include "unlockers/games/sum/Registration.h"
#include "unlockers/games/tap/Registration.h"

void registerScreenLibraries()
{
    UiSetup::initialize();
    registerThemes();
    registerUnlockerScreens();
    registerTapGame();
    registerSumGame();
    registerSmileGame();
    registerShakeGame();
    registerBlowGame();
    registerSkinScreens();
    registerHomeScreen();
    registerMenuScreens();
    registerEditorScreens();
}
