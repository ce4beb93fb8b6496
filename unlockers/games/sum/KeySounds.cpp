#include "unlockers/games/sum/KeySounds.h"

#include "sound/AudioPlayer.h"
#include "sound/SoundResources.h"

#include <QHash>

bool KeySounds::play(const QString &fileName)
{
    // Made on first use and kept until the process ends (see the header).
    static QHash<QString, AudioPlayer *> players;
    AudioPlayer *player = players.value(fileName);
    if (!player) {
        const QString path = SoundResources::pathForSoundFile(fileName);
        if (path.isEmpty())
            return false;
        player = new AudioPlayer(SoundResources::urlForPath(path));
        players.insert(fileName, player);
    }
    // From the start again, without stopping first: a stop waits for the
    // decoder and would hold up every key press.
    player->rewind();
    player->play();
    return true;
}
