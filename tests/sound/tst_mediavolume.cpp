// Media volume, mute, route, the mute probe and the enhanced player against
// the real PulseAudio server of the test script (null sink). Changes are made
// both through our classes and from outside with pactl, as another app would.
#include "MuteListener.h"
#include "platform/Broadcaster.h"
#include "sound/AudioPlayer.h"
#include "sound/AudioServer.h"
#include "sound/AudioSession.h"
#include "sound/MediaVolume.h"
#include "sound/MuteProbe.h"
#include "sound/RingVolumeGuard.h"
#include "sound/EffectPlayer.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString pactl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
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
        QTest::newRow("half") << 0.5f << 0.5f << QStringLiteral("50%");
        QTest::newRow("above full") << 1.7f << 1.0f << QStringLiteral("100%");
        QTest::newRow("below zero") << -0.3f << 0.0f << QStringLiteral("0%");
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
        QVERIFY(pactl({QStringLiteral("get-sink-volume"), QStringLiteral("@DEFAULT_SINK@")})
                    .contains(QStringLiteral("/ ") + pactlShows.rightJustified(4) + QStringLiteral(" /")));
        QCOMPARE(broadcasts.size(), 1);
        QVERIFY(qAbs(broadcasts.first().toFloat() - expected) < 0.001f);
        QCOMPARE(volume.playerGain(), 1.0f); // the server applies the volume
    }

    void changesFromOutsideAreReportedOnce()
    {
        QSignalSpy changed(&volume, &MediaVolume::volumeChanged);
        QSignalSpy mutedChanged(&volume, &MediaVolume::mutedChanged);
        pactl({QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"), QStringLiteral("25%")});
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 3000);
        QVERIFY(qAbs(changed.first().first().toFloat() - 0.25f) < 0.001f);
        pactl({QStringLiteral("set-sink-mute"), QStringLiteral("@DEFAULT_SINK@"), QStringLiteral("1")});
        QTRY_VERIFY_WITH_TIMEOUT(volume.isMuted(), 3000);
        QCOMPARE(mutedChanged.size(), 1);
        QVERIFY(!changed.wait(300)); // muting is no volume change
        QCOMPARE(changed.size(), 1);
    }

    void setMutedMutesTheSink()
    {
        volume.setMuted(true);
        QVERIFY(volume.isMuted());
        QCOMPARE(pactl({QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")}),
                 QStringLiteral("Mute: yes"));
        volume.setMuted(false);
        QCOMPARE(pactl({QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")}),
                 QStringLiteral("Mute: no"));
    }

    void routeIsTheDefaultSinksOutput()
    {
        const QString description = AudioServer::shared().sink().description;
        QVERIFY(!description.isEmpty());
        QVERIFY(pactl({QStringLiteral("list"), QStringLiteral("sinks")}).contains(description));
        // The null sink has no ports: its description is the route, and no "Head…".
        QCOMPARE(AudioSession::shared().currentRouteName(), description);
        QVERIFY(!AudioSession::shared().currentRouteName().contains(QStringLiteral("Head")));
        // Nothing to switch to: the override refuses and changes nothing.
        QVERIFY(!AudioSession::shared().overrideOutputAudioPortToSpeaker(true));
        QVERIFY(!AudioSession::shared().overrideOutputAudioPortToSpeaker(false));
        QCOMPARE(AudioSession::shared().currentRouteName(), description);
    }

    void muteProbe_data()
    {
        QTest::addColumn<bool>("sinkMuted");
        QTest::newRow("sink playing") << false;
        QTest::newRow("sink muted") << true;
    }
    void muteProbe()
    {
        QFETCH(bool, sinkMuted);
        // Muted from outside, the way the desktop's mute would do it.
        pactl({QStringLiteral("set-sink-mute"), QStringLiteral("@DEFAULT_SINK@"), sinkMuted ? "1" : "0"});
        MuteListener listener;
        MuteProbe *probe = MuteProbe::shared();
        probe->setDelegate(&listener);
        probe->detect();
        QTRY_COMPARE_WITH_TIMEOUT(listener.answers.size(), 1, 5000);
        QCOMPARE(listener.answers.first(), sinkMuted);
        QCOMPARE(probe->isMuted(), sinkMuted);
        if (!sinkMuted)
            QVERIFY(probe->soundDuration() >= 0.01f);
        QVERIFY(!probe->isDetecting());
        QCOMPARE(listener.answers.size(), 1);
        probe->setDelegate(nullptr);
    }

    void probeWithoutAListeningDelegateKeepsTheLastResult()
    {
        MuteListener listener;
        MuteProbe *probe = MuteProbe::shared();
        volume.setMuted(true);
        probe->setDelegate(&listener);
        probe->detect();
        QTRY_COMPARE_WITH_TIMEOUT(listener.answers.size(), 1, 5000);
        QVERIFY(probe->isMuted());

        volume.setMuted(false);
        QObject deaf; // has no isMuted(bool)
        probe->setDelegate(&deaf);
        probe->detect();
        QTRY_VERIFY_WITH_TIMEOUT(!probe->isDetecting(), 5000);
        QVERIFY(probe->isMuted());
        probe->setDelegate(nullptr);
    }

    void enhancedPlayerAppliesRateAndVolumeOnlyWhilePlaying()
    {
        EffectPlayer *enhanced = EffectPlayer::shared();
        enhanced->setVolume(0.3f);
        enhanced->setRate(1.5f);
        QCOMPARE(enhanced->volume(), 0.3f);
        QVERIFY(!enhanced->playing());

        enhanced->play(QStringLiteral("Tolvek Launch.mp3"));
        QVERIFY(enhanced->audioPlayer());
        QCOMPARE(enhanced->audioPlayer()->volume(), 1.0f);
        QCOMPARE(enhanced->audioPlayer()->rate(), 1.0f);
        QVERIFY(enhanced->audioPlayer()->isLooping());
        QTRY_VERIFY_WITH_TIMEOUT(enhanced->playing(), 3000);

        enhanced->setVolume(0.6f);
        enhanced->setRate(1.2f);
        QCOMPARE(enhanced->audioPlayer()->volume(), 0.6f);
        QCOMPARE(enhanced->audioPlayer()->rate(), 1.2f);
        // Past its end it starts again from the top.
        qint64 furthest = 0;
        QTRY_VERIFY_WITH_TIMEOUT([&] {
            const qint64 at = enhanced->audioPlayer()->position();
            const bool wrapped = at + 500 < furthest;
            furthest = std::max(furthest, at);
            return wrapped;
        }(), 10000);
        QVERIFY(enhanced->playing());

        enhanced->stop();
        QVERIFY(!enhanced->playing());
        enhanced->setVolume(0.2f);
        QCOMPARE(enhanced->audioPlayer()->volume(), 0.6f);

        AudioPlayer *before = enhanced->audioPlayer();
        enhanced->play(QStringLiteral("RandomSound"));
        QCOMPARE(enhanced->audioPlayer(), before);
        QVERIFY(!enhanced->playing());
    }

    void ringIsHeardOnAMutedOrSilentOutput_data()
    {
        QTest::addColumn<bool>("muted");
        QTest::addColumn<float>("level");
        QTest::newRow("muted") << true << 0.8f;
        QTest::newRow("muted and silent") << true << 0.0f;
    }
    void ringIsHeardOnAMutedOrSilentOutput()
    {
        QFETCH(bool, muted);
        QFETCH(float, level);
        volume.setVolume(level);
        volume.setMuted(muted);
        {
            RingVolumeGuard guard;
            guard.engage();
            QVERIFY(guard.engaged());
            QVERIFY(!volume.isMuted());
            QVERIFY(volume.volume() >= RingVolumeGuard::kMinimumRingVolume - 0.001f);
            QVERIFY(!pactl({QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")}).contains("yes"));
        }
        // Put back as it was once the ring is over.
        QCOMPARE(volume.isMuted(), muted);
        QVERIFY(qAbs(volume.volume() - level) < 0.01f);
    }

    void ringLeavesAnAudibleOutputAndTheUsersChangeAlone()
    {
        volume.setVolume(0.7f);
        RingVolumeGuard audible;
        audible.engage();
        QVERIFY(!audible.engaged());
        QVERIFY(qAbs(volume.volume() - 0.7f) < 0.01f);

        volume.setVolume(0.1f);
        RingVolumeGuard guard;
        guard.engage();
        volume.setVolume(0.9f); // the user turns it up while it rings
        guard.release();
        QVERIFY(qAbs(volume.volume() - 0.9f) < 0.01f);
    }

    void cleanupTestCase()
    {
        volume.setMuted(false);
        volume.setVolume(1.0f);
    }
};
} // namespace

QTEST_GUILESS_MAIN(MediaVolumeTest)
#include "tst_mediavolume.moc"
