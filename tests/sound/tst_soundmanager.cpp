// The ring player and its sound player on the real pipeline: files decoded
// to PCM, played through the PulseAudio server the test script starts (null
// sink), checked at the sink's monitor.
#include "SinkMonitor.h"
#include "sound/AudioPlayer.h"
#include "sound/MediaVolume.h"
#include "sound/SoundResources.h"
#include "sound/RingPlayer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr double kAudible = 0.01; // -40 dBFS
constexpr int kAirshipMs = 16900;

class SoundManagerTest : public QObject
{
    Q_OBJECT

    RingPlayer *sound = RingPlayer::shared();
    QTemporaryDir extraSounds; // holds a corrupt and an empty "MP3"
    int fades_ = 0;            // fade-outs completed in this test
    int completions_ = 0;      // plays completed in this test

    // Plays a looped ring and waits until its fade-in reached full volume.
    AudioPlayer *playAtFullVolume(const QString &file)
    {
        sound->play(file, true);
        AudioPlayer *player = sound->audioPlayer();
        if (!player || !QTest::qWaitFor([player] { return player->volume() == 1.0f; }, 5000))
            return nullptr;
        return player;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!MediaVolume::shared().hasAudioServer())
            QSKIP("no PulseAudio server: run through scripts/run-tests.sh, which starts one with a null sink");
        MediaVolume::shared().setMuted(false);
        MediaVolume::shared().setVolume(1.0f);

