// The blow game on a real microphone (a PulseAudio pipe source fed with
// sox-made sound). The level meter on every sample format (8/16/32-bit,
// float, 48 kHz stereo, frames split between reads, non-numbers, clipping);
// the challenge: a blow at the threshold wins in 34 steps, just under it or
// speech never do, and the threshold follows the media volume; the screen:
// the background keeps the push, which then drifts back, and a preview on a
// muted output stays quiet; a silent or unplugged microphone falls back to
// the tap challenge within 5 s, with the reason. The win by blowing, and the
// fallback without any microphone, are the alarm road's.
#include "PipeMicrophone.h"
#include "TestSupport.h"
#include "UnlockHarness.h"

#include "platform/ApplicationLifecycle.h"
#include "sound/MediaVolume.h"
#include "sound/MuteProbe.h"
#include "unlockers/games/blow/BlowChallenge.h"
#include "unlockers/games/blow/BlowGame.h"
#include "unlockers/games/blow/LevelMeter.h"

#include <QMediaDevices>
#include <QScopeGuard>
#include <limits>

using namespace UnlockHarness;

namespace {
QAudioFormat formatOf(QAudioFormat::SampleFormat sampleFormat, int rate, int channels)
{
    QAudioFormat format;
    format.setSampleFormat(sampleFormat);
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    return format;
}

// A square wave of amplitude `a` (fraction of full scale) on channel
// `loud`, nothing on the others. Its power is a², its level 20·log10(a) dB.
QByteArray square(const QAudioFormat &format, double a, int frames, int loud)
{
    QByteArray bytes;
    for (int f = 0; f < frames * format.channelCount(); ++f) {
        const double v = f % format.channelCount() == loud ? (f / format.channelCount() % 2 ? a : -a) : 0;
        const quint8 byte = quint8(128 + std::lround(v * 128));
        const qint16 narrow = qint16(std::lround(v * 32767));
        const qint32 wide = qint32(std::llround(v * 2147483647.0));
        const float real = float(v);
        const void *samples[] = {&byte, &narrow, &wide, &real}; // in the order of QAudioFormat::SampleFormat
        bytes.append(static_cast<const char *>(samples[format.sampleFormat() - QAudioFormat::UInt8]),
                     format.bytesPerSample());
    }
    return bytes;
}

// The volume as another program sets it.
void setSinkVolumePercent(int percent)
{
    QProcess::execute(QStringLiteral("pactl"),
                      {"set-sink-volume", "@DEFAULT_SINK@", QString::number(percent) + QLatin1Char('%')});
}

const QByteArray &quietRoom()
{
    static const QByteArray room = Sox::quietRoom(30);
    return room;
}

BlowGame *presentBlow(bool previewMode) { return present<BlowGame>(kBlow, alarmRinging(), previewMode); }
} // namespace

