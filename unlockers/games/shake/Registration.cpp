#include "unlockers/games/shake/Registration.h"

#include "platform/StoredNames.h"
#include "unlockers/UnlockerScreens.h"
#include "unlockers/games/shake/ShakeGame.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <cmath>

extern void qml_register_types_Tolvek_Games_Shake();

namespace {
// The game in preview, its gauge filled to 40 or more: by the motion sensor
// where there is one, else by drags back and forth across the screen.
ScreenshotCatalog::Recipe shakenRecipe()
{
    auto screen = std::make_shared<QPointer<ShakeGame>>();
    return {[screen](ScreenHost &) {
                auto *game = qobject_cast<ShakeGame *>(
                    ScreenRegistry::shared().create(StoredNames::kShakeScreen, std::make_shared<Alarm>(), true));
                *screen = game;
                ModalLayer::shared().presentModal(game, false, {});
                auto *hand = new QTimer(game);
                auto clock = std::make_shared<QElapsedTimer>();
                clock->start();
                QObject::connect(hand, &QTimer::timeout, game, [game, clock] {
                    game->dragMoved(160 + 40 * std::sin(2 * M_PI * 2.5 * clock->elapsed() / 1000.0), 300);
                });
                hand->start(15);
            },
            {},
            {},
            [screen](ScreenHost &) { return !*screen || (*screen)->gaugeLevel() >= 40; }};
}
} // namespace

void registerShakeGame()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    registerUnlockerScreens();
    qml_register_types_Tolvek_Games_Shake();
    registerUnlockScreen<ShakeGame>(StoredNames::kShakeScreen);
    ScreenshotCatalog::shared().add(QStringLiteral("ShakeGame-shaken"), shakenRecipe());
}