        QByteArray noise(64 * 1024, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + (i >> 3) * 104729) & 0xff);
        for (const auto &[name, bytes] : {std::pair{"Corrupt.mp3", noise}, std::pair{"Empty.mp3", QByteArray()}}) {
            QFile file(extraSounds.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        SoundResources::addSearchDirectory(extraSounds.path());
    }

    void init()
    {
        fades_ = completions_ = 0;
        sound->setFadeCompletion([this] { ++fades_; });
    }
    void cleanup()
    {
        sound->setFadeCompletion(nullptr);
        sound->stop();
    }

    void loopedRingKeepsPlayingPastItsLengthAndReachesTheSink()
    {
        SinkMonitor monitor;
        QVERIFY(monitor.isRecording());
        const qint64 startedAt = monitor.nowMs();
        sound->play(QStringLiteral("Airship.mp3"), true, [this] { ++completions_; });
        QVERIFY(sound->playing());
        // Sound after the end of the first pass: the loop went on.
        const qint64 secondPass = startedAt + kAirshipMs + 500;
        QTRY_VERIFY_WITH_TIMEOUT(monitor.firstLouderThan(kAudible, secondPass) >= 0, kAirshipMs + 20000);
        QVERIFY(sound->playing());
        // The app too busy to feed the output for longer than it holds: the ring comes back.
        QTest::qSleep(500);
        const qint64 busyEnded = monitor.nowMs();
        QTRY_VERIFY_WITH_TIMEOUT(monitor.firstLouderThan(kAudible, busyEnded + 300) >= 0, 5000);
        // The server drops the stream (as when it restarts): the ring comes back too.
        const QStringList inputs = SinkMonitor::playingInputsOfThisProcess();
        QCOMPARE(inputs.size(), 1);
        QCOMPARE(QProcess::execute(QStringLiteral("pacmd"), {QStringLiteral("kill-sink-input"), inputs.first()}), 0);
        const qint64 droppedAt = monitor.nowMs();
        QTRY_VERIFY_WITH_TIMEOUT(monitor.firstLouderThan(kAudible, droppedAt + 300) >= 0, 5000);
        QVERIFY(sound->playing());
        QCOMPARE(completions_, 0);
        QVERIFY(SinkMonitor::thisProcessIsPlaying());
        sound->stop();
        QVERIFY(!sound->playing());
        QTRY_VERIFY_WITH_TIMEOUT(!SinkMonitor::thisProcessIsPlaying(), 2000);
    }

    // The completion may start the next sound (as the win's jingle does); by
    // the end of that one the first completion has still run once only.
    void playedOnceRunsItsCompletionExactlyOnce()
    {
        int completions = 0, clicks = 0;
        sound->play(QStringLiteral("Alarm Close.mp3"), false, [&] {
            ++completions;
            sound->play(QStringLiteral("button click.mp3"), false, [&] { ++clicks; });
        });
        QTRY_COMPARE_WITH_TIMEOUT(clicks, 1, 15000);
        QCOMPARE(completions, 1);
        QVERIFY(!sound->playing());
        QVERIFY(!sound->playCompletion());
    }

    // In from a tenth to full by 0.05; out by 0.1 to stopped, rewound and at full volume for the next time.
    void fadesInAndOutBySteps()
    {
        sound->play(QStringLiteral("Stars.mp3"), true);
        AudioPlayer *player = sound->audioPlayer();
        QVERIFY(player);
        QCOMPARE(player->volume(), 0.15f); // started at 0.1, first step at once
        QSignalSpy steps(player, &AudioPlayer::volumeChanged);
        QTRY_COMPARE_WITH_TIMEOUT(player->volume(), 1.0f, 5000);
        QVERIFY(steps.size() >= 17 && steps.size() <= 18); // gradually, never at once

        QTRY_VERIFY(player->position() > 0);
        steps.clear();
        sound->fadeOut();
        QVERIFY(sound->isFadingOut());
        QTRY_COMPARE_WITH_TIMEOUT(fades_, 1, 3000);
        QVERIFY(!sound->isFadingOut());
        QVERIFY(!sound->playing());
        QTRY_VERIFY_WITH_TIMEOUT(!SinkMonitor::thisProcessIsPlaying(), 2000);
        QCOMPARE(player->position(), 0);
        QCOMPARE(player->volume(), 1.0f);
        QVERIFY(steps.size() >= 9 && steps.size() <= 11); // 0.9 … 0.1 (or just below), then 1.0

        // Fading the stopped sound again runs no second completion.
        sound->fadeOut();
        QTRY_VERIFY_WITH_TIMEOUT(!sound->isFadingOut(), 3000);
        QCOMPARE(fades_, 1);
        QVERIFY(!sound->playing());
    }

    // A ring at a tenth of its volume is the failure this guards against.
    void playDuringFadeOutFadesTheNewSoundInToFullVolume()
    {
        AudioPlayer *first = playAtFullVolume(QStringLiteral("Wormhole.mp3"));
        QVERIFY(first);
        sound->fadeOut();
        QTRY_VERIFY(first->volume() < 0.9f);
        QVERIFY(sound->isFadingOut());
        QPointer<AudioPlayer> abandoned = first;
        QSignalSpy abandonedSteps(first, &AudioPlayer::volumeChanged);

        sound->play(QStringLiteral("UFO.mp3"), true);
        AudioPlayer *second = sound->audioPlayer();
        QVERIFY(second && second != first);
        QVERIFY(!sound->isFadingOut());
        QTRY_COMPARE_WITH_TIMEOUT(second->volume(), 1.0f, 5000);
        QSignalSpy secondSteps(second, &AudioPlayer::volumeChanged);
        QVERIFY(!secondSteps.wait(300)); // no leftover step of the old fade
        QCOMPARE(second->volume(), 1.0f);
        QVERIFY(sound->playing());
        QCOMPARE(fades_, 0);
        QVERIFY(abandoned.isNull() || abandonedSteps.isEmpty());

        // The new sound still fades out normally afterwards.
        sound->fadeOut();
        QTRY_COMPARE_WITH_TIMEOUT(fades_, 1, 3000);
        QVERIFY(!sound->playing());
    }

    void stopIsImmediateAndSilent()
    {
        sound->play(QStringLiteral("Time Machine.mp3"), false, [this] { ++completions_; });
        QSignalSpy finished(sound->audioPlayer(), &AudioPlayer::finished);
        QTRY_VERIFY(sound->audioPlayer()->position() > 0);
        sound->stop();
        QVERIFY(!sound->playing());
        QTRY_VERIFY_WITH_TIMEOUT(!SinkMonitor::thisProcessIsPlaying(), 2000);
        QVERIFY(!finished.wait(500));
        QCOMPARE(completions_, 0);
    }

    // Shorter than the output's buffer, and played twice: heard, and finished once each time.
    void aShortSoundIsHeardAndFinishesOnceEachTime()
    {
        SinkMonitor monitor;
        QVERIFY(monitor.isRecording());
        AudioPlayer click(
            SoundResources::urlForPath(SoundResources::pathForSoundFile(QStringLiteral("button click.mp3"))));
        QSignalSpy finished(&click, &AudioPlayer::finished);
        for (int time = 1; time <= 2; ++time) {
            const qint64 requestedAt = monitor.nowMs();
            click.play();
            QVERIFY(finished.wait(3000));
            QCOMPARE(finished.size(), time);
            QVERIFY(!click.isPlaying());
            QTRY_VERIFY(monitor.firstLouderThan(kAudible, requestedAt) >= 0);
        }
        QVERIFY(!finished.wait(500));
        QCOMPARE(finished.size(), 2);
    }

    // Names the lookup refuses (see the sound-file tests) play nothing at
    // once; missing, corrupt and empty files fail once however often asked
    // and leave no player behind. Nothing is heard or called either way, and a
    // fade-out (a won game's) completes at once.
    void unplayableSoundsPlayNothingAndCallNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("random marker") << QStringLiteral("RandomSound");
        QTest::newRow("unknown, missing") << QStringLiteral("Nonexistent Sound.mp3");
        QTest::newRow("corrupt file") << QStringLiteral("Corrupt.mp3");
        QTest::newRow("empty file") << QStringLiteral("Empty.mp3");
    }
    void unplayableSoundsPlayNothingAndCallNothing()
    {
        QFETCH(QString, fileName);
        sound->play(fileName, false, [this] { ++completions_; });
        QTRY_VERIFY_WITH_TIMEOUT(!sound->audioPlayer(), 5000);
        QVERIFY(!sound->playing());
        sound->fadeOut();
        QCOMPARE(fades_, 1);

        AudioPlayer player(QUrl::fromLocalFile(extraSounds.filePath(fileName)));
        QSignalSpy failed(&player, &AudioPlayer::failed);
        QSignalSpy finished(&player, &AudioPlayer::finished);
        player.setLooping(true);
        player.play();
        QVERIFY(failed.wait(5000));
        QVERIFY(player.hasFailed());
        player.play();
        QVERIFY(!player.isPlaying());
        QVERIFY(!failed.wait(500));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(completions_, 0);
        QVERIFY(!SinkMonitor::thisProcessIsPlaying());
    }
};
} // namespace

QTEST_GUILESS_MAIN(SoundManagerTest)
#include "tst_soundmanager.moc"
