#include "unlockers/games/sum/KeySounds.h"

#include "sound/AudioPlayer.h"
#include "sound/SoundResources.h"

#include <QHash>

namespace {
AudioPlayer *playerFor(const QString &fileName)
{
    // Made on first use and kept until the process ends (see the header).
    static QHash<QString, AudioPlayer *> players;
    AudioPlayer *player = players.value(fileName);
    if (!player) {
        const QString path = SoundResources::pathForSoundFile(fileName);
        if (path.isEmpty())
            return nullptr;
        player = new AudioPlayer(SoundResources::urlForPath(path));
        players.insert(fileName, player);
    }
    return player;
}
} // namespace

bool KeySounds::prepare(const QString &fileName) { return playerFor(fileName) != nullptr; }

bool KeySounds::play(const QString &fileName)
{
    AudioPlayer *player = playerFor(fileName);
    if (!player)
        return false;
    // From the start again: what was left of the last press is cut off.
    player->rewind();
    player->play();
    return true;
}
