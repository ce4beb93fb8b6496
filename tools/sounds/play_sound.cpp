// tolvek-play-sound "Airship.mp3" [--loop SECONDS]
// Plays one of the app's sounds through RingPlayer (the ring player, with
// its fade-in), to the end, or looped for SECONDS and then faded out.
#include "sound/SoundResources.h"
#include "sound/RingPlayer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays one of Tolvek Alarm's sounds, e.g. \"Airship.mp3\"."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("sound file name with its type"));
    QCommandLineOption loop(QStringLiteral("loop"), QStringLiteral("loop for <seconds>, then fade out"),
                            QStringLiteral("seconds"));
    parser.addOption(loop);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QString file = parser.positionalArguments().first();
    if (SoundResources::pathForSoundFile(file).isEmpty()) {
        std::fprintf(stderr, "tolvek-play-sound: \"%s\" is not one of the app's sounds\n", qPrintable(file));
        return 1;
    }
    RingPlayer *sound = RingPlayer::shared();
    if (parser.isSet(loop)) {
        sound->play(file, true);
        QTimer::singleShot(int(parser.value(loop).toDouble() * 1000), [sound] {
            sound->setFadeCompletion([] { QCoreApplication::quit(); });
            sound->fadeOut();
        });
    } else {
        sound->play(file, false, [] { QCoreApplication::quit(); });
    }
    // A file that cannot be played calls nothing back: give up after a while.
    QTimer::singleShot(5000, [sound] {
        if (!sound->playing()) {
            std::fprintf(stderr, "tolvek-play-sound: nothing plays (no audio server, or an unplayable file)\n");
            QCoreApplication::exit(1);
        }
    });
    return app.exec();
}