class TestBlowGame : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PipeMicrophone> microphone;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(MediaVolume::shared().hasAudioServer(), "run inside scripts/session-services.sh");
        microphone = std::make_unique<PipeMicrophone>(QStringLiteral("tolvek_test_mic"));
        QVERIFY(microphone->isReady());
        QTRY_VERIFY(QMediaDevices::defaultAudioInput().id() == "tolvek_test_mic");
    }
    void cleanupTestCase()
    {
        microphone.reset();
        setSinkVolumePercent(100);
    }
    void init()
    {
        TestSupport::wipeUserData();
        microphone->playInstead(quietRoom());
        setSinkVolumePercent(100);
        QTRY_COMPARE(MediaVolume::shared().volume(), 1.0f);
    }
    void cleanup()
    {
        MediaVolume::shared().setMuted(false);
        closeAll();
    }

    // The level of a square wave on every sample format, and of strange
    // input: non-numbers (only the real samples count), silence, clipping
    // noise at the rails, a format the meter cannot read (nothing measured,
    // no crash). Fed in odd pieces that split frames and samples between
    // reads; the next reading starts afresh.
    void levels()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
        const float strange[] = {nan, 0.5f, -inf, -0.5f, inf, nan};
        QByteArray clipped;
        for (int i = 0; i < 4410; ++i)
            clipped.append(i % 3 ? "\x00\x80" : "\xff\x7f", 2);
        const QAudioFormat mono16 = formatOf(QAudioFormat::Int16, 44100, 1);
        // A tenth of a second of square wave, amplitude `a` on channel `loud`.
        const auto wave = [](QAudioFormat::SampleFormat sampleFormat, int rate, int channels, double a, int loud) {
            const QAudioFormat format = formatOf(sampleFormat, rate, channels);
            return std::pair{format, square(format, a, rate / 10, loud)};
        };
        const struct
        {
            std::pair<QAudioFormat, QByteArray> input;
            double decibels, peak;
        } cases[] = {{wave(QAudioFormat::Int16, 44100, 1, 1.0, 0), 0.0, 1.0},
                     {wave(QAudioFormat::Int16, 44100, 1, 0.1, 0), -20.0, 0.1},
                     {wave(QAudioFormat::UInt8, 8000, 1, 0.5, 0), -6.0206, 0.5},
                     {wave(QAudioFormat::Int32, 16000, 1, 0.01, 0), -40.0, 0.01},
                     {wave(QAudioFormat::Float, 48000, 2, 0.3548, 0), -9.0, 0.3548},
                     // The louder channel counts: a device whose first channel is dead still hears a blow.
                     {wave(QAudioFormat::Float, 48000, 2, 0.3548, 1), -9.0, 0.3548},
                     {wave(QAudioFormat::Int16, 48000, 2, 0.1, 1), -20.0, 0.1},
                     {{formatOf(QAudioFormat::Float, 48000, 1),
                       QByteArray(reinterpret_cast<const char *>(strange), sizeof strange)},
                      -6.0206,
                      0.5},
                     {{mono16, QByteArray(8820, '\0')}, LevelMeter::kSilenceDb, 0.0},
                     {{mono16, clipped}, 0.0, 1.0},
                     {{QAudioFormat(), clipped}, LevelMeter::kSilenceDb, 0.0}};
        for (const auto &c : cases) {
            const auto &[format, pcm] = c.input;
            LevelMeter meter;
            meter.setFormat(format);
            for (qsizetype at = 0; at < pcm.size(); at += 333)
                meter.add(pcm.mid(at, 333));
            const LevelMeter::Reading reading = meter.take();
            QVERIFY2(qAbs(reading.averagePowerDb - c.decibels) < 0.01,
                     qPrintable(QString::number(reading.averagePowerDb)));
            QCOMPARE(reading.frames, format.isValid() ? pcm.size() / format.bytesPerFrame() : 0);
            QVERIFY(qAbs(reading.peak - c.peak) < 0.01);
            QCOMPARE(meter.take().averagePowerDb, LevelMeter::kSilenceDb);
        }
    }

    // What the microphone hears, at what media volume, and whether it wins.
    void blowingOnTheMicrophone_data()
    {
        QTest::addColumn<int>("volumePercent");
        QTest::addColumn<bool>("speech");
        QTest::addColumn<double>("rmsDb");
        QTest::addColumn<bool>("float48kStereo");
        QTest::addColumn<bool>("wins");
        QTest::newRow("-9.5 dB at volume 0") << 0 << false << -9.5 << false << true;
        QTest::newRow("-9.5 dB at full volume") << 100 << false << -9.5 << false << false;
        QTest::newRow("blow at the threshold, read as 48 kHz stereo float") << 50 << false << -9.0 << true << true;
        QTest::newRow("talking in the room") << 0 << true << -25.0 << false << false;
    }
    void blowingOnTheMicrophone()
    {
        QFETCH(int, volumePercent);
        QFETCH(bool, speech);
        QFETCH(double, rmsDb);
        QFETCH(bool, float48kStereo);
        QFETCH(bool, wins);
        setSinkVolumePercent(volumePercent);
        QTRY_COMPARE(qRound(MediaVolume::shared().volume() * 100), volumePercent);
        // A win takes 34 samplings of the microphone, 3.4 s; the blow lasts long enough for them even when a busy
        // machine samples at half the pace.
        const QByteArray sound = speech ? Sox::speech(4.5, rmsDb) : Sox::blow(8, rmsDb);
        QVERIFY2(qAbs(Sox::rmsDb(sound) - rmsDb) < 0.2, qPrintable(QString::number(Sox::rmsDb(sound))));

        BlowChallenge challenge;
        if (float48kStereo)
            challenge.detector().setFormat(formatOf(QAudioFormat::Float, 48000, 2));
        QList<int> levels;
        connect(&challenge.push(), &FillGauge::levelChanged, this, [&](int level) { levels << level; });
        QSignalSpy fallback(&challenge, &BlowChallenge::fallbackStarted);
        microphone->playInstead(Sox::quietRoom(0.5) + sound + Sox::quietRoom(1));
        challenge.start();
        QVERIFY(challenge.isListening());
        if (float48kStereo) {
            QCOMPARE(challenge.detector().format().sampleRate(), 48000);
            QCOMPARE(challenge.detector().format().channelCount(), 2);
        }
        QTRY_VERIFY_WITH_TIMEOUT(microphone->idle() || challenge.push().isFull(), 10000);
        QVERIFY(fallback.isEmpty());
        QCOMPARE(challenge.push().isFull(), wins);
        QList<int> steps; // a win: 3, 6, ... 102, 34 steps of blowing, none back
        for (int level = 3; wins && level <= 102; level += 3)
            steps.append(level);
        QCOMPARE(levels, steps);
        if (wins)
            QVERIFY(!challenge.isListening()); // the microphone closes at once
    }

    // While the game listens, the threshold follows the volume as another
    // program sets it: 10 dB below full scale at volume 0, 9 dB at full
    // volume and above (a sound server can go past 100 %).
    void thresholdFollowsTheVolume()
    {
        BlowChallenge challenge;
        challenge.start();
        for (const auto &[percent, threshold] : {std::pair{100, -9.0}, {50, -9.5}, {150, -9.0}, {0, -10.0}}) {
            setSinkVolumePercent(percent);
            QTRY_COMPARE(qRound(MediaVolume::shared().volume() * 100), qMin(percent, 100));
            QTRY_COMPARE(challenge.detector().threshold(), threshold);
        }
        challenge.stop();
    }

    // The blowing stops mid-push and the app goes to the background: the
    // microphone closes and the push stands still; back, it goes on from
    // where it was, drifting back 3 per cent a step to the start.
    void backgroundKeepsThePushThenItDriftsBack()
    {
        BlowGame *screen = presentBlow(true);
        microphone->playInstead(Sox::blow(1.6, -6) + quietRoom());
        QTRY_VERIFY_WITH_TIMEOUT(screen->pushLevel() >= 30, 4000);
        QTRY_VERIFY_WITH_TIMEOUT(!screen->isBlowing(), 4000);
        Broadcaster::shared().post(ApplicationLifecycle::WillResignActive);
        QVERIFY(!screen->challenge().isListening());
        const int kept = screen->pushLevel();
        QVERIFY(kept > 0 && kept < 100);
        QList<int> drift{kept};
        connect(screen, &BlowGame::pushChanged, this, [&] {
            if (drift.last() != screen->pushLevel())
                drift.append(screen->pushLevel());
        });
        QVERIFY(!QTest::qWaitFor([&] { return drift.size() > 1; }, 400));
        Broadcaster::shared().post(ApplicationLifecycle::DidBecomeActive);
        QVERIFY(screen->challenge().isListening());
        QVERIFY(!screen->usesFallback());
        QTRY_COMPARE_WITH_TIMEOUT(screen->pushLevel(), 0, 6000);
        QList<int> steps;
        for (int level = kept; level >= 0; level -= 3)
            steps.append(level);
        QCOMPARE(drift, steps);
        QCOMPARE(screen->ufoAngle(), BlowGame::kUfoStartAngle);
        QVERIFY(!screen->challenge().push().isTicking());
        screen->dismiss();
    }

    void previewOnAMutedOutputStaysQuiet()
    {
        QTRY_VERIFY(!sound()->playing()); // the last screen's ring has faded out
        MediaVolume::shared().setMuted(true);
        QTRY_VERIFY(MediaVolume::shared().isMuted());
        BlowGame *quiet = presentBlow(true);
        QTRY_VERIFY_WITH_TIMEOUT(MuteProbe::shared()->isMuted(), 3000);
        QVERIFY(!QTest::qWaitFor([&] { return quiet->startedRing() || sound()->playing(); }, 200));
        quiet->dismiss();

        MediaVolume::shared().setMuted(false);
        QTRY_VERIFY(!MediaVolume::shared().isMuted());
        BlowGame *heard = presentBlow(true);
        QTRY_VERIFY_WITH_TIMEOUT(heard->startedRing(), 3000);
        QVERIFY(sound()->playing());
        heard->dismiss();
    }

    // A microphone that hears nothing at all: within 5 s it is closed, the
    // notice says why, the close button of the tap challenge takes over, and
    // it wins.
    void silentMicrophoneFallsBackToTheTap()
    {
        BlowGame *screen = presentBlow(false);
        screen->closeTapped(); // no effect while the microphone serves
        QVERIFY(!screen->ufoLeaving());
        microphone->playInstead(Sox::digitalSilence(10));
        QSignalSpy fallback(screen, &BlowGame::fallbackChanged);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fallback.wait(6000));
        QVERIFY(clock.elapsed() <= 5000);
        QVERIFY(screen->usesFallback());
        QVERIFY(!screen->challenge().isListening());
        QCOMPARE(screen->noticeText(), QStringLiteral("Tap Close to wake up"));
        QCOMPARE(screen->fallbackText(),
                 QStringLiteral("The microphone is muted or hears nothing. Tap Close to stop the alarm."));
        QVERIFY(sound()->playing()); // the alarm goes on ringing meanwhile
        screen->closeTapped();       // the whole win after it: the alarm road's blow without a microphone
        QVERIFY(screen->ufoLeaving());
    }

    // Last: the microphone is pulled out mid-game while the alarm rings (the
    // sound server moves the recording to the output's monitor, which hears
    // the ring, not the room).
    void unpluggedMicrophone()
    {
        QProcess ring;
        ring.start(QStringLiteral("paplay"), {"--raw", "--format=s16le", "--rate=44100", "--channels=1"});
        QVERIFY(ring.waitForStarted());
        ring.write(Sox::blow(15, -3));
        const auto stopRing = qScopeGuard([&ring] {
            ring.kill();
            ring.waitForFinished();
        });
        BlowChallenge challenge;
        QSignalSpy fallback(&challenge, &BlowChallenge::fallbackStarted);
        challenge.start();
        QVERIFY(!fallback.wait(500));
        microphone->unplug();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fallback.wait(6000));
        QVERIFY(clock.elapsed() <= 5000);
        QCOMPARE(challenge.fallbackReason(), QStringLiteral("The microphone stopped working."));
        QVERIFY(challenge.isFallback()); // with none left at all: the alarm road's blow without a microphone
    }
};

QTEST_MAIN(TestBlowGame)
#include "tst_blowgame.moc"
