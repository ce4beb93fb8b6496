// Everything with the audio server out of reach (PULSE_SERVER points nowhere,
// see CMakeLists.txt): silence, no callbacks, no hang, one clear log line, and
// a volume kept inside the app.
#include "MuteListener.h"
#include "platform/Broadcaster.h"
#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"
#include "sound/MediaVolume.h"
#include "sound/MuteProbe.h"
#include "sound/EffectPlayer.h"
#include "sound/RingPlayer.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
int serverWarnings = 0;
QtMessageHandler previousHandler = nullptr;

void countServerWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("No audio server")))
        ++serverWarnings;
    previousHandler(type, context, message);
}

class NoServerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("PULSE_SERVER"));
        previousHandler = qInstallMessageHandler(countServerWarnings);
    }

    // Said once however often the server is needed; no route to tell, none to switch to.
    void theMissingServerIsLoggedOnceAndThereIsNoRoute()
    {
        QVERIFY(!MediaVolume::shared().hasAudioServer());
        QCOMPARE(AudioSession::shared().currentRouteName(), QString());
        QVERIFY(!AudioSession::shared().overrideOutputAudioPortToSpeaker(true));
        RingPlayer::shared()->play(QStringLiteral("Airship.mp3"));
        MediaVolume::shared().refresh();
        QCOMPARE(serverWarnings, 1);
    }

    void playersStaySilentAndCallNothing()
    {
        RingPlayer *sound = RingPlayer::shared();
        int completions = 0;
        sound->play(QStringLiteral("button click.mp3"), false, [&] { ++completions; });
        EffectPlayer::shared()->play(QStringLiteral("Tolvek Launch.mp3"));
        // Unplayable: the ring player lets go of its player, the effect player's fails.
        QTRY_VERIFY_WITH_TIMEOUT(
            !sound->audioPlayer()
                && (!EffectPlayer::shared()->audioPlayer() || EffectPlayer::shared()->audioPlayer()->hasFailed()),
            5000);
        QCOMPARE(completions, 0);
        QVERIFY(!sound->playing());
        QVERIFY(!EffectPlayer::shared()->playing());
        EffectPlayer::shared()->stop();

        // The unlock screen's fade-out still ends, so a won game can close.
        int fades = 0;
        sound->setFadeCompletion([&] { ++fades; });
        sound->fadeOutOver(0.5f);
        QTRY_COMPARE_WITH_TIMEOUT(fades, 1, 2000);
    }

    void volumeIsKeptInsideTheApp()
    {
        MediaVolume &volume = MediaVolume::shared();
        QList<QVariant> broadcasts;
        QObject observer;
        Broadcaster::shared().addObserver(&observer, kMediaVolumeDidChangeNotification,
                                          [&](const QVariant &v) { broadcasts << v; });
        QSignalSpy gain(&volume, &MediaVolume::playerGainChanged);
        volume.setVolume(0.3f);
        volume.setVolume(0.3f);
        QCOMPARE(volume.volume(), 0.3f);
        QCOMPARE(broadcasts.size(), 1);
        QCOMPARE(broadcasts.first().toFloat(), 0.3f);
        // The players apply it themselves.
        QCOMPARE(volume.playerGain(), 0.3f);
        volume.setMuted(true);
        QCOMPARE(volume.playerGain(), 0.0f);
        volume.setMuted(false);
        QCOMPARE(volume.playerGain(), 0.3f);
        QCOMPARE(gain.size(), 3);
        volume.setVolume(1.0f);
    }

    void muteProbeHearsNothingSoAnswersMuted()
    {
        MuteListener listener;
        MuteProbe::shared()->setDelegate(&listener);
        MuteProbe::shared()->detect();
        QTRY_COMPARE_WITH_TIMEOUT(listener.answers.size(), 1, 3000);
        QCOMPARE(listener.answers.first(), true);
        MuteProbe::shared()->setDelegate(nullptr);
    }

    void cleanupTestCase() { QCOMPARE(serverWarnings, 1); }
};
} // namespace

QTEST_GUILESS_MAIN(NoServerTest)
#include "tst_noserver.moc"
