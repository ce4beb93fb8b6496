#pragma once
#include "alarms/Alarm.h"
#include "app/ScreenRegistry.h"
#include "ui/AlertQueue.h"
#include "ui/AlertView.h"
#include "ui/ModalLayer.h"
#include "ui/ScreenshotCatalog.h"

#include <functional>

// Makes the unlock screens' QML types (module Tolvek.Unlockers) and the
// unlocker picker known, with the picker's screenshot recipes. Each game
// library registers its own screen with registerUnlockScreen(). Repeat calls
// do nothing.
void registerUnlockerScreens();

// Registers the game `Game` under the screen name stored in alarms.
template<typename Game>
void registerUnlockScreen(const QString &storedName)
{
    ScreenRegistry::shared().registerScreen(storedName, [](const AlarmPtr &alarm, bool previewMode) {
        auto *screen = new Game;
        screen->setAlarm(alarm ? alarm : std::make_shared<Alarm>());
        screen->setPreviewMode(previewMode);
        return screen;
    });
}

// A recipe for the screenshot of a ringing game of `storedName`, won by `play`
// and grabbed with its "Mission Complete" alert up.
template<typename Game>
ScreenshotCatalog::Recipe wonGameRecipe(const QString &storedName, std::function<void(Game *)> play)
{
    return {[storedName, play](ScreenHost &) {
                auto *screen = qobject_cast<Game *>(
                    ScreenRegistry::shared().create(storedName, std::make_shared<Alarm>(), false));
                ModalLayer::shared().presentModal(screen, false, {});
                play(screen);
            },
            {},
            {},
            [](ScreenHost &) { return AlertQueue::shared().current() != nullptr; }};
}
