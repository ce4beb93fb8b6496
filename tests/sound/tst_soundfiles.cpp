// The app's sound files: every name the app uses is found, lookups refuse
// what is not a sound of the app, AIFF files (the mute probe's) read
// correctly or not at all, and the committed files keep their measured figures.
#include "alarms/SoundCatalogue.h"
#include "sound/AiffFile.h"
#include "sound/SoundResources.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

namespace {
// An AIFF file: COMM (channels, frames, bits, 44.1 kHz) and SSND with `samples`.
QByteArray makeAiff(quint16 channels, quint16 bits, const QByteArray &samples, quint32 ssndOffset = 0)
{
    auto be16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    auto be32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    const quint32 frames = quint32(samples.size() / (bits / 8) / channels);
    const QByteArray rate44100 = QByteArray::fromHex("400EAC44000000000000");
    const QByteArray comm = "COMM" + be32(18) + be16(channels) + be32(frames) + be16(bits) + rate44100;
    const QByteArray ssnd = "SSND" + be32(8 + samples.size()) + be32(ssndOffset) + be32(0) + samples;
    const QByteArray body = "AIFF" + comm + ssnd;
    return "FORM" + be32(body.size()) + body;
}

QList<qint16> samplesOf(const AiffFile &aiff)
{
    const auto *samples = reinterpret_cast<const qint16 *>(aiff.samples().constData());
    return QList<qint16>(samples, samples + aiff.samples().size() / 2);
}

class SoundFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("path"); // "" when refused
        for (const QString &name : SoundCatalogue::fileNames()) {
            if (name != SoundCatalogue::kRandomSoundMarker)
                QTest::newRow(qPrintable(name)) << name << ":/sounds/" + name;
        }
        for (const char *effect : {"Alarm Close.mp3", "button click.mp3", "wrong answer.mp3", "Tolvek Launch.mp3",
                                   "Alarm Smile Camera Shutter.mp3", "detection.aiff"})
            QTest::newRow(effect) << QString::fromLatin1(effect) << QStringLiteral(":/sounds/") + effect;
        // As the players split names: "a.b.c" is resource "a" of type "b".
        QTest::newRow("third piece") << "Airship.mp3.bak"
                                     << ":/sounds/Airship.mp3";
        for (const char *refused : {"", "RandomSound", "Airship", ".mp3", "Foghorn.mp3", "Airship.ogg", "airship.mp3",
                                    "../sounds/Airship.mp3", "/etc/hostname.mp3"})
            QTest::addRow("refused \"%s\"", refused) << QString::fromLatin1(refused) << QString();
    }
    void lookup()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, path);
        QCOMPARE(SoundResources::pathForSoundFile(fileName), path);
        if (path.isEmpty())
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 1000);
        QCOMPARE(SoundResources::urlForPath(path), QUrl("qrc" + path));
    }

    void theMuteProbeReadsAsShortQuietPcm()
    {
        const AiffFile probe = AiffFile::read(SoundResources::pathForResource("detection", "aiff"));
        QVERIFY(probe.isValid());
        QCOMPARE(probe.format().sampleRate(), 44100);
        QCOMPARE(probe.format().channelCount(), 1);
        QVERIFY(probe.durationMs() >= 100 && probe.durationMs() <= 500);
        qint16 peak = 0;
        for (qint16 sample : samplesOf(probe))
            peak = std::max<qint16>(peak, qAbs(sample));
        QVERIFY(peak > 0);          // it does play something…
        QVERIFY(peak < 32768 / 50); // …but barely audibly
    }

    void aiffFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("channels"); // 0: refused as invalid
        QTest::addColumn<QList<qint16>>("samples");
        const QByteArray good = makeAiff(1, 16, QByteArray(200, '\x10'));
        QTest::newRow("16-bit big-endian")
            << makeAiff(1, 16, QByteArray::fromHex("7fff8000fffe")) << 1 << QList<qint16>{32767, -32768, -2};
        QTest::newRow("8-bit stereo") << makeAiff(2, 8, QByteArray::fromHex("7f80ff00")) << 2
                                      << QList<qint16>{127 * 256, -128 * 256, -256, 0};
        QTest::newRow("empty") << QByteArray() << 0 << QList<qint16>();
        QTest::newRow("not a FORM") << "RIFF" + good.mid(4) << 0 << QList<qint16>();
        QTest::newRow("cut in the middle") << good.left(good.size() / 2) << 0 << QList<qint16>();
        QTest::newRow("24-bit") << makeAiff(1, 24, QByteArray(300, '\x10')) << 0 << QList<qint16>();
        QTest::newRow("offset past the data") << makeAiff(1, 16, QByteArray(200, '\x10'), 4000) << 0 << QList<qint16>();
        QTest::newRow("huge chunk length")
            << good.left(16) + QByteArray::fromHex("7fffffff") + good.mid(20) << 0 << QList<qint16>();
    }
    void aiffFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, channels);
        QFETCH(QList<qint16>, samples);
        const AiffFile aiff = AiffFile::parse(bytes);
        QCOMPARE(aiff.isValid(), channels > 0);
        if (!aiff.isValid()) {
            QCOMPARE(aiff.durationMs(), 0);
            return;
        }
        QCOMPARE(aiff.format().sampleRate(), 44100);
        QCOMPARE(aiff.format().channelCount(), channels);
        QCOMPARE(samplesOf(aiff), samples);
    }

    // The generator's own measure: durations, rates, and every ring sound
    // within 1 LU of the loudness target.
    void committedSoundsKeepTheirFigures()
    {
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("sox").isEmpty())
            QSKIP("ffmpeg and sox are needed to measure the sounds (scripts/install-deps.sh installs them)");
        const QString source = qEnvironmentVariable("TOLVEK_SOURCE_DIR");
        QProcess measure;
        measure.start(source + "/tools/sounds/measure-loudness.sh", {source + "/assets/sounds"});
        QVERIFY(measure.waitForFinished(240000));
        const QString report = QString::fromUtf8(measure.readAllStandardOutput() + measure.readAllStandardError());
        qInfo().noquote() << report;
        QVERIFY2(measure.exitCode() == 0, "a sound file is unreadable or off the loudness target");
        QVERIFY(!report.contains(QLatin1String("ERROR")));

        // Ring sounds: 10-30 s at 44.1 kHz.
        for (const QString &name : SoundCatalogue::fileNames()) {
            if (name == SoundCatalogue::kRandomSoundMarker)
                continue;
            const QStringList fields = report.split('\n').filter(name).value(0).mid(34).split(' ', Qt::SkipEmptyParts);
            QVERIFY2(fields.size() >= 2 && fields.at(1) == QLatin1String("44100"), qPrintable(name));
            QVERIFY2(fields.at(0).toDouble() >= 10 && fields.at(0).toDouble() <= 30, qPrintable(name));
        }
    }
};
} // namespace

QTEST_GUILESS_MAIN(SoundFilesTest)
#include "tst_soundfiles.moc"
