// The blow game's microphone without a window: the level meter on every
// sample format (8/16/32-bit, float, 48 kHz stereo, frames split between
// reads, non-numbers, clipping), and the challenge on a real PulseAudio
// microphone (a pipe source fed with sox-made sound): a blow at the threshold
// wins in 34 steps, just under it, speech and a quiet room never do; the
// threshold follows the media volume; a silent, muted, unplugged or missing
// microphone falls back to the tap challenge within 5 s, with the reason.
#include "PipeMicrophone.h"

#include "sound/MediaVolume.h"
#include "unlockers/games/blow/BlowChallenge.h"
#include "unlockers/games/blow/LevelMeter.h"

#include <QMediaDevices>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <limits>

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
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < format.channelCount(); ++c) {
            const double v = c == loud ? (f % 2 ? a : -a) : 0;
            char sample[4];
            switch (format.sampleFormat()) {
            case QAudioFormat::UInt8: sample[0] = char(quint8(128 + std::lround(v * 128))); break;
            case QAudioFormat::Int16: { const qint16 s = qint16(std::lround(v * 32767)); std::memcpy(sample, &s, 2); break; }
            case QAudioFormat::Int32: { const qint32 s = qint32(std::llround(v * 2147483647.0)); std::memcpy(sample, &s, 4); break; }
            default: { const float s = float(v); std::memcpy(sample, &s, 4); break; }
            }
            bytes.append(sample, format.bytesPerSample());
        }
    }
    return bytes;
}

void setSinkVolumePercent(int percent)
{
    QProcess::execute(QStringLiteral("pactl"),
                      {"set-sink-volume", "@DEFAULT_SINK@", QString::number(percent) + QLatin1Char('%')});
}

// Every push level shown, in order.
struct PushRecorder : QObject
{
    explicit PushRecorder(FillGauge &push)
    {
        connect(&push, &FillGauge::levelChanged, this, [this](int level) {
            levels.append(level);
            highest = std::max(highest, level);
        });
    }
    QList<int> levels;
    int highest = 0;
};
} // namespace

