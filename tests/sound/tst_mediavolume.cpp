// Media volume, mute, route, the mute probe, the effect player and the ring's
// volume guard against the real PulseAudio server of the test script (null
// sink). Changes are made both through our classes and from outside with
// pactl, as another app would.
#include "MuteListener.h"
#include "platform/Broadcaster.h"
#include "sound/AudioPlayer.h"
#include "sound/AudioServer.h"
#include "sound/AudioSession.h"
#include "sound/EffectPlayer.h"
#include "sound/MediaVolume.h"
#include "sound/MuteProbe.h"
#include "sound/RingVolumeGuard.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Runs pactl with space-separated `arguments`, e.g. "get-sink-mute @DEFAULT_SINK@".
QString pactl(const QString &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments.split(' '));
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

class MediaVolumeTest : public QObject
{
    Q_OBJECT

    MediaVolume &volume = MediaVolume::shared();

private Q_SLOTS:
    void initTestCase()
    {
        if (!volume.hasAudioServer())
            QSKIP("no PulseAudio server: run through scripts/run-tests.sh, which starts one with a null sink");
    }

    void init()
    {
        volume.setMuted(false);
        volume.setVolume(1.0f);
    }

    void setVolumeReachesTheSinkAndIsBroadcast_data()
    {
        QTest::addColumn<float>("requested");
        QTest::addColumn<float>("expected");
        QTest::addColumn<QString>("pactlShows");
        QTest::newRow("half") << 0.5f << 0.5f << QStringLiteral("/  50% /");
        QTest::newRow("above full") << 1.7f << 1.0f << QStringLiteral("/ 100% /");
        QTest::newRow("below zero") << -0.3f << 0.0f << QStringLiteral("/   0% /");
    }
    void setVolumeReachesTheSinkAndIsBroadcast()
    {
        QFETCH(float, requested);
        QFETCH(float, expected);
        QFETCH(QString, pactlShows);
        volume.setVolume(0.8f);
        QList<QVariant> broadcasts;
        QObject observer;
        Broadcaster::shared().addObserver(&observer, kMediaVolumeDidChangeNotification,
                                          [&](const QVariant &v) { broadcasts << v; });
        volume.setVolume(requested);
        QVERIFY(qAbs(volume.volume() - expected) < 0.001f);
        QVERIFY(pactl("get-sink-volume @DEFAULT_SINK@").contains(pactlShows));
        QCOMPARE(broadcasts.size(), 1);
        QVERIFY(qAbs(broadcasts.first().toFloat() - expected) < 0.001f);
        QCOMPARE(volume.playerGain(), 1.0f); // the server applies the volume
    }

