// The sound picker (its list and the alarm's sound marked: tst_editor_views): a tap plays
// (looping, fading in) through the ring player on the real audio pipeline,
// a second tap confirms, leaving fades the sound out and reports the marked
// sound once, the random entry plays nothing, and a ring that took the
// player over is left alone.
#include "EditorTestSupport.h"
#include "alarms/SoundCatalogue.h"
#include "editor/SoundPickerScreen.h"
#include "sound/AudioPlayer.h"
#include "sound/MediaVolume.h"
#include "sound/RingPlayer.h"

#include <QSignalSpy>
#include <QTest>

using namespace EditorTestSupport;

namespace {
int rowOf(const QString &file) { return int(SoundCatalogue::fileNames().indexOf(file)); }
RingPlayer *ring() { return RingPlayer::shared(); }
} // namespace

class TestSoundPicker : public QObject
{
    Q_OBJECT

    // The picker pushed over a screen, as the setting screen pushes it.
    struct Pushed
    {
        explicit Pushed(int row) : picker(new SoundPickerScreen(row)) { home.stack.push(picker, false); }
        HomeStack home;
        QPointer<SoundPickerScreen> picker;
    };

    static bool needsAudio() { return MediaVolume::shared().hasAudioServer(); }

private Q_SLOTS:
    void cleanup() { ring()->stop(); }

    void tapPlaysThenSecondTapConfirms()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server: run through scripts/run-tests.sh, which starts one with a null sink");
        Pushed pushed(0);
        QSignalSpy chosen(pushed.picker, &SoundPickerScreen::soundChosen);
        const int mineral = rowOf(QStringLiteral("Mineral.mp3"));
        pushed.picker->tapRow(mineral);
        QCOMPARE(pushed.picker->chosenRow(), mineral);
        AudioPlayer *player = ring()->audioPlayer();
        QVERIFY(player);
        QVERIFY(player->source().toString().contains(QStringLiteral("Mineral")));
        QVERIFY(player->isLooping());
        QVERIFY(player->volume() < 1.0f); // fading in
        QTRY_COMPARE(player->volume(), 1.0f);
        QTRY_VERIFY(ring()->playing());

        // Another row: that sound instead.
        const int stars = rowOf(QStringLiteral("Stars.mp3"));
        pushed.picker->tapRow(stars);
        QVERIFY(ring()->audioPlayer() != player);
        QVERIFY(ring()->audioPlayer()->source().toString().contains(QStringLiteral("Stars")));

        // The marked row again: fade out and back, reporting it once.
        pushed.picker->tapRow(stars);
        QVERIFY(ring()->isFadingOut());
        QCOMPARE(pushed.home.stack.topScreen(), &pushed.home.home);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), stars);
        QTRY_VERIFY_WITH_TIMEOUT(!ring()->playing(), 5000);
    }

    // Leaving by the back button reports the marked row once if it was tapped (and plays it), else nothing.
    void leavingReportsTheMarkedRowOnlyAfterATap()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server");
        const int ufo = rowOf(QStringLiteral("UFO.mp3"));
        for (bool tapped : {false, true}) {
            Pushed pushed(ufo);
            QSignalSpy chosen(pushed.picker, &SoundPickerScreen::soundChosen);
            if (tapped) {
                pushed.picker->tapRow(ufo);
                QVERIFY(ring()->audioPlayer());
                QCOMPARE(pushed.home.stack.topScreen(), pushed.picker.data());
            }
            pushed.picker->goBack();
            QCOMPARE(pushed.home.stack.topScreen(), &pushed.home.home);
            QCOMPARE(ring()->isFadingOut(), tapped);
            QCOMPARE(chosen.count(), tapped ? 1 : 0);
            if (tapped)
                QCOMPARE(chosen.first().first().toInt(), ufo);
        }
    }

    void randomIsMarkedAndPlaysNothing()
    {
        Pushed pushed(0);
        ring()->play(QStringLiteral("Airship.mp3"), true); // whatever played before
        const int random = rowOf(SoundCatalogue::kRandomSoundMarker);
        pushed.picker->tapRow(random);
        QCOMPARE(pushed.picker->chosenRow(), random);
        QVERIFY(ring()->audioPlayer() == nullptr);
        QVERIFY(!ring()->playing());
        pushed.picker->tapRow(-1);
        pushed.picker->tapRow(15);
        QCOMPARE(pushed.picker->chosenRow(), random);
    }

    void aRingThatTookThePlayerOverKeepsRinging()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server");
        Pushed pushed(0);
        pushed.picker->tapRow(rowOf(QStringLiteral("Wormhole.mp3")));
        // An alarm rings meanwhile, through the same player.
        ring()->play(QStringLiteral("Satellite.mp3"), true);
        AudioPlayer *alarmRing = ring()->audioPlayer();
        pushed.picker->goBack();
        QVERIFY(!ring()->isFadingOut());
        QCOMPARE(ring()->audioPlayer(), alarmRing);
        QTRY_VERIFY(ring()->playing());
    }

    void destroyedWithItsStackItsSoundStops()
    {
        if (!needsAudio())
            QSKIP("no PulseAudio server");
        auto *picker = new SoundPickerScreen(0);
        picker->tapRow(rowOf(QStringLiteral("Astronaut.mp3")));
        QTRY_VERIFY(ring()->playing());
        delete picker;
        QVERIFY(!ring()->playing());
    }
};

QTEST_MAIN(TestSoundPicker)
#include "tst_soundpicker.moc"