class TestBlowDetector : public QObject
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

    void levelOfEveryFormat_data()
    {
        QTest::addColumn<QAudioFormat>("format");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<int>("loudChannel");
        QTest::addColumn<double>("decibels");
        QTest::newRow("16-bit mono, full scale") << formatOf(QAudioFormat::Int16, 44100, 1) << 1.0 << 0 << 0.0;
        QTest::newRow("16-bit mono, a tenth") << formatOf(QAudioFormat::Int16, 44100, 1) << 0.1 << 0 << -20.0;
        QTest::newRow("8-bit, a half") << formatOf(QAudioFormat::UInt8, 8000, 1) << 0.5 << 0 << -6.0206;
        QTest::newRow("32-bit, a hundredth") << formatOf(QAudioFormat::Int32, 16000, 1) << 0.01 << 0 << -40.0;
        QTest::newRow("float 48 kHz stereo, left") << formatOf(QAudioFormat::Float, 48000, 2) << 0.3548 << 0 << -9.0;
        // The louder channel counts: a device whose first channel is dead still hears a blow.
        QTest::newRow("float 48 kHz stereo, right") << formatOf(QAudioFormat::Float, 48000, 2) << 0.3548 << 1 << -9.0;
        QTest::newRow("16-bit 48 kHz stereo, right") << formatOf(QAudioFormat::Int16, 48000, 2) << 0.1 << 1 << -20.0;
    }
    void levelOfEveryFormat()
    {
        QFETCH(QAudioFormat, format);
        QFETCH(double, amplitude);
        QFETCH(int, loudChannel);
        QFETCH(double, decibels);
        LevelMeter meter;
        meter.setFormat(format);
        const QByteArray pcm = square(format, amplitude, format.sampleRate() / 10, loudChannel);
        // In odd pieces, frames and samples split between reads.
        for (qsizetype at = 0; at < pcm.size(); at += 333)
            meter.add(pcm.mid(at, 333));
        const LevelMeter::Reading reading = meter.take();
        QVERIFY2(qAbs(reading.averagePowerDb - decibels) < 0.01, qPrintable(QString::number(reading.averagePowerDb)));
        QCOMPARE(reading.frames, qint64(format.sampleRate() / 10));
        QVERIFY(qAbs(reading.peak - amplitude) < 0.01);
        // The next reading starts afresh.
        QCOMPARE(meter.take().averagePowerDb, LevelMeter::kSilenceDb);
    }

    void strangeSamples()
    {
        LevelMeter meter;
        meter.setFormat(formatOf(QAudioFormat::Float, 48000, 1));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        const float samples[] = {nan, 0.5f, -inf, -0.5f, inf, nan};
        meter.add(reinterpret_cast<const char *>(samples), sizeof samples);
        LevelMeter::Reading reading = meter.take();
        QVERIFY(qAbs(reading.averagePowerDb - -6.0206) < 0.01); // only the two real samples count
        QCOMPARE(reading.peak, 0.5);

        meter.setFormat(formatOf(QAudioFormat::Int16, 44100, 1));
        meter.add(QByteArray(8820, '\0'));
        reading = meter.take();
        QCOMPARE(reading.averagePowerDb, LevelMeter::kSilenceDb);
        QCOMPARE(reading.peak, 0.0);
        // Clipping noise: every sample at the rails.
        QByteArray clipped;
        for (int i = 0; i < 4410; ++i)
            clipped.append(i % 3 ? "\x00\x80" : "\xff\x7f", 2);
        meter.add(clipped);
        QVERIFY(qAbs(meter.take().averagePowerDb) < 0.01);
        // A format the meter cannot read measures nothing instead of crashing.
        meter.setFormat(QAudioFormat());
        meter.add(clipped);
        QCOMPARE(meter.take().averagePowerDb, LevelMeter::kSilenceDb);
    }

    void thresholdFromVolume_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<double>("threshold");
        QTest::newRow("silent") << 0.0f << -10.0;
        QTest::newRow("half") << 0.5f << -9.5;
        QTest::newRow("full") << 1.0f << -9.0;
        QTest::newRow("above full") << 1.7f << -9.0;
        QTest::newRow("below silent") << -0.3f << -10.0;
    }
    void thresholdFromVolume()
    {
        QFETCH(float, volume);
        BlowDetector detector;
        detector.setSystemVolume(volume);
        QTEST(detector.threshold(), "threshold");
    }

    // What the microphone hears, at what media volume, and whether it wins.
    void blowingOnTheMicrophone_data()
    {
        QTest::addColumn<int>("volumePercent");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("rmsDb");
        QTest::addColumn<bool>("float48kStereo");
        QTest::addColumn<bool>("wins");
        QTest::newRow("blow at the threshold, half volume") << 50 << "blow" << -9.0 << false << true;
        QTest::newRow("blow just under it") << 50 << "blow" << -10.0 << false << false;
        QTest::newRow("-9.5 dB at volume 0") << 0 << "blow" << -9.5 << false << true;
        QTest::newRow("-9.5 dB at full volume") << 100 << "blow" << -9.5 << false << false;
        QTest::newRow("blow, read as 48 kHz stereo float") << 50 << "blow" << -9.0 << true << true;
        QTest::newRow("talking in the room") << 0 << "speech" << -25.0 << false << false;
        QTest::newRow("quiet room") << 0 << "quiet" << -65.0 << false << false;
    }
    void blowingOnTheMicrophone()
    {
        QFETCH(int, volumePercent);
        QFETCH(QString, kind);
        QFETCH(double, rmsDb);
        QFETCH(bool, float48kStereo);
        QFETCH(bool, wins);
        setSinkVolumePercent(volumePercent);
        QTRY_COMPARE(qRound(MediaVolume::shared().volume() * 100), volumePercent);
        constexpr double kSeconds = 4.5;
        const QByteArray sound = kind == "blow" ? Sox::blow(kSeconds, rmsDb)
                               : kind == "speech" ? Sox::speech(kSeconds, rmsDb) : Sox::quietRoom(kSeconds);
        QVERIFY2(qAbs(Sox::rmsDb(sound) - rmsDb) < 0.2, qPrintable(QString::number(Sox::rmsDb(sound))));

        BlowChallenge challenge;
        if (float48kStereo)
            challenge.detector().setFormat(formatOf(QAudioFormat::Float, 48000, 2));
        PushRecorder seen(challenge.push());
        QSignalSpy fallback(&challenge, &BlowChallenge::fallbackStarted);
        microphone->playInstead(Sox::quietRoom(0.5) + sound + Sox::quietRoom(1));
        challenge.start();
        QVERIFY(challenge.isListening());
        QCOMPARE(challenge.detector().threshold(), -10 + volumePercent / 100.0);
        if (float48kStereo) {
            QCOMPARE(challenge.detector().format().sampleRate(), 48000);
            QCOMPARE(challenge.detector().format().channelCount(), 2);
        }
        QTRY_VERIFY_WITH_TIMEOUT(microphone->idle() || challenge.push().isFull(), 10000);
        QVERIFY(fallback.isEmpty());
        QCOMPARE(challenge.push().isFull(), wins);
        if (wins) {
            QList<int> steps; // 3, 6, ... 102: 34 steps of blowing, none back
            for (int level = 3; level <= 102; level += 3)
                steps.append(level);
            QCOMPARE(seen.levels, steps);
            QVERIFY(!challenge.isListening()); // the microphone closes at once
        } else {
            QCOMPARE(seen.highest, 0);
        }
    }

    // The volume is turned down while the game listens: the threshold follows.
    void thresholdFollowsTheVolume()
    {
        setSinkVolumePercent(100);
        QTRY_COMPARE(MediaVolume::shared().volume(), 1.0f);
        BlowChallenge challenge;
        microphone->playInstead(Sox::quietRoom(10));
        challenge.start();
        QCOMPARE(challenge.detector().threshold(), -9.0);
        setSinkVolumePercent(0);
        QTRY_COMPARE(challenge.detector().threshold(), -10.0);
        challenge.stop();
        microphone->playInstead({});
    }

    // Blowing, the app goes to the background and back: the push neither
    // moves nor is lost meanwhile, and goes on from where it was.
    void backgroundKeepsThePush()
    {
        setSinkVolumePercent(0);
        QTRY_COMPARE(MediaVolume::shared().volume(), 0.0f);
        BlowChallenge challenge;
        microphone->playInstead(Sox::blow(8, -8));
        challenge.start();
        QTRY_VERIFY_WITH_TIMEOUT(challenge.push().level() >= 30, 5000);
        challenge.pause();
        QVERIFY(!challenge.isListening());
        const int paused = challenge.push().level();
        QTest::qWait(300);
        QCOMPARE(challenge.push().level(), paused);
        challenge.start();
        QTRY_VERIFY_WITH_TIMEOUT(challenge.push().isFull(), 8000);
        microphone->playInstead({});
    }

    void digitalSilenceFallsBack()
    {
        BlowChallenge challenge;
        QSignalSpy fallback(&challenge, &BlowChallenge::fallbackStarted);
        microphone->playInstead(Sox::digitalSilence(8));
        challenge.start();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fallback.wait(6000));
        QVERIFY(clock.elapsed() <= 5000);
        QCOMPARE(challenge.fallbackReason(), QStringLiteral("The microphone is muted or hears nothing."));
        QVERIFY(challenge.isFallback());
        QVERIFY(!challenge.isListening());
        microphone->playInstead({});
    }

    // Last: the microphone is pulled out mid-game while the alarm rings (the
    // sound server moves the recording to the output's monitor, which hears
    // the ring), then there is none at all.
    void unpluggedAndMissingMicrophone()
    {
        setSinkVolumePercent(100);
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
        microphone->playInstead(Sox::quietRoom(10));
        challenge.start();
        QTest::qWait(500);
        QVERIFY(fallback.isEmpty());
        microphone->unplug();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fallback.wait(6000));
        QVERIFY(clock.elapsed() <= 5000);
        QCOMPARE(challenge.fallbackReason(), QStringLiteral("The microphone stopped working."));
        QVERIFY(challenge.isFallback());

        // Only the output's monitor is left: it hears the ring, not the room.
        QTRY_VERIFY(QMediaDevices::defaultAudioInput().id() != "tolvek_test_mic");
        BlowChallenge none;
        QSignalSpy noneFallback(&none, &BlowChallenge::fallbackStarted);
        none.start();
        QCOMPARE(noneFallback.count(), 1);
        QCOMPARE(none.fallbackReason(), QStringLiteral("There is no microphone here."));
    }
};

QTEST_GUILESS_MAIN(TestBlowDetector)
#include "tst_blowdetector.moc"