    void muteReachesTheSinkAndChangesFromOutsideAreReportedOnce()
    {
        volume.setMuted(true);
        QVERIFY(volume.isMuted());
        QCOMPARE(pactl("get-sink-mute @DEFAULT_SINK@"), "Mute: yes");
        volume.setMuted(false);
        QCOMPARE(pactl("get-sink-mute @DEFAULT_SINK@"), "Mute: no");

        QSignalSpy changed(&volume, &MediaVolume::volumeChanged);
        QSignalSpy mutedChanged(&volume, &MediaVolume::mutedChanged);
        pactl("set-sink-volume @DEFAULT_SINK@ 25%");
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 3000);
        QVERIFY(qAbs(changed.first().first().toFloat() - 0.25f) < 0.001f);
        pactl("set-sink-mute @DEFAULT_SINK@ 1");
        QTRY_VERIFY_WITH_TIMEOUT(volume.isMuted(), 3000);
        QCOMPARE(mutedChanged.size(), 1);
        QVERIFY(!changed.wait(300)); // muting is no volume change
        QCOMPARE(changed.size(), 1);
    }

    void routeIsTheDefaultSinksOutput()
    {
        const QString description = AudioServer::shared().sink().description;
        QVERIFY(!description.isEmpty());
        QVERIFY(pactl("list sinks").contains(description));
        // The null sink has no ports: its description is the route, and no "Head…".
        QCOMPARE(AudioSession::shared().currentRouteName(), description);
        QVERIFY(!description.contains(QStringLiteral("Head")));
        // Nothing to switch to: the override refuses and changes nothing.
        QVERIFY(!AudioSession::shared().overrideOutputAudioPortToSpeaker(true));
        QVERIFY(!AudioSession::shared().overrideOutputAudioPortToSpeaker(false));
        QCOMPARE(AudioSession::shared().currentRouteName(), description);
    }

    // One answer per detection (muted and not, as the blow game meets them:
    // tst_blowgame); with a delegate that cannot hear the answer, the probe
    // keeps its last result.
    void muteProbe()
    {
        MuteListener listener;
        MuteProbe *probe = MuteProbe::shared();
        probe->setDelegate(&listener);
        probe->detect();
        QTRY_COMPARE_WITH_TIMEOUT(listener.answers.size(), 1, 5000);
        QCOMPARE(listener.answers.first(), false);
        QVERIFY(!probe->isMuted());
        QVERIFY(probe->soundDuration() >= 0.01f);
        QVERIFY(!probe->isDetecting());
        QCOMPARE(listener.answers.size(), 1);

        pactl("set-sink-mute @DEFAULT_SINK@ 1"); // from outside, the way the desktop's mute does it
        QObject deaf;                            // has no isMuted(bool)
        probe->setDelegate(&deaf);
        probe->detect();
        QTRY_VERIFY_WITH_TIMEOUT(!probe->isDetecting(), 5000);
        QVERIFY(!probe->isMuted());
        probe->setDelegate(nullptr);
    }

    void effectPlayerAppliesRateAndVolumeOnlyWhilePlaying()
    {
        EffectPlayer *effects = EffectPlayer::shared();
        effects->setVolume(0.3f);
        effects->setRate(1.5f);
        QVERIFY(!effects->playing());

        effects->play(QStringLiteral("Tolvek Launch.mp3"));
        AudioPlayer *player = effects->audioPlayer();
        QVERIFY(player);
        QCOMPARE(player->volume(), 1.0f);
        QCOMPARE(player->rate(), 1.0f);
        QVERIFY(player->isLooping());
        QTRY_VERIFY_WITH_TIMEOUT(effects->playing(), 3000);
        effects->setVolume(0.6f);
        effects->setRate(1.2f);
        QCOMPARE(player->volume(), 0.6f);
        QCOMPARE(player->rate(), 1.2f);
        // Past its end it starts again from the top.
        qint64 furthest = 0;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const qint64 at = player->position();
                const bool wrapped = at + 500 < furthest;
                furthest = std::max(furthest, at);
                return wrapped;
            }(),
            10000);
        QVERIFY(effects->playing());

        effects->stop();
        QVERIFY(!effects->playing());
        effects->setVolume(0.2f);
        QCOMPARE(player->volume(), 0.6f);
        // A name that is no sound changes nothing.
        effects->play(QStringLiteral("RandomSound"));
        QCOMPARE(effects->audioPlayer(), player);
        QVERIFY(!effects->playing());
    }

    // A real alarm must be heard: a muted or nearly silent output is turned up
    // while it rings, then put back, unless the user set a volume meanwhile.
    void ringTurnsUpAMutedOrSilentOutput_data()
    {
        QTest::addColumn<bool>("muted");
        QTest::addColumn<float>("level");
        QTest::addColumn<bool>("turnedUp");
        QTest::addColumn<float>("userSets"); // while it rings; below 0: nothing
        QTest::newRow("muted") << true << 0.8f << true << -1.0f;
        QTest::newRow("muted and silent") << true << 0.0f << true << -1.0f;
        QTest::newRow("nearly silent") << false << 0.1f << true << -1.0f;
        QTest::newRow("audible") << false << 0.7f << false << -1.0f;
        QTest::newRow("the user sets a volume while it rings") << false << 0.1f << true << 0.9f;
    }
    void ringTurnsUpAMutedOrSilentOutput()
    {
        QFETCH(bool, muted);
        QFETCH(float, level);
        QFETCH(bool, turnedUp);
        QFETCH(float, userSets);
        volume.setVolume(level);
        volume.setMuted(muted);
        {
            RingVolumeGuard guard;
            guard.engage();
            QCOMPARE(guard.engaged(), turnedUp);
            QVERIFY(!volume.isMuted());
            QCOMPARE(pactl("get-sink-mute @DEFAULT_SINK@"), "Mute: no");
            QVERIFY(volume.volume() >= std::max(level, RingVolumeGuard::kMinimumRingVolume) - 0.001f);
            if (userSets >= 0)
                volume.setVolume(userSets);
        }
        QCOMPARE(volume.isMuted(), muted);
        QVERIFY(qAbs(volume.volume() - (userSets >= 0 ? userSets : level)) < 0.01f);
    }

    void cleanupTestCase() { init(); }
};
} // namespace

QTEST_GUILESS_MAIN(MediaVolumeTest)
#include "tst_mediavolume.moc"
