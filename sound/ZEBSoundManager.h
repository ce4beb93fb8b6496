#pragma once
#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// The one player of ring sounds, previews and the unlock screens' effects.
// It plays an app sound by file name ("Airship.mp3"), once or in an endless
// loop, fades in from 0.1 to full volume by 0.05 every 0.1 s, fades out on
// request by `gap` every 0.1 s, and reports the end of playback or of a
// fade-out through one-shot callbacks. Only one sound plays at a time: each
// play request replaces the current player. Main thread only.
//
//   auto *sound = ZEBSoundManager::sharedZEBSoundManager();
//   sound->playSoundWithSoundFile(alarm.ringFileString, true);            // ring, looped
//   sound->setFadeCompleteBlock([this] { playJingle(); });
//   sound->doVolumeFadeWithDuration(0.5f);                                // silent at once, stopped 0.1 s later
//   sound->playSoundWithSoundFile("Alarm Close.mp3", false, [] { close(); });
//
// Nothing plays, and no callback runs, for an empty name, a name without a
// type ("RandomSound" — the marker is resolved by the callers), a file that is
// not among the app's sounds, a file that cannot be decoded, or no audio server.
//
// A play request during a fade-out abandons that fade: it no longer touches
// any player and its fade callback does not run; the new sound fades in to
// full volume like any other.
class ZEBSoundManager : public QObject
{
    Q_OBJECT
public:
    using Completion = std::function<void()>;

    static ZEBSoundManager *sharedZEBSoundManager();

    void playSoundWithSoundFile(const QString &fileName);
    void playSoundWithSoundFile(const QString &fileName, bool repeat);
    void playSoundWithSoundFile(const QString &fileName, bool repeat, AudioSessionCategory option);
    void playSoundWithSoundFile(const QString &fileName, bool repeat, Completion complete);
    void playSoundWithSoundFile(const QString &fileName, bool repeat, Completion complete,
                                AudioSessionCategory option);

    // Stops at once: no fade, no callback.
    void stopSoundPlay();
    // One fade-in step; the play request runs it and it schedules the rest.
    void doVolumeFadeIn();
    // Fades the sound out by `gap` per 0.1 s step, then stops and rewinds it,
    // restores volume 1.0 and runs fadeCompleteBlock once. A request while a
    // fade-out runs changes nothing; with no sound loaded the fade completes at once.
    void doVolumeFadeOut();
    // Fade-out with a step of 1 / duration (0.5 → silent at the first step).
    void doVolumeFadeWithDuration(float duration);

    bool playing() const;
    AudioPlayer *audioPlayer() const { return audioPlayer_; }
    float gap() const { return gap_; }
    bool stoping() const { return stoping_; }

    Completion playCompleteBlock() const { return playCompleteBlock_; }
    void setPlayCompleteBlock(Completion block) { playCompleteBlock_ = std::move(block); }
    Completion fadeCompleteBlock() const { return fadeCompleteBlock_; }
    void setFadeCompleteBlock(Completion block) { fadeCompleteBlock_ = std::move(block); }

private:
    ZEBSoundManager();
    void fadeOutStep();
    void dropPlayer();
    void playerFinished();

    QPointer<AudioPlayer> audioPlayer_;
    Completion playCompleteBlock_;
    Completion fadeCompleteBlock_;
    float gap_ = 0.1f;
    bool stoping_ = false;
    QTimer fadeInTimer_;
    QTimer fadeOutTimer_;
};
