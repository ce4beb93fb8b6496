// The app's sound files: every name the app uses is found, lookups refuse
// what is not a sound of the app, the mute probe's AIFF reads correctly, and
// the committed files keep their measured figures.
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
    auto be16 = [](quint16 v) { QByteArray b(2, '\0'); qToBigEndian(v, b.data()); return b; };
    auto be32 = [](quint32 v) { QByteArray b(4, '\0'); qToBigEndian(v, b.data()); return b; };
    const quint32 frames = quint32(samples.size() / (bits / 8) / channels);
    const QByteArray rate44100 = QByteArray::fromHex("400EAC44000000000000");
    const QByteArray comm = "COMM" + be32(18) + be16(channels) + be32(frames) + be16(bits) + rate44100;
    const QByteArray ssnd = "SSND" + be32(8 + samples.size()) + be32(ssndOffset) + be32(0) + samples;
    const QByteArray body = "AIFF" + comm + ssnd;
    return "FORM" + be32(body.size()) + body;
}

class SoundFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySoundTheAppNamesIsFound_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &name : SoundCatalogue::fileNames()) {
            if (name != SoundCatalogue::kRandomSoundMarker)
                QTest::newRow(qPrintable(name)) << name;
        }
        for (const char *effect : {"Alarm Close.mp3", "button click.mp3", "wrong answer.mp3", "Tolvek Launch.mp3",
                                   "Alarm Smile Camera Shutter.mp3", "detection.aiff"})
            QTest::newRow(effect) << QString::fromLatin1(effect);
    }
    void everySoundTheAppNamesIsFound()
    {
        QFETCH(QString, fileName);
        const QString path = SoundResources::pathForSoundFile(fileName);
        QCOMPARE(path, QStringLiteral(":/sounds/") + fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 1000);
        const QUrl url = SoundResources::urlForPath(path);
        QCOMPARE(url.scheme(), QStringLiteral("qrc"));
        QCOMPARE(url.path(), QStringLiteral("/sounds/") + fileName);
    }

    void lookupRefusesWhatIsNotAnAppSound_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("empty") << QString();
        QTest::newRow("random marker") << QStringLiteral("RandomSound");
        QTest::newRow("no type") << QStringLiteral("Airship");
        QTest::newRow("only a type") << QStringLiteral(".mp3");
        QTest::newRow("unknown") << QStringLiteral("Foghorn.mp3");
        QTest::newRow("other type") << QStringLiteral("Airship.ogg");
        QTest::newRow("case differs") << QStringLiteral("airship.mp3");
        QTest::newRow("climbs out") << QStringLiteral("../sounds/Airship.mp3");
        QTest::newRow("absolute") << QStringLiteral("/etc/hostname.mp3");
    }
    void lookupRefusesWhatIsNotAnAppSound()
    {
        QFETCH(QString, fileName);
        QCOMPARE(SoundResources::pathForSoundFile(fileName), QString());
    }

    void typeIsTheSecondPieceOfTheName()
    {
        // As the players split names: "a.b.c" is resource "a" of type "b".
        QCOMPARE(SoundResources::pathForSoundFile(QStringLiteral("Airship.mp3.bak")),
                 QStringLiteral(":/sounds/Airship.mp3"));
    }

    void theMuteProbeReadsAsShortQuietPcm()
    {
        const AiffFile probe = AiffFile::read(SoundResources::pathForResource(QStringLiteral("detection"),
                                                                              QStringLiteral("aiff")));
        QVERIFY(probe.isValid());
        QCOMPARE(probe.format().sampleRate(), 44100);
        QCOMPARE(probe.format().channelCount(), 1);
        QVERIFY(probe.durationMs() >= 100 && probe.durationMs() <= 500);
        const auto *samples = reinterpret_cast<const qint16 *>(probe.samples().constData());
        qint16 peak = 0;
        for (qsizetype i = 0; i < probe.samples().size() / 2; ++i)
            peak = std::max<qint16>(peak, qAbs(samples[i]));
        QVERIFY(peak > 0);       // it does play something…
        QVERIFY(peak < 32768 / 50); // …but barely audibly
    }

    void aiffSamplesAreConverted_data()
    {
        QTest::addColumn<quint16>("channels");
        QTest::addColumn<quint16>("bits");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QList<qint16>>("expected");
        QTest::newRow("16-bit big-endian") << quint16(1) << quint16(16) << QByteArray::fromHex("7fff8000fffe")
                                           << QList<qint16>{32767, -32768, -2};
        QTest::newRow("8-bit stereo") << quint16(2) << quint16(8) << QByteArray::fromHex("7f80ff00")
                                      << QList<qint16>{127 * 256, -128 * 256, -256, 0};
    }
    void aiffSamplesAreConverted()
    {
        QFETCH(quint16, channels);
        QFETCH(quint16, bits);
        QFETCH(QByteArray, raw);
        QFETCH(QList<qint16>, expected);
        const AiffFile aiff = AiffFile::parse(makeAiff(channels, bits, raw));
        QVERIFY(aiff.isValid());
        QCOMPARE(aiff.format().sampleRate(), 44100);
        QCOMPARE(aiff.format().channelCount(), int(channels));
        QList<qint16> samples;
        for (qsizetype i = 0; i < aiff.samples().size() / 2; ++i)
            samples << reinterpret_cast<const qint16 *>(aiff.samples().constData())[i];
        QCOMPARE(samples, expected);
    }

    void damagedAiffReadsAsInvalid_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = makeAiff(1, 16, QByteArray(200, '\x10'));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a FORM") << QByteArray("RIFF") + good.mid(4);
        QTest::newRow("cut in the middle") << good.left(good.size() / 2);
        QTest::newRow("24-bit") << makeAiff(1, 24, QByteArray(300, '\x10'));
        QTest::newRow("offset past the data") << makeAiff(1, 16, QByteArray(200, '\x10'), 4000);
        QTest::newRow("huge chunk length") << good.left(16) + QByteArray::fromHex("7fffffff") + good.mid(20);
    }
    void damagedAiffReadsAsInvalid()
    {
        QFETCH(QByteArray, bytes);
        const AiffFile aiff = AiffFile::parse(bytes);
        QVERIFY(!aiff.isValid());
        QCOMPARE(aiff.durationMs(), 0);
    }

    // The generator's own measure: durations, rates, and every ring sound
    // within 1 LU of the loudness target.
    void committedSoundsKeepTheirFigures()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty())
            QSKIP("ffmpeg and sox are needed to measure the sounds (scripts/install-deps.sh installs them)");
        const QString source = qEnvironmentVariable("TOLVEK_SOURCE_DIR");
        QProcess measure;
        measure.start(source + QStringLiteral("/tools/sounds/measure-loudness.sh"),
                      {source + QStringLiteral("/assets/sounds")});
        QVERIFY(measure.waitForFinished(240000));
        const QString report = QString::fromUtf8(measure.readAllStandardOutput() + measure.readAllStandardError());
        qInfo().noquote() << report;
        QVERIFY2(measure.exitCode() == 0, "a sound file is unreadable or off the loudness target");
        QVERIFY(!report.contains(QLatin1String("ERROR")));

        // Ring sounds: 10-30 s at 44.1 kHz.
        for (const QString &name : SoundCatalogue::fileNames()) {
            if (name == SoundCatalogue::kRandomSoundMarker)
                continue;
            const QString line = report.split(QLatin1Char('\n')).filter(name).value(0);
            const QStringList fields = line.mid(34).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(fields.size() >= 2, qPrintable(name));
            const double seconds = fields.at(0).toDouble();
            QVERIFY2(seconds >= 10 && seconds <= 30, qPrintable(name));
            QCOMPARE(fields.at(1), QStringLiteral("44100"));
        }
    }
};
} // namespace

QTEST_GUILESS_MAIN(SoundFilesTest)
#include "tst_soundfiles.moc"
